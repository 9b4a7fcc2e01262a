// A shell allocator that knows every block it handed out, so tests can check
// that nothing leaks and that only its own blocks are freed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/platform/shell_allocator.h"

namespace olb::sim {

class TrackingAllocator : public ShellAllocator {
 public:
  TrackingAllocator() = default;
  TrackingAllocator(const TrackingAllocator&) = delete;
  TrackingAllocator& operator=(const TrackingAllocator&) = delete;
  ~TrackingAllocator() override;

  void* Alloc(size_t bytes) override;
  void Free(void* block) override;
  // Like the shell's allocator: the size asked for; 0 for a block it did not make.
  size_t GetSize(const void* block) override;

  // Test controls.
  size_t liveBlocks() const { return live_; }
  int foreignFrees() const { return foreignFrees_; }
  // The next `count` allocations after `skip` successful ones fail.
  void FailAllocations(int count, int skip = 0) {
    failCount_ = count;
    failSkip_ = skip;
  }

 private:
  // The blocks sit in an open-addressed table (linear probing, at most half
  // full): a sort asks the size of both lists for every pair it weighs, and
  // the shell's own allocator answers that from the block's header.
  struct Slot {
    const void* block = nullptr;
    size_t size = 0;
  };
  size_t Home(const void* block) const;
  // The slot holding `block`, or the empty slot where it would go.
  size_t Find(const void* block) const;
  void Grow();

  std::vector<Slot> slots_;
  size_t live_ = 0;
  int foreignFrees_ = 0;
  int failCount_ = 0;
  int failSkip_ = 0;
};

}  // namespace olb::sim
