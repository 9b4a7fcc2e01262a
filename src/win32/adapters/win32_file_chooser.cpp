#include "win32/adapters/win32_file_chooser.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "win32/base/unicode.h"

namespace olb::win {
namespace {

using GetOpenFileNameFn = BOOL(WINAPI*)(OPENFILENAMEW*);

// The common dialogs library (and the printing libraries it pulls in) is
// loaded the first time a file is chosen, not at every start; it stays
// loaded for the program's life.
GetOpenFileNameFn LoadGetOpenFileName() {
  static const GetOpenFileNameFn fn = [] {
    HMODULE library = LoadLibraryW(L"comdlg32.dll");
    if (!library) return GetOpenFileNameFn{};
    // GetProcAddress returns a generic function pointer; the cast through
    // void* states the real signature.
    return reinterpret_cast<GetOpenFileNameFn>(
        reinterpret_cast<void*>(GetProcAddress(library, "GetOpenFileNameW")));
  }();
  return fn;
}

}  // namespace

std::optional<std::string> Win32FileChooser::ChooseFile(const FileChooserRequest& request) {
  // Room for a long path; the initial name is cut to fit rather than overrun.
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring initial = Widen(request.fileName);
  initial.copy(file.data(), std::min(initial.size(), file.size() - 1));
  const std::wstring title = Widen(request.title);

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner_;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrTitle = title.c_str();
  ofn.Flags = OFN_EXPLORER;
  if (request.hideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
  if (request.noDereferenceLinks) ofn.Flags |= OFN_NODEREFERENCELINKS;
  if (request.enableSizing) ofn.Flags |= OFN_ENABLESIZING;
  const GetOpenFileNameFn getOpenFileName = LoadGetOpenFileName();
  if (!getOpenFileName) return std::nullopt;
  if (!getOpenFileName(&ofn) || file[0] == L'\0') return std::nullopt;
  return Narrow(file.data());
}

}  // namespace olb::win
