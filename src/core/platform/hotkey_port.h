// Port: the one system-wide key combination that brings the bar forward, and
// the foreground window it is taken from and given back to.
#pragma once

#include <cstdint>

namespace olb {

// Modifier bits as the system's hotkey registration numbers them.
enum HotkeyModifier : uint32_t {
  kHotkeyAlt = 1,
  kHotkeyCtrl = 2,
  kHotkeyShift = 4,
  kHotkeyWin = 8,
};

// A key with its modifiers; key 0 is no hotkey at all.
struct Hotkey {
  uint32_t modifiers = 0;
  uint16_t key = 0;  // the virtual-key code
  bool IsNone() const { return key == 0; }
  friend bool operator==(const Hotkey&, const Hotkey&) = default;
};

// A top-level window, as the platform names it; 0 is none.
using WindowToken = uintptr_t;

class HotkeyPort {
 public:
  virtual ~HotkeyPort() = default;

  // Makes `hotkey` the bar's, replacing the one held. False when the system
  // refuses it (another program holds it): the bar then holds none.
  virtual bool Register(const Hotkey& hotkey) = 0;
  virtual void Unregister() = 0;

  // The window that has the keyboard now (the bar's own or another's).
  virtual WindowToken Foreground() = 0;
  // Whether `window` is the bar itself.
  virtual bool IsBar(WindowToken window) = 0;
  // Puts the bar in front of every window, active, with the keyboard on its list.
  virtual void BringBarForward() = 0;
  // Makes `window` the active one again; false when it is gone.
  virtual bool GiveFocusTo(WindowToken window) = 0;
};

}  // namespace olb
