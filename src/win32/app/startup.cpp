#include "win32/app/startup.h"

#include <shlobj.h>

#include "core/wizard/root_folder.h"
#include "core/wizard/setup_wizard.h"
#include "win32/adapters/shell_file_ops.h"
#include "win32/bar/bar_window.h"
#include "win32/base/system_error.h"
#include "win32/base/module_path.h"
#include "win32/base/unicode.h"
#include "win32/wizard/form6.h"

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

void FinishStartup(BarWindow& bar, const std::function<TForm6&()>& form6, Registry& registry,
                   HWND appWindow) {
  bar.paths.RootPath = RootPathFor(AppDataFolder(appWindow));
  const std::wstring root = Widen(bar.paths.RootPath);

  // Entering the folder is the existence test; as a side effect the process
  // works in the root folder from now on.
  if (!SetCurrentDirectoryW(root.c_str())) {
    ShowWindow(bar.hwnd(), SW_HIDE);
    CreateDirectoryW(root.c_str(), nullptr);
    // The wizard only runs when the root folder could be made; otherwise
    // opening it below reports why.
    if (SetCurrentDirectoryW(root.c_str())) {
      ShellFileOps files;
      RunSetupWizard({form6(), files, registry, ExecutablePath()}, bar.paths.RootPath,
                     bar.options());
    }
  }

  // Opening the root folder fails loudly when it cannot be entered: the bar
  // would have nothing to show.
  if (!SetCurrentDirectoryW(root.c_str())) ThrowComError(HRESULT_FROM_WIN32(GetLastError()));
  bar.OpenRootFolder();
  bar.Show();
  // The bar is at its root: there is nothing above to go up to.
  bar.SetUpButtonEnabled(false);
  bar.ReturnFocusToList();
}

}  // namespace olb::win
