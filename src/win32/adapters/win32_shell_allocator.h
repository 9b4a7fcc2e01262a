// The shell allocator port over the shell's task allocator (SHGetMalloc).
#pragma once

#include <objidl.h>

#include "core/platform/shell_allocator.h"
#include "win32/base/com_ptr.h"

namespace olb::win {

class Win32ShellAllocator : public ShellAllocator {
 public:
  // Raises ComError when the shell has no allocator to give.
  Win32ShellAllocator();

  void* Alloc(size_t bytes) override;
  void Free(void* block) override;
  size_t GetSize(const void* block) override;

  IMalloc* get() const { return malloc_.get(); }

 private:
  ComPtr<IMalloc> malloc_;
};

}  // namespace olb::win
