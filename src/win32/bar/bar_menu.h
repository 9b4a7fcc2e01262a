// The bar's popup menu as a real menu handle.
#pragma once

#include <windows.h>

#include "core/settings/bar_options.h"
#include "core/layout/view_mode.h"
#include "win32/base/unique_handle.h"

namespace olb::win {

// A new, empty popup menu, destroyed with its owner.
class PopupMenu : public MenuHandle {
 public:
  PopupMenu() : MenuHandle(CreatePopupMenu()) {}
};

// Fills `menu` with the entries of the bar's menu in order, their command
// identifiers and the check marks that the record and the view mode give.
void BuildViewsMenu(HMENU menu, const BarOptions& options, ViewMode mode);

}  // namespace olb::win
