#include "win32/base/long_path.h"

#include <windows.h>

#include "win32/base/unicode.h"

namespace olb::win {
namespace {

bool HasDotParts(std::wstring_view path) {
  for (std::wstring_view part : {L"\\.\\", L"\\..\\"}) {
    if (path.find(part) != std::wstring_view::npos) return true;
  }
  return path.ends_with(L"\\.") || path.ends_with(L"\\..");
}

}  // namespace

std::wstring VerbatimPath(std::string_view path) {
  const std::wstring wide = Widen(path);
  if (wide.find(L'/') != std::wstring::npos || HasDotParts(wide)) return wide;
  const bool drive = wide.size() >= 3 && wide[1] == L':' && wide[2] == L'\\';
  if (drive) return L"\\\\?\\" + wide;
  const bool unc =
      wide.size() > 2 && wide.starts_with(L"\\\\") && wide[2] != L'?' && wide[2] != L'.';
  if (unc) return L"\\\\?\\UNC\\" + wide.substr(2);
  return wide;
}

std::wstring KernelPath(std::string_view path) {
  const std::wstring wide = Widen(path);
  return wide.size() < MAX_PATH - 12 ? wide : VerbatimPath(path);
}

}  // namespace olb::win
