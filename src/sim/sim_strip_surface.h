// Scroll strips that remember what was last drawn on them, a pointer the
// test moves, and repeat timers that record whether they run.
#pragma once

#include <array>

#include "core/platform/strip_surface.h"

namespace olb::sim {

class SimStripSurface : public StripSurface {
 public:
  void ShowStrip(StripId strip, StripLook look, const Triangle& arrow) override {
    At(looks_, strip) = look;
    At(arrows_, strip) = arrow;
    ++paints_;
  }
  Point CursorInForm() override { return cursor_; }
  void RestartRepeatTimer(StripId strip) override {
    At(running_, strip) = true;
    ++At(restarts_, strip);
  }
  void StopRepeatTimer(StripId strip) override { At(running_, strip) = false; }

  void MoveCursor(Point inForm) { cursor_ = inForm; }
  StripLook look(StripId s) const { return At(looks_, s); }
  const Triangle& arrow(StripId s) const { return At(arrows_, s); }
  bool timerRunning(StripId s) const { return At(running_, s); }
  int restarts(StripId s) const { return At(restarts_, s); }
  int paints() const { return paints_; }

 private:
  template <typename A>
  static auto& At(A& a, StripId s) {
    return a[s == StripId::Forward ? 0 : 1];
  }

  std::array<StripLook, 2> looks_{StripLook::Blank, StripLook::Blank};
  std::array<Triangle, 2> arrows_{};
  std::array<bool, 2> running_{};
  std::array<int, 2> restarts_{};
  Point cursor_{-10000, -10000};  // somewhere far from the bar
  int paints_ = 0;
};

}  // namespace olb::sim
