// The end of start-up: locate the root shortcuts folder, detect the first
// start, open the root folder and show the bar.
#pragma once

#include <windows.h>

#include <string>

namespace olb::win {

class BarWindow;

// The user's application-data folder (UTF-8, no trailing backslash).
std::string AppDataFolder(HWND owner);

void FinishStartup(BarWindow& bar, HWND appWindow);

}  // namespace olb::win
