#include "win32/adapters/win32_desktop.h"

#include <windows.h>

#include "win32/base/unicode.h"
#include "win32/base/rect.h"

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
  return ToRect(r);
}

namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFOEXW info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  // The name is a fixed array that the system terminates; never read past it.
  const std::wstring_view name(info.szDevice, wcsnlen(info.szDevice, CCHDEVICENAME));
  reinterpret_cast<std::vector<MonitorInfo>*>(data)->push_back(
      {Narrow(name), ToRect(info.rcMonitor), ToRect(info.rcWork),
       (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
  return TRUE;
}

}  // namespace

std::vector<MonitorInfo> Win32Desktop::Monitors() {
  std::vector<MonitorInfo> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  if (monitors.empty()) {
    // No answer: the primary screen alone, as the system metrics tell it.
    const Size screen = ScreenSize();
    monitors.push_back({"", {0, 0, screen.cx, screen.cy}, WorkArea(), true});
  }
  return monitors;
}

Rect Win32Desktop::ForegroundRect() {
  RECT r{};
  const HWND foreground = GetForegroundWindow();
  if (!foreground || !GetWindowRect(foreground, &r)) return {};
  return ToRect(r);
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
