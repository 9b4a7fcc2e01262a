// Port: the shell's task allocator, which owns every item identifier list.
#pragma once

#include <cstddef>

namespace olb {

// Blocks handed out by the shell (enumerated items, parsed paths) and blocks
// the program builds must come from the same allocator, because either side
// may free the other's. GetSize lets a walk over an identifier list stop at
// the end of its block whatever bytes the block holds.
class ShellAllocator {
 public:
  virtual ~ShellAllocator() = default;

  // A block of at least `bytes` bytes, or nullptr when memory is exhausted.
  virtual void* Alloc(size_t bytes) = 0;
  // Releases a block from Alloc; nullptr is ignored.
  virtual void Free(void* block) = 0;
  // The usable size of a block from Alloc; 0 for nullptr.
  virtual size_t GetSize(const void* block) = 0;
};

}  // namespace olb
