// Item identifier lists as bytes: a run of elements, each starting with a
// 16-bit little-endian count that includes the count itself, ended by a zero
// count.
//
// The walk is bounded by the block the list lives in (its allocator size), so
// malformed bytes from outside cannot make it loop or read past the block: an
// element whose count is 1, that runs past the block, or whose count cannot be
// read at all ends the list just as a zero count does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/platform/owned_pidl.h"
#include "core/platform/shell_allocator.h"

namespace olb {

using PidlBytes = std::span<const uint8_t>;

constexpr size_t kPidlTerminatorBytes = 2;

// The count of the element at `offset`, or 0 when the list ends there (the
// terminator, or an element that cannot be valid inside `block`).
uint16_t PidlElementSize(PidlBytes block, size_t offset);

// Bytes of the valid elements at the start of `block`, terminator excluded.
size_t PidlElementBytes(PidlBytes block);

// Number of valid elements.
size_t PidlElementCount(PidlBytes block);

// The whole block of a list from `allocator`; empty for null.
PidlBytes PidlBlock(ShellAllocator& allocator, const uint8_t* pidl);

// 0 for a null list; otherwise the valid elements plus the terminator.
size_t PidlSize(ShellAllocator& allocator, const uint8_t* pidl);

// True for a null list or one whose first element ends it.
bool PidlIsEmpty(ShellAllocator& allocator, const uint8_t* pidl);

// A block of `bytes` whose first bytes (up to 4) are zero, so it reads as an
// empty list; null when the allocator fails.
OwnedPidl AllocPidl(ShellAllocator& allocator, size_t bytes);

// A well-formed copy (valid elements and a terminator); null for null.
OwnedPidl CopyPidl(ShellAllocator& allocator, const uint8_t* pidl);

// The elements of `first` followed by those of `second`. A null list counts
// as empty, so the result is always terminated; null only when out of memory.
OwnedPidl ConcatPidls(ShellAllocator& allocator, const uint8_t* first, const uint8_t* second);

// Cuts the last element off in place. False when the list was already empty.
bool StripLastPidlItem(ShellAllocator& allocator, uint8_t* pidl);

// The zero-terminated text at `offset` inside a list's block (a name the shell
// returns as an offset into the list asked about); stops at the block's end.
std::string TextInPidl(PidlBytes block, size_t offset);

}  // namespace olb
