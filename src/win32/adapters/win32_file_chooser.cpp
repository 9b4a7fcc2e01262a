#include "win32/adapters/win32_file_chooser.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "win32/base/unicode.h"

namespace olb::win {

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
  if (!GetOpenFileNameW(&ofn) || file[0] == L'\0') return std::nullopt;
  return Narrow(file.data());
}

}  // namespace olb::win
