// The hint an empty folder's list shows: how to fill it, centred and broken
// to the list's width in grey text.
#pragma once

#include <windows.h>

namespace olb::win {

// Paints the hint over the list's client area in `font`.
void PaintEmptyFolderHint(HWND list, HGDIOBJ font);

}  // namespace olb::win
