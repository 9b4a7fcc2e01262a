// The global hotkey on a simulated desktop: the keys other programs hold,
// the foreground window, and what the bar asked for.
#pragma once

#include <optional>
#include <set>
#include <vector>

#include "core/platform/hotkey_port.h"

namespace olb::sim {

class SimHotkeyPort : public HotkeyPort {
 public:
  static constexpr WindowToken kBar = 1;

  bool Register(const Hotkey& hotkey) override {
    held.reset();
    for (const Hotkey& t : takenByOthers) {
      if (t == hotkey) return false;
    }
    held = hotkey;
    return true;
  }
  void Unregister() override { held.reset(); }
  WindowToken Foreground() override { return foreground; }
  bool IsBar(WindowToken window) override { return window == kBar; }
  void BringBarForward() override {
    ++broughtForward;
    foreground = kBar;
  }
  bool GiveFocusTo(WindowToken window) override {
    if (!live.count(window)) return false;
    foreground = window;
    return true;
  }

  std::vector<Hotkey> takenByOthers;
  std::optional<Hotkey> held;
  std::set<WindowToken> live{kBar};
  WindowToken foreground = 0;
  int broughtForward = 0;
};

}  // namespace olb::sim
