#include "win32/dragdrop/hdrop.h"

#include <cstring>
#include <span>
#include <string>

#include "win32/base/unicode.h"

namespace olb::win {
std::optional<FileList> ReadFileListBlock(HGLOBAL block) {
  if (!block) return std::nullopt;
  const SIZE_T size = GlobalSize(block);
  const auto* bytes = static_cast<const uint8_t*>(GlobalLock(block));
  if (!bytes) return std::nullopt;
  std::optional<FileList> files = ParseDropFiles(
      std::span(bytes, size), [](std::string_view ansi) { return AnsiToUtf8(ansi); });
  GlobalUnlock(block);
  return files;
}

GlobalMemory NewFileListBlock(const FileList& files) {
  const std::vector<uint8_t> bytes = BuildDropFiles(files);
  GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes.size()));
  if (!block.get()) return block;
  void* data = GlobalLock(block.get());
  if (!data) return GlobalMemory();
  std::memcpy(data, bytes.data(), bytes.size());
  GlobalUnlock(block.get());
  return block;
}

}  // namespace olb::win
