#include "win32/app/startup.h"

#include <shlobj.h>

#include "win32/bar/bar_window.h"
#include "win32/base/unicode.h"
#include "win32/wizard/setup_window.h"

namespace olb::win {

std::string AppDataFolder(HWND owner) {
  wchar_t path[MAX_PATH] = {};
  if (SHGetSpecialFolderPathW(owner, path, CSIDL_APPDATA, FALSE)) return Narrow(path);
  // Without a known application-data folder the bar keeps its shortcuts
  // beside the program, which is at least a folder the user can find.
  wchar_t exe[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring dir(exe, n);
  dir.resize(dir.find_last_of(L'\\') == std::wstring::npos ? 0 : dir.find_last_of(L'\\'));
  return Narrow(dir);
}

void FinishStartup(BarWindow& bar, const std::function<TForm6&()>& form6, HWND appWindow) {
  bar.controller().Start(AppDataFolder(appWindow), [&form6]() -> WizardWindow& { return form6(); });
}

}  // namespace olb::win
