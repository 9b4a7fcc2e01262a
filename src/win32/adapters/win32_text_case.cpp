#include "win32/adapters/win32_text_case.h"

#include <windows.h>

#include "win32/base/unicode.h"

namespace olb::win {

std::string Win32TextCase::Upper(std::string_view text) {
  std::wstring wide = Widen(text);
  if (!wide.empty()) CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return Narrow(wide);
}

}  // namespace olb::win
