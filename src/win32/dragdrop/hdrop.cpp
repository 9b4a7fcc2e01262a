#include "win32/dragdrop/hdrop.h"

#include <cstring>
#include <span>
#include <string>

#include "win32/base/unicode.h"

namespace olb::win {
namespace {

std::string AnsiToUtf8(std::string_view text) {
  const int n =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return Narrow(wide);
}

}  // namespace

std::optional<FileList> ReadFileListBlock(HGLOBAL block) {
  if (!block) return std::nullopt;
  const SIZE_T size = GlobalSize(block);
  const auto* bytes = static_cast<const uint8_t*>(GlobalLock(block));
  if (!bytes) return std::nullopt;
  std::optional<FileList> files = ParseDropFiles(std::span(bytes, size), AnsiToUtf8);
  GlobalUnlock(block);
  return files;
}

OwnedGlobal NewFileListBlock(const FileList& files) {
  const std::vector<uint8_t> bytes = BuildDropFiles(files);
  OwnedGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes.size()));
  if (!block.get()) return block;
  void* data = GlobalLock(block.get());
  if (!data) return OwnedGlobal();
  std::memcpy(data, bytes.data(), bytes.size());
  GlobalUnlock(block.get());
  return block;
}

}  // namespace olb::win
