#include "win32/bar/cascade_popup.h"

#include <shellapi.h>

#include "win32/adapters/win32_shell_namespace.h"
#include "win32/bar/bar_window.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {

// A folder that is empty, or could not be listed.
constexpr wchar_t kEmptyCaption[] = L"(Empty)";

void AppendEmpty(HMENU popup) {
  AppendMenuW(popup, MF_STRING | MF_GRAYED, 0, kEmptyCaption);
}

}  // namespace

CascadePopup::CascadePopup(CascadeMenu& menu, HWND owner, RightClick rightClick)
    : menu_(menu), owner_(owner), rightClick_(std::move(rightClick)), root_(CreatePopupMenu()) {
  icons_ = SystemImageList(true);
  if (!root_) return;
  popups_.push_back({root_.get(), 0, 0, 0});
  Fill(root_.get(), 0);
}

void CascadePopup::Fill(HMENU popup, size_t level) {
  while (GetMenuItemCount(popup) > 0) DeleteMenu(popup, 0, MF_BYPOSITION);
  const CascadeLevel& l = menu_.Level(level);
  for (size_t i = 0; i < l.entries.size(); ++i) {
    const CascadeEntry& e = l.entries[i];
    std::wstring caption = Widen(e.caption);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING | MIIM_ID | MIIM_BITMAP | MIIM_DATA;
    item.wID = e.command;
    item.dwTypeData = caption.data();
    // The icon is drawn on request (WM_MEASUREITEM, WM_DRAWITEM).
    item.hbmpItem = HBMMENU_CALLBACK;
    item.dwItemData = static_cast<ULONG_PTR>(e.iconIndex);
    if (e.folder) {
      // Filled when it opens; until then it holds the one grey entry.
      HMENU sub = CreatePopupMenu();
      if (sub) {
        AppendEmpty(sub);
        item.fMask |= MIIM_SUBMENU;
        item.hSubMenu = sub;
        popups_.push_back({sub, level, i, std::nullopt});
      }
    }
    InsertMenuItemW(popup, static_cast<UINT>(i), TRUE, &item);
  }
  if (l.entries.empty()) AppendEmpty(popup);
  if (l.moreCommand != 0) {
    AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(popup, MF_STRING, l.moreCommand, Widen(kCascadeMoreCaption).c_str());
  }
}

CascadePopup::Popup* CascadePopup::Find(HMENU menu) {
  for (Popup& p : popups_) {
    if (p.menu == menu) return &p;
  }
  return nullptr;
}

UINT CascadePopup::Track(POINT screen) {
  if (!root_) return 0;
  // Without TPM_RIGHTBUTTON a right click on an entry is the owner's
  // WM_MENURBUTTONUP, not a choice.
  return static_cast<UINT>(TrackPopupMenu(root_.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD,
                                          screen.x, screen.y, 0, owner_, nullptr));
}

LRESULT CascadePopup::MenuChar(wchar_t typed, HMENU menu) {
  const Popup* p = Find(menu);
  if (!p || !p->level) return MAKELRESULT(0, MNC_IGNORE);
  const std::vector<CascadeEntry>& entries = menu_.Level(*p->level).entries;
  const auto upper = [](wchar_t c) {
    return static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(CharUpperW(
        reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(static_cast<unsigned short>(c))))));
  };
  const size_t count = entries.size();
  size_t from = 0;  // after the entry highlighted now
  for (size_t i = 0; i < count; ++i) {
    if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) from = i + 1;
  }
  for (size_t n = 0; n < count; ++n) {
    const size_t i = (from + n) % count;
    const std::wstring caption = Widen(entries[i].caption);
    if (!caption.empty() && upper(caption[0]) == upper(typed)) {
      return MAKELRESULT(i, MNC_SELECT);
    }
  }
  return MAKELRESULT(0, MNC_IGNORE);
}

bool CascadePopup::HandleMenuMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_INITMENUPOPUP: {
      Popup* p = Find(reinterpret_cast<HMENU>(wp));
      if (!p || p->level) return false;
      // Listed now, when the user opens it; `p` may move as popups are added.
      const HMENU sub = p->menu;
      const std::optional<size_t> level = menu_.Submenu(p->parentLevel, p->parentEntry);
      Find(sub)->level = level;
      if (level) Fill(sub, *level);
      result = 0;
      return true;
    }
    case WM_MEASUREITEM: {
      auto& m = *reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      if (m.CtlType != ODT_MENU || m.itemID < kFirstCascadeCommand) return false;
      m.itemWidth = static_cast<UINT>(GetSystemMetrics(SM_CXSMICON));
      m.itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CYSMICON));
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto& d = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (d.CtlType != ODT_MENU || d.itemID < kFirstCascadeCommand) return false;
      const int size = GetSystemMetrics(SM_CYSMICON);
      const int top = d.rcItem.top + (d.rcItem.bottom - d.rcItem.top - size) / 2;
      if (icons_) {
        ImageList_Draw(icons_, static_cast<int>(d.itemData), d.hDC, d.rcItem.left, top,
                       ILD_TRANSPARENT);
      }
      result = TRUE;
      return true;
    }
    case WM_MENUCHAR:
      if (!Find(reinterpret_cast<HMENU>(lp))) return false;
      result = MenuChar(static_cast<wchar_t>(LOWORD(wp)), reinterpret_cast<HMENU>(lp));
      return true;
    case WM_MENURBUTTONUP: {
      const Popup* p = Find(reinterpret_cast<HMENU>(lp));
      if (!p || !p->level) return false;
      const size_t level = *p->level;
      const size_t entry = static_cast<size_t>(wp);
      if (entry >= menu_.Level(level).entries.size()) return false;
      POINT at{};
      GetCursorPos(&at);
      if (rightClick_ && rightClick_(level, entry, at)) EndMenu();
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

std::optional<uint16_t> BarWindow::TrackCascadeMenu(Point screen, CascadeMenu& menu) {
  CascadePopup popup(menu, hwnd_, [this, &menu](size_t level, size_t entry, POINT at) {
    return controller_->OnCascadeRightClick(menu, level, entry, {at.x, at.y});
  });
  // The menu needs the bar as foreground window to close when the user
  // clicks elsewhere.
  SetForegroundWindow(hwnd_);
  CascadePopup* outer = std::exchange(openCascade_, &popup);
  const UINT chosen = popup.Track({screen.x, screen.y});
  openCascade_ = outer;
  if (chosen < kFirstCascadeCommand || chosen > kLastCascadeCommand) return std::nullopt;
  return static_cast<uint16_t>(chosen);
}

std::optional<uint32_t> BarWindow::TrackShellMenu(Point screen, ItemShellMenu& menu) {
  // The Win32 build makes no other kind than its own adapter's.
  auto& shell = static_cast<Win32ItemShellMenu&>(menu);
  Win32ItemShellMenu* outer = std::exchange(openShellMenu_, &shell);
  // Over the open cascading menu: a menu of its own within its loop.
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      shell.popup(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_RECURSE,
      screen.x, screen.y, 0, hwnd_, nullptr));
  openShellMenu_ = outer;
  if (chosen < kFirstShellCommand || chosen > kLastShellCommand) return std::nullopt;
  return chosen - kFirstShellCommand;
}

}  // namespace olb::win
