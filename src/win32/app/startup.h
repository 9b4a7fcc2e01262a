// The end of start-up: locate the root shortcuts folder, detect the first
// start, open the root folder and show the bar.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace olb::win {

class BarWindow;
class SetupWindow;

// The user's application-data folder (UTF-8, no trailing backslash).
std::string AppDataFolder(HWND owner);

// The program's own folder when it is a portable copy (the marker file is
// beside it), else nullopt. UTF-8, no trailing backslash.
std::optional<std::string> PortableFolder();

// On a first start (no root folder yet) the bar stays hidden while the
// settings window that `setupWindow` makes on demand runs the wizard. The root
// folder is made in `portableFolder` when given, else in the user's
// application data.
void FinishStartup(BarWindow& bar, const std::function<SetupWindow&()>& setupWindow, HWND appWindow,
                   const std::optional<std::string>& portableFolder);

}  // namespace olb::win
