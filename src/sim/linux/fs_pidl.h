// The identifier-list elements of the simulated file-system namespace.
//
// Like the shell's own file-system lists, each element records what the item
// was when it was listed (folder or file) and its name on disk:
//   cb (2 bytes) | kind (1 byte) | name bytes | 0
// The first element of an absolute list is the drive "Z:", which stands for
// the Linux root as Wine maps it; the rest are names below it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/owned_pidl.h"
#include "core/folder/pidl.h"

namespace olb::sim {

enum class FsKind : uint8_t { Drive = 'R', Folder = 'D', File = 'F' };

struct FsElement {
  FsKind kind = FsKind::File;
  std::string name;  // empty for the drive
  bool IsFolder() const { return kind != FsKind::File; }
};

using FsElements = std::vector<FsElement>;

// An element read in place: its name points into the list's block.
struct FsElementView {
  FsKind kind = FsKind::File;
  std::string_view name;
  bool IsFolder() const { return kind != FsKind::File; }
};

// A list built from elements, allocated from `allocator`; null when out of memory.
OwnedPidl MakeFsPidl(ShellAllocator& allocator, std::span<const FsElement> elements);

// The element of `cb` bytes (as PidlElementSize gave it) at `offset` of
// `block`, or nullopt when it is not one of ours (unknown kind, no name
// terminator, a name that is not a single path step).
std::optional<FsElementView> ReadFsElement(PidlBytes block, size_t offset, uint16_t cb);

// Whether every element of a list is one of ours; copies nothing.
bool IsFsPidl(PidlBytes block);

// The elements of a list, or nullopt when an element is not one of ours.
std::optional<FsElements> ReadFsPidl(PidlBytes block);

// The Linux path of absolute elements (the drive first); nullopt otherwise.
std::optional<std::filesystem::path> LinuxPathOf(const FsElements& absolute);

// The Windows form of a Linux path as Wine shows it: "Z:\dir\name", "Z:\".
std::string WindowsPathOf(const FsElements& absolute);

}  // namespace olb::sim
