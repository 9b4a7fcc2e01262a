// The shell's context menu for an item (IContextMenu, and IContextMenu2/3
// for the entries it draws itself) in a popup menu of its own.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <memory>
#include <string>

#include "core/platform/item_shell_menu.h"
#include "win32/base/com_ptr.h"
#include "win32/base/unique_handle.h"

namespace olb::win {

class Win32ItemShellMenu : public ItemShellMenu {
 public:
  Win32ItemShellMenu(ComPtr<IContextMenu> menu, MenuHandle popup, HWND owner);

  std::string Verb(uint32_t offset) override;
  HResult Invoke(uint32_t offset) override;

  // The filled popup; the menu keeps it (a parent holding it as a submenu
  // must let go of it before it is destroyed).
  HMENU popup() const { return popup_.get(); }
  // Hands a message of an open menu (WM_INITMENUPOPUP, WM_DRAWITEM,
  // WM_MEASUREITEM, WM_MENUCHAR) to the shell's menu, which fills and draws
  // submenus such as Send to; true with `result` set when it took it.
  bool HandleMenuMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

 private:
  ComPtr<IContextMenu> menu_;
  ComPtr<IContextMenu2> menu2_;
  ComPtr<IContextMenu3> menu3_;
  MenuHandle popup_;
  HWND owner_;
};

// Every Win32ShellFolder's items; the bar's window owns what the shell shows.
class Win32ItemShellMenus : public ItemShellMenus {
 public:
  explicit Win32ItemShellMenus(HWND owner) : owner_(owner) {}
  HResult MenuFor(ShellFolder& folder, const uint8_t* relative,
                  std::unique_ptr<ItemShellMenu>* out) override;

 private:
  HWND owner_;
};

}  // namespace olb::win
