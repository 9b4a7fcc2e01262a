#include "win32/app/startup.h"

#include <shlobj.h>

#include "core/wizard/first_start.h"
#include "core/wizard/root_folder.h"
#include "win32/adapters/shell_file_ops.h"
#include "win32/bar/bar_window.h"
#include "win32/base/system_error.h"
#include "win32/base/module_path.h"
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

void FinishStartup(BarWindow& bar, const std::function<TForm6&()>& form6, Registry& registry,
                   HWND appWindow) {
  // The list is filled in report style; the style it had comes back before
  // the item pitch is measured, which depends on it.
  FolderView& view = bar.folderView();
  TMyListView& list = view.list();
  const ListViewStyle style = list.Style();
  list.SetStyle(ListViewStyle::Report);

  bar.paths.RootPath = RootPathFor(AppDataFolder(appWindow));
  ShellFileOps files;
  // The settings window is made only when a first start needs it.
  if (!files.DirectoryExists(bar.paths.RootPath)) {
    RunFirstStart({form6(), files, registry, ExecutablePath()}, bar.paths.RootPath, bar.options(),
                  [&bar] { ShowWindow(bar.hwnd(), SW_HIDE); });
  }

  // Without its root folder the bar has nothing to show: opening fails loudly.
  if (!files.DirectoryExists(bar.paths.RootPath))
    ThrowComError(HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND));
  view.OpenFolderByPath(bar.paths.RootPath);
  list.SetStyle(style);
  view.MeasureItemPitch();
  view.UpdateScrollStrips();
  bar.Show();
  // The bar is at its root: there is nothing above to go up to.
  bar.SetUpButtonEnabled(false);
  bar.ReturnFocusToList();
}

}  // namespace olb::win
