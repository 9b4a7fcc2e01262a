// A category's cascading menu as real menus: the first level filled at
// once, every subfolder's popup filled from the core's model when the
// system announces it (WM_INITMENUPOPUP), the shell's small icons drawn
// beside the names, first letters selecting entries, and a right click on
// an entry handed to the controller.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <vector>

#include "core/bar/cascade_menu.h"
#include "win32/base/unique_handle.h"

namespace olb::win {

class CascadePopup {
 public:
  // `rightClick` shows the shell's menu for an entry; true when an entry of
  // it was chosen, which closes the cascading menu.
  using RightClick = std::function<bool(size_t level, size_t entry, POINT screen)>;
  CascadePopup(CascadeMenu& menu, HWND owner, RightClick rightClick);

  // Shows the menu at `screen` and waits: the chosen identifier, or 0.
  UINT Track(POINT screen);
  // The menu messages of the open menu; true with `result` set when taken.
  bool HandleMenuMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

 private:
  struct Popup {
    HMENU menu;
    size_t parentLevel;
    size_t parentEntry;
    std::optional<size_t> level;  // listed
  };
  void Fill(HMENU popup, size_t level);
  Popup* Find(HMENU menu);
  LRESULT MenuChar(wchar_t typed, HMENU menu);

  CascadeMenu& menu_;
  HWND owner_;
  RightClick rightClick_;
  MenuHandle root_;
  std::vector<Popup> popups_;  // the root first
  HIMAGELIST icons_ = nullptr;
};

}  // namespace olb::win
