// A shell allocator that knows every block it handed out, so tests can check
// that nothing leaks and that only its own blocks are freed.
#pragma once

#include <cstddef>
#include <unordered_map>

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
  size_t liveBlocks() const { return blocks_.size(); }
  int foreignFrees() const { return foreignFrees_; }
  // The next `count` allocations after `skip` successful ones fail.
  void FailAllocations(int count, int skip = 0) {
    failCount_ = count;
    failSkip_ = skip;
  }

 private:
  std::unordered_map<const void*, size_t> blocks_;
  int foreignFrees_ = 0;
  int failCount_ = 0;
  int failSkip_ = 0;
};

}  // namespace olb::sim
