#include "win32/app/startup.h"

#include <shlobj.h>

#include <algorithm>

#include "core/settings/portable_registry.h"

#include "win32/bar/bar_window.h"
#include "win32/base/long_path.h"
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

std::optional<std::string> PortableFolder() {
  std::string folder = ExecutablePath();
  folder.resize(std::min(folder.size(), folder.find_last_of('\\')));
  const std::string marker = folder + '\\' + std::string(kPortableMarker);
  const DWORD attributes = GetFileAttributesW(KernelPath(marker).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return folder;
}

void FinishStartup(BarWindow& bar, const std::function<SetupWindow&()>& setupWindow, HWND appWindow,
                   const std::optional<std::string>& portableFolder) {
  bar.controller().Start(portableFolder ? *portableFolder : AppDataFolder(appWindow),
                         [&setupWindow]() -> WizardWindow& { return setupWindow(); });
}

}  // namespace olb::win
