// The visible frame of a top-level window. On Windows 10 and later a
// sizeable window has invisible resize borders outside what the user sees;
// GetWindowRect includes them, DWM's extended frame bounds do not.
#pragma once

#include <windows.h>

namespace olb::win {

// DwmGetWindowAttribute(DWMWA_EXTENDED_FRAME_BOUNDS) where dwmapi.dll has
// it and answers, else GetWindowRect.
RECT VisibleFrame(HWND window);

// The window rectangle (as SetWindowPos takes it) whose visible frame is
// `visible`, given the window's present borders.
RECT OuterFromVisible(HWND window, const RECT& visible);

}  // namespace olb::win
