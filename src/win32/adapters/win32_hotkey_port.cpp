#include "win32/adapters/win32_hotkey_port.h"

namespace olb::win {
namespace {

#ifndef MOD_NOREPEAT
#define MOD_NOREPEAT 0x4000
#endif

HWND WindowOf(WindowToken window) {
  return reinterpret_cast<HWND>(window);
}

}  // namespace

bool Win32HotkeyPort::Register(const Hotkey& hotkey) {
  Unregister();
  const UINT modifiers = hotkey.modifiers & (MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN);
  // A key held down repeats no presses (the bar would come and go); a system
  // that does not know that flag is asked without it.
  registered_ = RegisterHotKey(bar_, kHotkeyId, modifiers | MOD_NOREPEAT, hotkey.key) ||
                (GetLastError() != ERROR_HOTKEY_ALREADY_REGISTERED &&
                 RegisterHotKey(bar_, kHotkeyId, modifiers, hotkey.key));
  return registered_;
}

void Win32HotkeyPort::Unregister() {
  if (registered_) UnregisterHotKey(bar_, kHotkeyId);
  registered_ = false;
}

WindowToken Win32HotkeyPort::Foreground() {
  return reinterpret_cast<WindowToken>(GetForegroundWindow());
}

bool Win32HotkeyPort::IsBar(WindowToken window) {
  return WindowOf(window) == bar_;
}

void Win32HotkeyPort::BringBarForward() {
  if (!IsWindowVisible(bar_)) ShowWindow(bar_, SW_SHOWNA);
  // The program that owns the hotkey's press may take the foreground.
  SetWindowPos(bar_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(bar_);
  // Summoned by the keyboard: the focus is drawn, whatever hid it before.
  SendMessageW(bar_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  SetFocus(list_);
}

bool Win32HotkeyPort::GiveFocusTo(WindowToken window) {
  const HWND w = WindowOf(window);
  if (!IsWindow(w)) return false;
  SetForegroundWindow(w);
  return true;
}

}  // namespace olb::win
