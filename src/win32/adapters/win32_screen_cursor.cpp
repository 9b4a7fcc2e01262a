#include "win32/adapters/win32_screen_cursor.h"

#include <windows.h>

namespace olb::win {

void Win32ScreenCursor::Set(CursorShape shape) {
  shape_ = shape;
  SetCursor(LoadCursorW(nullptr, shape == CursorShape::HourGlass ? IDC_WAIT : IDC_ARROW));
}

}  // namespace olb::win
