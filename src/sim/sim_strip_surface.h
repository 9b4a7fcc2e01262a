// Scroll strips that remember what was last drawn on them, a pointer the
// test moves, and repeat timers that record whether they run.
#pragma once

#include <array>
#include <cstddef>

#include "core/platform/strip_surface.h"

namespace olb::sim {

class SimStripSurface : public StripSurface {
 public:
  void ShowStrip(StripId strip, StripLook look, const Triangle& arrow) override {
    looks_[Index(strip)] = look;
    arrows_[Index(strip)] = arrow;
    ++paints_;
  }
  Point CursorInForm() override { return cursor_; }
  void RestartRepeatTimer(StripId strip) override {
    running_[Index(strip)] = true;
    ++restarts_[Index(strip)];
  }
  void StopRepeatTimer(StripId strip) override { running_[Index(strip)] = false; }

  void MoveCursor(Point inForm) { cursor_ = inForm; }
  StripLook look(StripId s) const { return looks_[Index(s)]; }
  const Triangle& arrow(StripId s) const { return arrows_[Index(s)]; }
  bool timerRunning(StripId s) const { return running_[Index(s)]; }
  int restarts(StripId s) const { return restarts_[Index(s)]; }
  int paints() const { return paints_; }

 private:
  static std::size_t Index(StripId s) { return s == StripId::Forward ? 0 : 1; }

  std::array<StripLook, 2> looks_{StripLook::Blank, StripLook::Blank};
  std::array<Triangle, 2> arrows_{};
  std::array<bool, 2> running_{};
  std::array<int, 2> restarts_{};
  Point cursor_{-10000, -10000};  // somewhere far from the bar
  int paints_ = 0;
};

}  // namespace olb::sim
