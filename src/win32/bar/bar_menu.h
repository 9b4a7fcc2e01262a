// The bar's popup menu as a real menu handle.
#pragma once

#include <windows.h>

#include "core/settings/bar_options.h"
#include "core/view/view_mode.h"

namespace olb::win {

// Owns a popup menu handle.
class PopupMenu {
 public:
  PopupMenu() : menu_(CreatePopupMenu()) {}
  ~PopupMenu() {
    if (menu_) DestroyMenu(menu_);
  }
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;
  HMENU get() const { return menu_; }

 private:
  HMENU menu_;
};

// Fills `menu` with the entries of the bar's menu in order, their command
// identifiers and the check marks that the record and the view mode give.
void BuildViewsMenu(HMENU menu, const BarOptions& options, ViewMode mode);

}  // namespace olb::win
