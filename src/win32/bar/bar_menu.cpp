// The bar's popup menu as a real menu.
#include <algorithm>

#include "core/bar/popup_menu.h"
#include "win32/bar/bar_window.h"
#include "win32/bar/bar_menu.h"
#include "win32/base/unicode.h"

namespace olb::win {

void BuildViewsMenu(HMENU menu, const BarOptions& options, ViewMode mode) {
  for (const MenuEntry& entry : kViewsMenu) {
    if (entry.IsSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if (IsMenuChecked(*entry.command, options, mode)) flags |= MF_CHECKED;
    AppendMenuW(menu, flags, static_cast<UINT_PTR>(*entry.command), Widen(entry.caption).c_str());
  }
}

std::optional<CommandId> BarWindow::TrackMenu(Point screen, const ItemMenu* item) {
  PopupMenu popup;
  BuildViewsMenu(popup.get(), controller_->options(), controller_->viewMode());
  const std::vector<MonitorEntry> monitors = controller_->MonitorMenuEntries();
  PopupMenu monitorMenu;
  if (!monitors.empty()) {
    for (const MonitorEntry& m : monitors) {
      AppendMenuW(monitorMenu.get(), MF_STRING | (m.checked ? MF_CHECKED : 0),
                  static_cast<UINT_PTR>(m.command), Widen(m.caption).c_str());
    }
    // After Fit Bar to Items; the menu owns the submenu from then on.
    const UINT after = static_cast<UINT>(
        std::find_if(kViewsMenu.begin(), kViewsMenu.end(),
                     [](const MenuEntry& e) { return e.command == CommandId::FitBartoItems1; }) -
        kViewsMenu.begin() + 1);
    if (InsertMenuW(popup.get(), after, MF_BYPOSITION | MF_POPUP,
                    reinterpret_cast<UINT_PTR>(monitorMenu.get()),
                    Widen(kMonitorMenuCaption).c_str())) {
      monitorMenu.Release();
    }
  }
  // The shell's menu for the item heads the bar's: the Win32 build makes no
  // other kind than its own adapter's.
  auto* shellMenu = item ? static_cast<Win32ItemShellMenu*>(&item->shell) : nullptr;
  if (shellMenu) {
    InsertMenuW(popup.get(), 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    InsertMenuW(popup.get(), 0, MF_BYPOSITION | MF_POPUP | MF_STRING,
                reinterpret_cast<UINT_PTR>(shellMenu->popup()), Widen(item->caption).c_str());
  }
  // Autoload's mark is read from the Run value each time: other programs
  // (and the user) change it too.
  if (controller_->AutoloadIsOn())
    CheckMenuItem(popup.get(), static_cast<UINT>(CommandId::Autoload1), MF_BYCOMMAND | MF_CHECKED);
  // So is the stored choice of opening categories as menus.
  if (controller_->CategoryMenusOn()) {
    CheckMenuItem(popup.get(), static_cast<UINT>(CommandId::OpenCategoriesasMenus1),
                  MF_BYCOMMAND | MF_CHECKED);
  }
  if (controller_->FitToItemsOn()) {
    CheckMenuItem(popup.get(), static_cast<UINT>(CommandId::FitBartoItems1),
                  MF_BYCOMMAND | MF_CHECKED);
  }
  // The menu needs the bar as foreground window to close when the user
  // clicks elsewhere.
  SetForegroundWindow(hwnd_);
  // The shell fills and draws its submenus from the window's menu messages,
  // which the shell's menu needs sent.
  UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD;
  if (!shellMenu) flags |= TPM_NONOTIFY;
  openShellMenu_ = shellMenu;
  const UINT chosen =
      static_cast<UINT>(TrackPopupMenu(popup.get(), flags, screen.x, screen.y, 0, hwnd_, nullptr));
  openShellMenu_ = nullptr;
  // The shell's popup is its menu's to destroy, not the bar's.
  if (shellMenu) RemoveMenu(popup.get(), 0, MF_BYPOSITION);
  if (chosen == 0) return std::nullopt;
  return static_cast<CommandId>(chosen);
}

}  // namespace olb::win
