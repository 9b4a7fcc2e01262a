// The global hotkey's rules: the key the bar holds (or why it holds none),
// bringing the bar forward on a press, and giving the keyboard back to the
// window that had it on the next press or Esc.
#pragma once

#include "core/platform/hotkey_port.h"
#include "core/platform/registry.h"

namespace olb {

class HotkeySummon {
 public:
  HotkeySummon(HotkeyPort& port, Registry& registry) : port_(port), registry_(registry) {}

  // Registers the stored hotkey (the default when none is stored).
  void Start();
  // Gives the hotkey up (the bar is closing).
  void Stop();
  // The Settings window's choice: stored, and registered in place of the
  // one held. False when the system refused it.
  bool Change(const Hotkey& hotkey);

  const Hotkey& hotkey() const { return hotkey_; }
  // The hotkey is set but another program holds it: the bar runs without.
  bool taken() const { return taken_; }

  enum class Press { BringForward, GaveBack };
  // The hotkey was pressed. BringForward: the caller slides an auto-hidden
  // bar out and brings it forward; the window that had the keyboard is
  // remembered. GaveBack: the bar had the keyboard from an earlier press,
  // and it went back to the window that had it before.
  Press OnPress();
  // Esc on the list: true when the keyboard went back to the window the
  // hotkey took it from.
  bool OnEscape();
  // The bar lost the keyboard: the user went elsewhere on their own.
  void OnDeactivated() {
    previous_ = 0;
    forward_ = false;
  }
  // The hotkey brought the bar forward and it has kept the keyboard since.
  bool forward() const { return forward_; }

 private:
  bool GiveBack();

  HotkeyPort& port_;
  Registry& registry_;
  Hotkey hotkey_;
  bool taken_ = false;
  WindowToken previous_ = 0;  // where the keyboard returns; 0: nowhere
  bool forward_ = false;
};

}  // namespace olb
