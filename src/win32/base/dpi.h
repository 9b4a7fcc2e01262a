// The DPI a window is shown at, and the window sizes that follow from it.
// The program is per-monitor DPI aware: every size it designs for 96 DPI is
// scaled to the DPI of the monitor its window is on.
#pragma once

#include <windows.h>

#include <optional>

#include "core/docking/dpi_change.h"

namespace olb::win {

// The DPI of the monitor the window is on: GetDpiForWindow where user32 has
// it (Windows 10 1607 and later), else the screen's logical DPI.
UINT WindowDpi(HWND window);

// `value` designed for 96 DPI, at `dpi`.
int ScaleToDpi(int value, UINT dpi);

// AdjustWindowRectEx with the frame at `dpi` (AdjustWindowRectExForDpi where
// user32 has it; before Windows 10 the frame is the system's, which is at
// the system DPI already).
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);

// WM_DPICHANGED's DPI and suggested rectangle; none when the message did
// not come from the system (a bad pointer, a DPI no monitor has).
std::optional<DpiChange> ReadDpiChanged(WPARAM wp, LPARAM lp);

}  // namespace olb::win
