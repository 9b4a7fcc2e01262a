#include "win32/base/module_path.h"

#include <windows.h>

#include "win32/base/unicode.h"

namespace olb::win {

std::string ExecutablePath() {
  // GetModuleFileNameW cuts a long path to the buffer and says so only by
  // filling it; grow until the path fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace olb::win
