#include "sim/tracking_allocator.h"

#include <cstdlib>

namespace olb::sim {

TrackingAllocator::~TrackingAllocator() {
  for (auto& [block, size] : blocks_) std::free(const_cast<void*>(block));
}

void* TrackingAllocator::Alloc(size_t bytes) {
  if (failCount_ > 0) {
    if (failSkip_ > 0) {
      --failSkip_;
    } else {
      --failCount_;
      return nullptr;
    }
  }
  // Exactly the size asked for, so the sanitizer sees any read past it.
  void* block = std::malloc(bytes ? bytes : 1);
  if (block) blocks_[block] = bytes;
  return block;
}

void TrackingAllocator::Free(void* block) {
  if (!block) return;
  auto it = blocks_.find(block);
  if (it == blocks_.end()) {
    ++foreignFrees_;
    return;
  }
  blocks_.erase(it);
  std::free(block);
}

size_t TrackingAllocator::GetSize(const void* block) {
  auto it = blocks_.find(block);
  return it == blocks_.end() ? 0 : it->second;
}

}  // namespace olb::sim
