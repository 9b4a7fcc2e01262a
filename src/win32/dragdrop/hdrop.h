// File-list blocks in global memory: read safely from a drop, made for a drag.
#pragma once

#include <windows.h>

#include <optional>

#include "core/dragdrop/drop_files.h"

namespace olb::win {

// The one owner of a global memory block until it is handed on.
class OwnedGlobal {
 public:
  explicit OwnedGlobal(HGLOBAL block = nullptr) : block_(block) {}
  ~OwnedGlobal() {
    if (block_) GlobalFree(block_);
  }
  OwnedGlobal(const OwnedGlobal&) = delete;
  OwnedGlobal& operator=(const OwnedGlobal&) = delete;
  OwnedGlobal(OwnedGlobal&& other) noexcept : block_(other.Release()) {}
  OwnedGlobal& operator=(OwnedGlobal&& other) noexcept {
    if (this != &other) {
      if (block_) GlobalFree(block_);
      block_ = other.Release();
    }
    return *this;
  }
  HGLOBAL get() const { return block_; }
  // Gives the block to a receiver (OLE's medium), which frees it.
  HGLOBAL Release() {
    HGLOBAL b = block_;
    block_ = nullptr;
    return b;
  }

 private:
  HGLOBAL block_;
};

// The names of a file-list block, read within the block's own size (wide or
// 8-bit names); nullopt when it is not a well-formed block.
std::optional<FileList> ReadFileListBlock(HGLOBAL block);

// A new movable, shareable block with the names in UTF-16; empty on failure.
OwnedGlobal NewFileListBlock(const FileList& files);

}  // namespace olb::win
