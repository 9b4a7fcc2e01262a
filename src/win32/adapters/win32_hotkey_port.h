// The global hotkey port over RegisterHotKey: the hotkey's WM_HOTKEY comes to
// the bar window, which brings itself forward with the keyboard on its list.
#pragma once

#include <windows.h>

#include "core/platform/hotkey_port.h"

namespace olb::win {

class Win32HotkeyPort : public HotkeyPort {
 public:
  // The hotkey identifier the bar's WM_HOTKEY carries.
  static constexpr int kHotkeyId = 1;

  Win32HotkeyPort(HWND bar, HWND list) : bar_(bar), list_(list) {}
  ~Win32HotkeyPort() override { Unregister(); }
  Win32HotkeyPort(const Win32HotkeyPort&) = delete;
  Win32HotkeyPort& operator=(const Win32HotkeyPort&) = delete;

  bool Register(const Hotkey& hotkey) override;
  void Unregister() override;
  WindowToken Foreground() override;
  bool IsBar(WindowToken window) override;
  void BringBarForward() override;
  bool GiveFocusTo(WindowToken window) override;

 private:
  HWND bar_;
  HWND list_;
  bool registered_ = false;
};

}  // namespace olb::win
