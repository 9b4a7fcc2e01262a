#include "win32/adapters/win32_text_case.h"

#include <windows.h>

#include <vector>

#include "win32/base/unicode.h"

namespace olb::win {

std::string Win32TextCase::Upper(std::string_view text) {
  std::wstring wide = Widen(text);
  if (!wide.empty()) CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return Narrow(wide);
}

namespace {

// `text` through FoldString with `flags`; as it was when the call fails.
std::wstring Folded(const std::wstring& text, DWORD flags) {
  const int size = FoldStringW(flags, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
  if (size <= 0) return text;
  std::wstring out(static_cast<size_t>(size), L'\0');
  if (FoldStringW(flags, text.c_str(), static_cast<int>(text.size()), out.data(), size) != size) {
    return text;
  }
  return out;
}

}  // namespace

std::string Win32TextCase::Fold(std::string_view text) {
  const std::wstring wide = Folded(Folded(Widen(text), MAP_EXPAND_LIGATURES), MAP_COMPOSITE);
  if (wide.empty()) return {};
  std::vector<WORD> types(wide.size());
  if (!GetStringTypeW(CT_CTYPE3, wide.c_str(), static_cast<int>(wide.size()), types.data())) {
    types.assign(wide.size(), 0);
  }
  std::wstring kept;
  kept.reserve(wide.size());
  for (size_t i = 0; i < wide.size(); ++i) {
    // Marks only: the system counts some letters (Ø) as nonspacing too.
    if ((types[i] & C3_NONSPACING) == 0 || (types[i] & C3_ALPHA) != 0) kept += wide[i];
  }
  if (!kept.empty()) CharLowerBuffW(kept.data(), static_cast<DWORD>(kept.size()));
  return Narrow(kept);
}

}  // namespace olb::win
