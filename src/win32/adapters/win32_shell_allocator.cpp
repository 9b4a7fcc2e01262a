#include "win32/adapters/win32_shell_allocator.h"

#include <shlobj.h>

#include "win32/base/system_error.h"

namespace olb::win {

Win32ShellAllocator::Win32ShellAllocator() {
  const HRESULT hr = SHGetMalloc(malloc_.Put());
  if (FAILED(hr) || !malloc_) ThrowComError(FAILED(hr) ? hr : E_FAIL);
}

void* Win32ShellAllocator::Alloc(size_t bytes) {
  return malloc_->Alloc(bytes);
}

void Win32ShellAllocator::Free(void* block) {
  if (block) malloc_->Free(block);
}

size_t Win32ShellAllocator::GetSize(const void* block) {
  if (!block) return 0;
  // IMalloc::GetSize answers (SIZE_T)-1 for a block it does not know; such a
  // block has no size the program may rely on.
  const SIZE_T size = malloc_->GetSize(const_cast<void*>(block));
  return size == static_cast<SIZE_T>(-1) ? 0 : size;
}

}  // namespace olb::win
