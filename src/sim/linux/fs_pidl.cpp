#include "sim/linux/fs_pidl.h"

#include <cstring>

namespace olb::sim {

OwnedPidl MakeFsPidl(ShellAllocator& allocator, const FsElements& elements) {
  std::vector<uint8_t> bytes;
  for (const FsElement& e : elements) {
    const size_t cb = 2 + 1 + e.name.size() + 1;
    if (cb > 0xFFFF) return {};
    bytes.push_back(static_cast<uint8_t>(cb & 0xFF));
    bytes.push_back(static_cast<uint8_t>(cb >> 8));
    bytes.push_back(static_cast<uint8_t>(e.kind));
    bytes.insert(bytes.end(), e.name.begin(), e.name.end());
    bytes.push_back(0);
  }
  bytes.push_back(0);
  bytes.push_back(0);
  OwnedPidl pidl = AllocPidl(allocator, bytes.size());
  if (pidl) std::memcpy(pidl.get(), bytes.data(), bytes.size());
  return pidl;
}

std::optional<FsElements> ReadFsPidl(PidlBytes block) {
  FsElements elements;
  for (size_t offset = 0; const uint16_t cb = PidlElementSize(block, offset); offset += cb) {
    if (cb < 4) return std::nullopt;
    const uint8_t kind = block[offset + 2];
    if (kind != 'R' && kind != 'D' && kind != 'F') return std::nullopt;
    const auto* name = reinterpret_cast<const char*>(block.data() + offset + 3);
    const size_t room = cb - 3u;
    const void* end = std::memchr(name, 0, room);
    if (!end) return std::nullopt;
    const auto length = static_cast<size_t>(static_cast<const char*>(end) - name);
    FsElement e{static_cast<FsKind>(kind), std::string(name, length)};
    const bool drive = e.kind == FsKind::Drive;
    if (drive != e.name.empty() || e.name == "." || e.name == ".." ||
        e.name.find('/') != std::string::npos) {
      return std::nullopt;
    }
    elements.push_back(std::move(e));
  }
  return elements;
}

std::optional<std::filesystem::path> LinuxPathOf(const FsElements& absolute) {
  if (absolute.empty() || absolute[0].kind != FsKind::Drive) return std::nullopt;
  std::filesystem::path path = "/";
  for (size_t i = 1; i < absolute.size(); ++i) {
    if (absolute[i].kind == FsKind::Drive) return std::nullopt;
    path /= absolute[i].name;
  }
  return path;
}

std::string WindowsPathOf(const FsElements& absolute) {
  std::string text = "Z:";
  for (size_t i = 1; i < absolute.size(); ++i) text += "\\" + absolute[i].name;
  if (absolute.size() <= 1) text += "\\";
  return text;
}

}  // namespace olb::sim
