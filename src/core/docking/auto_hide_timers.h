// When the auto-hide timers slide the bar in or out. Pure decisions over the
// values the timer handlers read from the platform.
#pragma once

#include <cstdint>

#include "core/platform/geometry.h"

namespace olb {

// The pointer position packed as the last message's position: x in the low
// 16 bits, y in the high 16 bits, each a signed value (negative on monitors
// left of or above the primary one).
Point UnpackMessagePos(uint32_t packed);

// SlideIn, every 400 ms: slide the bar in (SetAutoHideShown(false)) when it is
// not the active window and the last message's pointer lies outside its
// window rectangle widened by twice the double-click distance on each side.
// The engine moves only an auto-hidden bar; others stay where they are.
bool SlideInIsDue(bool barIsActive, Point messagePos, const Rect& barWindow,
                  Size doubleClickDistance);

// Reveal: a one-shot that reveals the bar when the pointer stays on it.
class RevealTimer {
 public:
  // A non-client mouse move over the bar. True when the timer is to be
  // started now; further moves while it runs do not restart it.
  bool OnNcMouseMove();

  // The tick: the timer stops either way. True when the bar is to slide out
  // (SetAutoHideShown(true)): the pointer is still inside the window.
  bool OnTick(Point cursor, const Rect& barWindow);

  bool running() const { return running_; }

 private:
  bool running_ = false;
};

}  // namespace olb
