#include "sim/tracking_allocator.h"

#include <cstdlib>

namespace olb::sim {

TrackingAllocator::~TrackingAllocator() {
  for (const Slot& slot : slots_) std::free(const_cast<void*>(slot.block));
}

size_t TrackingAllocator::Home(const void* block) const {
  // Blocks are at least 16 bytes apart: neighbours in memory get neighbouring
  // slots, so walking lists made one after another stays in the cache.
  return static_cast<size_t>(reinterpret_cast<uintptr_t>(block) >> 4) & (slots_.size() - 1);
}

size_t TrackingAllocator::Find(const void* block) const {
  const size_t mask = slots_.size() - 1;
  size_t at = Home(block);
  while (slots_[at].block && slots_[at].block != block) at = (at + 1) & mask;
  return at;
}

void TrackingAllocator::Grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
  for (const Slot& slot : old) {
    if (slot.block) slots_[Find(slot.block)] = slot;
  }
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
  if (!block) return nullptr;
  if (2 * (live_ + 1) > slots_.size()) Grow();
  slots_[Find(block)] = {block, bytes};
  ++live_;
  return block;
}

void TrackingAllocator::Free(void* block) {
  if (!block) return;
  size_t hole = slots_.empty() ? 0 : Find(block);
  if (slots_.empty() || !slots_[hole].block) {
    ++foreignFrees_;
    return;
  }
  std::free(block);
  --live_;
  // Moves back every later block of the run that may no longer be reached
  // past the emptied slot (no tombstones, so lookups stay short).
  const size_t mask = slots_.size() - 1;
  for (size_t at = (hole + 1) & mask; slots_[at].block; at = (at + 1) & mask) {
    const size_t home = Home(slots_[at].block);
    // The block stays when its home lies cyclically in (hole, at].
    if (((at - home) & mask) < ((at - hole) & mask)) continue;
    slots_[hole] = slots_[at];
    hole = at;
  }
  slots_[hole] = Slot{};
}

size_t TrackingAllocator::GetSize(const void* block) {
  if (!block || slots_.empty()) return 0;
  return slots_[Find(block)].size;
}

}  // namespace olb::sim
