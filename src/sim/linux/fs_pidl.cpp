#include "sim/linux/fs_pidl.h"

#include <cstring>

namespace olb::sim {
namespace {

// Whether any of the eight bytes of `v` is zero.
constexpr bool HasZeroByte(uint64_t v) {
  return ((v - 0x0101010101010101ull) & ~v & 0x8080808080808080ull) != 0;
}

}  // namespace

OwnedPidl MakeFsPidl(ShellAllocator& allocator, std::span<const FsElement> elements) {
  size_t bytes = kPidlTerminatorBytes;
  for (const FsElement& e : elements) {
    const size_t cb = 2 + 1 + e.name.size() + 1;
    if (cb > 0xFFFF) return {};
    bytes += cb;
  }
  OwnedPidl pidl = AllocPidl(allocator, bytes);
  if (!pidl) return pidl;
  uint8_t* at = pidl.get();
  for (const FsElement& e : elements) {
    const size_t cb = 2 + 1 + e.name.size() + 1;
    at[0] = static_cast<uint8_t>(cb & 0xFF);
    at[1] = static_cast<uint8_t>(cb >> 8);
    at[2] = static_cast<uint8_t>(e.kind);
    if (!e.name.empty()) std::memcpy(at + 3, e.name.data(), e.name.size());
    at[3 + e.name.size()] = 0;
    at += cb;
  }
  at[0] = 0;
  at[1] = 0;
  return pidl;
}

std::optional<FsElementView> ReadFsElement(PidlBytes block, size_t offset, uint16_t cb) {
  if (cb < 4) return std::nullopt;
  const uint8_t kind = block[offset + 2];
  if (kind != 'R' && kind != 'D' && kind != 'F') return std::nullopt;
  // The name runs to its terminator, which must lie inside the element.
  const auto* name = reinterpret_cast<const char*>(block.data() + offset + 3);
  const size_t room = cb - 3u;
  // Eight bytes at a time while they hold neither a terminator nor a slash
  // (a sort reads every list it compares), then byte by byte.
  constexpr uint64_t kSlashes = 0x2F2F2F2F2F2F2F2Full;
  size_t length = 0;
  for (uint64_t v = 0; length + 8 <= room; length += 8) {
    std::memcpy(&v, name + length, 8);
    if (HasZeroByte(v) || HasZeroByte(v ^ kSlashes)) break;
  }
  while (length < room && name[length] != 0) {
    if (name[length] == '/') return std::nullopt;
    ++length;
  }
  if (length == room) return std::nullopt;
  const FsElementView e{static_cast<FsKind>(kind), std::string_view(name, length)};
  const bool drive = e.kind == FsKind::Drive;
  if (drive != e.name.empty() || e.name == "." || e.name == "..") return std::nullopt;
  return e;
}

bool IsFsPidl(PidlBytes block) {
  for (size_t offset = 0; const uint16_t cb = PidlElementSize(block, offset); offset += cb) {
    if (!ReadFsElement(block, offset, cb)) return false;
  }
  return true;
}

std::optional<FsElements> ReadFsPidl(PidlBytes block) {
  FsElements elements;
  for (size_t offset = 0; const uint16_t cb = PidlElementSize(block, offset); offset += cb) {
    const std::optional<FsElementView> e = ReadFsElement(block, offset, cb);
    if (!e) return std::nullopt;
    elements.push_back({e->kind, std::string(e->name)});
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
