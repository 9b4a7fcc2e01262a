// A tooltip over one child window: the tip pops up while the pointer rests
// on the child, with a fixed text or one its parent gives each time it shows
// (TTN_GETDISPINFOW sent to the parent).
#pragma once

#include <windows.h>

#include "win32/base/unique_handle.h"

namespace olb::win {

class Tooltip {
 public:
  // A tip over `tool`, a child of `toolParent`, on the top-level window
  // `form`. `text` null: the parent is asked for the text each time.
  Tooltip(HWND form, HWND toolParent, HWND tool, const wchar_t* text);

  HWND hwnd() const { return tip_.get(); }
  // The longest line in pixels before the tip wraps its text.
  void SetMaxWidth(int pixels);
  // Hides the tip shown now, if any.
  void Pop();

 private:
  WindowHandle tip_;
};

}  // namespace olb::win
