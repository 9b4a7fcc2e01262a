// Any bytes as an identifier-list block from outside: walking, copying,
// joining and stripping never read or write past a block, and every copy
// is well formed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/folder/pidl.h"
#include "sim/tracking_allocator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace olb;
  sim::TrackingAllocator allocator;
  {
    // The block as the shell allocator would hand it over: exactly `size`.
    auto* block = static_cast<uint8_t*>(allocator.Alloc(size));
    if (!block && size) return 0;
    if (size) std::memcpy(block, data, size);

    const size_t bytes = PidlSize(allocator, block);
    if (bytes > size + 2) std::abort();
    OwnedPidl copy = CopyPidl(allocator, block);
    // A copy holds the walkable part of the block and its terminator.
    if (copy && PidlSize(allocator, copy.get()) != bytes) std::abort();
    OwnedPidl joined = ConcatPidls(allocator, block, copy.get());
    if (copy) StripLastPidlItem(allocator, copy.get());
    if (joined) StripLastPidlItem(allocator, joined.get());
    (void)PidlElementCount(PidlBlock(allocator, block));
    allocator.Free(block);
  }
  if (allocator.liveBlocks() != 0) std::abort();
  return 0;
}
