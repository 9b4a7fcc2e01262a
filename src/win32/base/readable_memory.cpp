#include "win32/base/readable_memory.h"

#include <windows.h>

#include <cstdint>

namespace olb::win {

bool IsReadable(const void* at, size_t size) {
  constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                              PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
  auto p = reinterpret_cast<uintptr_t>(at);
  if (!at || size == 0 || p + size < p) return false;
  const uintptr_t end = p + size;
  // The bytes may span regions of different protections: each must do.
  while (p < end) {
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQuery(reinterpret_cast<const void*>(p), &info, sizeof info) != sizeof info) {
      return false;
    }
    if (info.State != MEM_COMMIT || (info.Protect & kReadable) == 0 ||
        (info.Protect & (PAGE_GUARD | PAGE_NOACCESS)) != 0) {
      return false;
    }
    const uintptr_t regionEnd = reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize;
    if (regionEnd <= p) return false;
    p = regionEnd;
  }
  return true;
}

}  // namespace olb::win
