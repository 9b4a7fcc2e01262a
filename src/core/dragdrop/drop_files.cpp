#include "core/dragdrop/drop_files.h"

#include "core/platform/utf16.h"

namespace olb {
namespace {

uint32_t ReadU32(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 |
         static_cast<uint32_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

void WriteU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

FileList ReadWide(std::span<const uint8_t> names) {
  FileList files;
  std::u16string name;
  // An odd last byte is half a code unit: not part of any name.
  for (size_t at = 0; at + 1 < names.size(); at += 2) {
    const auto unit = static_cast<char16_t>(names[at] | names[at + 1] << 8);
    if (unit != u'\0') {
      name.push_back(unit);
      continue;
    }
    if (name.empty()) break;
    files.push_back(Utf16ToUtf8(name));
    name.clear();
  }
  return files;
}

FileList ReadAnsi(std::span<const uint8_t> names, const AnsiToUtf8& ansi) {
  FileList files;
  std::string name;
  for (uint8_t byte : names) {
    if (byte != 0) {
      name.push_back(static_cast<char>(byte));
      continue;
    }
    if (name.empty()) break;
    files.push_back(ansi(name));
    name.clear();
  }
  return files;
}

}  // namespace

std::optional<FileList> ParseDropFiles(std::span<const uint8_t> block, const AnsiToUtf8& ansi) {
  if (block.size() < kDropFilesHeaderBytes) return std::nullopt;
  const uint32_t first = ReadU32(block, 0);
  if (first < kDropFilesHeaderBytes || first > block.size()) return std::nullopt;
  const bool wide = ReadU32(block, 16) != 0;
  const std::span<const uint8_t> names = block.subspan(first);
  return wide ? ReadWide(names) : ReadAnsi(names, ansi);
}

std::vector<uint8_t> BuildDropFiles(const FileList& files) {
  std::vector<uint8_t> out;
  WriteU32(out, kDropFilesHeaderBytes);  // pFiles
  WriteU32(out, 0);                      // pt.x
  WriteU32(out, 0);                      // pt.y
  WriteU32(out, 0);                      // fNC
  WriteU32(out, 1);                      // fWide
  auto unit = [&out](char16_t u) {
    out.push_back(static_cast<uint8_t>(u & 0xFF));
    out.push_back(static_cast<uint8_t>(u >> 8));
  };
  for (const std::string& file : files) {
    if (file.empty() || file.find('\0') != std::string::npos) continue;
    for (char16_t u : Utf8ToUtf16(file)) unit(u);
    unit(u'\0');
  }
  unit(u'\0');
  return out;
}

}  // namespace olb
