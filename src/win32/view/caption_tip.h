// The tip over an item whose caption the list shows cut: the full name.
// The tip asks for its text each time it shows, for the item under the
// pointer then.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>

#include "win32/base/tooltip.h"

namespace olb::win {

class CaptionTip {
 public:
  // The tip over `list` on the top-level window `form`, which hears its
  // requests for text. `textOf` gives the tip's text for an item (empty:
  // no tip).
  CaptionTip(HWND form, HWND list, std::function<std::wstring(int32_t item)> textOf);

  // The pointer moved to `inList`: another item's tip asks for its own text.
  void OnMouseMove(POINT inList);
  // The list shows new records: a tip still up names an item of the ones
  // before.
  void Reset();
  // The form's WM_NOTIFY: true when it was the tip's request for its text.
  bool OnNotify(NMHDR& header, LRESULT& result);

 private:
  int ItemAt(POINT inList) const;

  HWND list_;
  Tooltip tip_;
  std::function<std::wstring(int32_t item)> textOf_;
  int item_ = -1;
  std::wstring text_;  // what the tip shows now; it reads it from here
};

}  // namespace olb::win
