#include "core/folder/pidl.h"

#include <algorithm>
#include <cstring>

namespace olb {

uint16_t PidlElementSize(PidlBytes block, size_t offset) {
  if (offset > block.size() || block.size() - offset < 2) return 0;
  const uint16_t cb = static_cast<uint16_t>(block[offset] | (block[offset + 1] << 8));
  if (cb < 2 || cb > block.size() - offset) return 0;
  return cb;
}

size_t PidlElementBytes(PidlBytes block) {
  size_t offset = 0;
  // Each step advances by at least 2 and never past the block: the walk ends.
  while (const uint16_t cb = PidlElementSize(block, offset)) offset += cb;
  return offset;
}

size_t PidlElementCount(PidlBytes block) {
  size_t count = 0;
  for (size_t offset = 0; const uint16_t cb = PidlElementSize(block, offset); offset += cb) {
    ++count;
  }
  return count;
}

PidlBytes PidlBlock(ShellAllocator& allocator, const uint8_t* pidl) {
  if (!pidl) return {};
  return {pidl, allocator.GetSize(pidl)};
}

size_t PidlSize(ShellAllocator& allocator, const uint8_t* pidl) {
  if (!pidl) return 0;
  return PidlElementBytes(PidlBlock(allocator, pidl)) + kPidlTerminatorBytes;
}

bool PidlIsEmpty(ShellAllocator& allocator, const uint8_t* pidl) {
  return PidlElementSize(PidlBlock(allocator, pidl), 0) == 0;
}

OwnedPidl AllocPidl(ShellAllocator& allocator, size_t bytes) {
  auto* block = static_cast<uint8_t*>(allocator.Alloc(bytes));
  if (!block) return {};
  std::memset(block, 0, std::min<size_t>(bytes, 4));
  return OwnedPidl(allocator, block);
}

namespace {

// Writes a terminator at `offset`; the block must hold two more bytes.
void Terminate(uint8_t* block, size_t offset) {
  block[offset] = 0;
  block[offset + 1] = 0;
}

}  // namespace

OwnedPidl CopyPidl(ShellAllocator& allocator, const uint8_t* pidl) {
  if (!pidl) return {};
  const size_t elements = PidlElementBytes(PidlBlock(allocator, pidl));
  OwnedPidl copy = AllocPidl(allocator, elements + kPidlTerminatorBytes);
  if (!copy) return {};
  if (elements) std::memcpy(copy.get(), pidl, elements);
  Terminate(copy.get(), elements);
  return copy;
}

OwnedPidl ConcatPidls(ShellAllocator& allocator, const uint8_t* first, const uint8_t* second) {
  const size_t firstBytes = first ? PidlElementBytes(PidlBlock(allocator, first)) : 0;
  const size_t secondBytes = second ? PidlElementBytes(PidlBlock(allocator, second)) : 0;
  OwnedPidl joined = AllocPidl(allocator, firstBytes + secondBytes + kPidlTerminatorBytes);
  if (!joined) return {};
  if (firstBytes) std::memcpy(joined.get(), first, firstBytes);
  if (secondBytes) std::memcpy(joined.get() + firstBytes, second, secondBytes);
  Terminate(joined.get(), firstBytes + secondBytes);
  return joined;
}

bool StripLastPidlItem(ShellAllocator& allocator, uint8_t* pidl) {
  const PidlBytes block = PidlBlock(allocator, pidl);
  size_t last = 0;
  bool any = false;
  for (size_t offset = 0; const uint16_t cb = PidlElementSize(block, offset); offset += cb) {
    last = offset;
    any = true;
  }
  if (!any) return false;
  // The element held at least its own two count bytes, so they are writable.
  Terminate(pidl, last);
  return true;
}

std::string TextInPidl(PidlBytes block, size_t offset) {
  if (offset >= block.size()) return {};
  const auto begin = block.begin() + static_cast<std::ptrdiff_t>(offset);
  const auto end = std::find(begin, block.end(), uint8_t{0});
  return std::string(begin, end);
}

}  // namespace olb
