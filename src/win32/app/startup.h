// The end of start-up: locate the root shortcuts folder, detect the first
// start, open the root folder and show the bar.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace olb::win {

class BarWindow;
class TForm6;

// The user's application-data folder (UTF-8, no trailing backslash).
std::string AppDataFolder(HWND owner);

// On a first start (no root folder yet) the bar stays hidden while the
// settings window that `form6` makes on demand runs the wizard.
void FinishStartup(BarWindow& bar, const std::function<TForm6&()>& form6, HWND appWindow);

}  // namespace olb::win
