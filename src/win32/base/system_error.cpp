#include "win32/base/system_error.h"

#include <cstdio>

#include "win32/base/unicode.h"

namespace olb::win {

std::string SystemMessage(HRESULT result) {
  wchar_t* buffer = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer ? buffer : L"", n);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
    text.pop_back();
  if (text.empty()) {
    char fallback[48];
    std::snprintf(fallback, sizeof fallback, "Error 0x%08lX", static_cast<unsigned long>(result));
    return fallback;
  }
  return Narrow(text);
}

void ThrowComError(HRESULT result) {
  throw ComError(result, SystemMessage(result));
}

}  // namespace olb::win
