#include "win32/adapters/shell_appbar.h"

#include <shellapi.h>

namespace olb::win {

UINT_PTR ShellAppBar::Send(DWORD message, Edge edge, LPARAM lParam, Rect* rc) {
  APPBARDATA abd{};
  abd.cbSize = sizeof(abd);
  abd.hWnd = bar_;
  abd.uCallbackMessage = callback_;
  abd.uEdge = static_cast<UINT>(ToInt(edge));
  if (rc) abd.rc = {rc->left, rc->top, rc->right, rc->bottom};
  abd.lParam = lParam;
  const UINT_PTR result = SHAppBarMessage(message, &abd);
  if (rc) *rc = {abd.rc.left, abd.rc.top, abd.rc.right, abd.rc.bottom};
  return result;
}

bool ShellAppBar::New() {
  return Send(ABM_NEW, Edge::None) != 0;
}
bool ShellAppBar::Remove() {
  return Send(ABM_REMOVE, Edge::None) != 0;
}
bool ShellAppBar::QueryPos(Edge edge, Rect& rc) {
  return Send(ABM_QUERYPOS, edge, 0, &rc) != 0;
}
bool ShellAppBar::SetPos(Edge edge, Rect& rc) {
  return Send(ABM_SETPOS, edge, 0, &rc) != 0;
}
uint32_t ShellAppBar::GetState() {
  return static_cast<uint32_t>(Send(ABM_GETSTATE, Edge::None));
}
bool ShellAppBar::Activate() {
  return Send(ABM_ACTIVATE, Edge::None) != 0;
}
void ShellAppBar::WindowPosChanged() {
  Send(ABM_WINDOWPOSCHANGED, Edge::None);
}

AutoHideOwner ShellAppBar::GetAutoHideBar(Edge edge) {
  const HWND owner = reinterpret_cast<HWND>(Send(ABM_GETAUTOHIDEBAR, edge));
  if (!owner) return AutoHideOwner::None;
  return owner == bar_ ? AutoHideOwner::ThisBar : AutoHideOwner::OtherWindow;
}

bool ShellAppBar::SetAutoHideBar(Edge edge, bool autoHide) {
  return Send(ABM_SETAUTOHIDEBAR, edge, autoHide ? 1 : 0) != 0;
}

}  // namespace olb::win
