#include "win32/bar/hwnd_bar_ops.h"

#include "win32/base/message_pump.h"
#include "win32/bar/visible_frame.h"
#include "win32/base/dpi.h"
#include "win32/base/rect.h"

namespace olb::win {

// The engine works on what the user sees: the visible frame.
Rect HwndBarOps::WindowRect() {
  return ToRect(VisibleFrame(bar_));
}

Rect HwndBarOps::ClientRectOnScreen() {
  RECT r{};
  GetClientRect(bar_, &r);
  MapWindowPoints(bar_, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return ToRect(r);
}

void HwndBarOps::Place(const Rect& visible, Placement how) {
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (how == Placement::Frame) flags |= SWP_FRAMECHANGED;
  const RECT r = OuterFromVisible(bar_, ToRECT(visible));
  SetWindowPos(bar_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
  if (how == Placement::Frame) UpdateWindow(bar_);
}

void HwndBarOps::SetZOrder(ZOrder order) {
  const HWND after = order == ZOrder::Topmost      ? HWND_TOPMOST
                     : order == ZOrder::NotTopmost ? HWND_NOTOPMOST
                                                   : HWND_BOTTOM;
  constexpr UINT kFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  SetWindowPos(bar_, after, 0, 0, 0, 0, kFlags);
  if (order != ZOrder::NotTopmost || !(GetWindowLongW(bar_, GWL_EXSTYLE) & WS_EX_TOPMOST)) return;
  // Some window managers (Wine's among them) keep an owned window topmost
  // whatever HWND_NOTOPMOST says:
  //  1. the bar is owned by the hidden application window, which it must be
  //     for the program to have no taskbar button;
  //  2. so the topmost state is cleared while the bar has no owner for a
  //     moment, and the owner is put back at once.
  const LONG_PTR owner = GetWindowLongPtrW(bar_, GWLP_HWNDPARENT);
  SetWindowLongPtrW(bar_, GWLP_HWNDPARENT, 0);
  SetWindowPos(bar_, HWND_NOTOPMOST, 0, 0, 0, 0, kFlags);
  SetWindowLongPtrW(bar_, GWLP_HWNDPARENT, owner);
}

void HwndBarOps::RemoveCaption() {
  const LONG style = GetWindowLongW(bar_, GWL_STYLE);
  SetWindowLongW(bar_, GWL_STYLE, (style & ~WS_CAPTION) | WS_BORDER);
  // The outer size stays; the frame is recomputed without the caption.
  SetWindowPos(bar_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

Size HwndBarOps::FrameSize() {
  RECT r{};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(bar_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(bar_, GWL_EXSTYLE)));
  return {r.right - r.left, r.bottom - r.top};
}

void HwndBarOps::WaitForNextFrame() {
  // The frame just placed is painted (Place updates the window); the next
  // one is due after 10 ms, so a slide is some 40 frames, not a busy loop.
  Sleep(10);
}

uint32_t HwndBarOps::Dpi() {
  return WindowDpi(bar_);
}

void HwndBarOps::PumpMessages() {
  win::ProcessMessages();
}

}  // namespace olb::win
