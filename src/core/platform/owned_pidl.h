// The single owner of an item identifier list block from the shell allocator.
#pragma once

#include <cstdint>
#include <utility>

#include "core/platform/shell_allocator.h"

namespace olb {

// Move-only; frees its block with the allocator that made it.
class OwnedPidl {
 public:
  OwnedPidl() = default;
  // Takes ownership of `block`, which must come from `allocator` (or be null).
  OwnedPidl(ShellAllocator& allocator, uint8_t* block) : allocator_(&allocator), block_(block) {}
  OwnedPidl(OwnedPidl&& other) noexcept
      : allocator_(other.allocator_), block_(std::exchange(other.block_, nullptr)) {}
  OwnedPidl& operator=(OwnedPidl&& other) noexcept {
    if (this != &other) {
      reset();
      allocator_ = other.allocator_;
      block_ = std::exchange(other.block_, nullptr);
    }
    return *this;
  }
  OwnedPidl(const OwnedPidl&) = delete;
  OwnedPidl& operator=(const OwnedPidl&) = delete;
  ~OwnedPidl() { reset(); }

  uint8_t* get() const { return block_; }
  explicit operator bool() const { return block_ != nullptr; }
  ShellAllocator* allocator() const { return allocator_; }

  // Gives the block up without freeing it.
  uint8_t* release() { return std::exchange(block_, nullptr); }
  void reset() {
    if (block_ && allocator_) allocator_->Free(block_);
    block_ = nullptr;
  }

 private:
  ShellAllocator* allocator_ = nullptr;
  uint8_t* block_ = nullptr;
};

}  // namespace olb
