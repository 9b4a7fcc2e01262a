#include "win32/adapters/win32_app_bar_shell.h"

#include <shellapi.h>

#include "win32/base/rect.h"
namespace olb::win {

UINT_PTR Win32AppBarShell::Send(DWORD message, Edge edge, LPARAM lParam, Rect* rc) {
  APPBARDATA abd{};
  abd.cbSize = sizeof(abd);
  abd.hWnd = bar_;
  abd.uCallbackMessage = callback_;
  abd.uEdge = static_cast<UINT>(ToInt(edge));
  if (rc) abd.rc = ToRECT(*rc);
  abd.lParam = lParam;
  const UINT_PTR result = SHAppBarMessage(message, &abd);
  if (rc) *rc = ToRect(abd.rc);
  return result;
}

bool Win32AppBarShell::New() {
  return Send(ABM_NEW, Edge::None) != 0;
}
bool Win32AppBarShell::Remove() {
  return Send(ABM_REMOVE, Edge::None) != 0;
}
bool Win32AppBarShell::QueryPos(Edge edge, Rect& rc) {
  return Send(ABM_QUERYPOS, edge, 0, &rc) != 0;
}
bool Win32AppBarShell::SetPos(Edge edge, Rect& rc) {
  return Send(ABM_SETPOS, edge, 0, &rc) != 0;
}
uint32_t Win32AppBarShell::GetState() {
  return static_cast<uint32_t>(Send(ABM_GETSTATE, Edge::None));
}
bool Win32AppBarShell::Activate() {
  return Send(ABM_ACTIVATE, Edge::None) != 0;
}
void Win32AppBarShell::WindowPosChanged() {
  Send(ABM_WINDOWPOSCHANGED, Edge::None);
}

namespace {

// From Windows 8 on; the headers offer them only for that target.
constexpr DWORD kGetAutoHideBarEx = 0x0b;
constexpr DWORD kSetAutoHideBarEx = 0x0c;

// The plain messages serve the primary monitor on every shell; the EX ones,
// which name the monitor by a rectangle, exist only on newer shells.
bool OnPrimary(const Rect& monitor) {
  const RECT r = ToRECT(monitor);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  const HMONITOR handle = MonitorFromRect(&r, MONITOR_DEFAULTTOPRIMARY);
  return !GetMonitorInfoW(handle, &info) || (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
}

}  // namespace

AutoHideOwner Win32AppBarShell::GetAutoHideBar(Edge edge, const Rect& monitor) {
  Rect rc = monitor;
  const HWND owner = reinterpret_cast<HWND>(
      OnPrimary(monitor) ? Send(ABM_GETAUTOHIDEBAR, edge) : Send(kGetAutoHideBarEx, edge, 0, &rc));
  if (!owner) return AutoHideOwner::None;
  return owner == bar_ ? AutoHideOwner::ThisBar : AutoHideOwner::OtherWindow;
}

bool Win32AppBarShell::SetAutoHideBar(Edge edge, bool autoHide, const Rect& monitor) {
  Rect rc = monitor;
  if (OnPrimary(monitor)) return Send(ABM_SETAUTOHIDEBAR, edge, autoHide ? 1 : 0) != 0;
  if (Send(kSetAutoHideBarEx, edge, autoHide ? 1 : 0, &rc) != 0) return true;
  // An older shell answers 0 to a message it does not know, and no owner
  // either: the bar then hides unregistered rather than be refused.
  return autoHide && GetAutoHideBar(edge, monitor) == AutoHideOwner::None;
}

}  // namespace olb::win
