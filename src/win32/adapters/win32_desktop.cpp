#include "win32/adapters/win32_desktop.h"

#include <windows.h>

namespace olb::win {

Size Win32Desktop::ScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

Rect Win32Desktop::VirtualScreen() {
  const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

Rect Win32Desktop::WorkArea() {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right, r.bottom};
}

int32_t Win32Desktop::GetMetric(Metric metric) {
  switch (metric) {
    case Metric::VScrollWidth:
      return GetSystemMetrics(SM_CXVSCROLL);
    case Metric::HScrollHeight:
      return GetSystemMetrics(SM_CYHSCROLL);
    case Metric::BorderWidth:
      return GetSystemMetrics(SM_CXBORDER);
    case Metric::BorderHeight:
      return GetSystemMetrics(SM_CYBORDER);
    case Metric::SwapButton:
      return GetSystemMetrics(SM_SWAPBUTTON);
  }
  return 0;
}

uint32_t Win32Desktop::TickCount() {
  return GetTickCount();
}

bool Win32Desktop::CtrlKeyDown() {
  return GetKeyState(VK_CONTROL) < 0;
}

bool Win32Desktop::EscapeKeyDown() {
  return GetKeyState(VK_ESCAPE) < 0;
}

bool Win32Desktop::ButtonDown(MouseButton button) {
  return GetAsyncKeyState(button == MouseButton::Right ? VK_RBUTTON : VK_LBUTTON) < 0;
}

Point Win32Desktop::MessagePos() {
  const DWORD pos = GetMessagePos();
  // Both halves are signed: monitors left of or above the primary one.
  return {static_cast<int16_t>(LOWORD(pos)), static_cast<int16_t>(HIWORD(pos))};
}

}  // namespace olb::win
