// A simulated desktop with a clock and input state; the monitors and their
// work areas come from the simulated AppBar manager.
#pragma once

#include <map>

#include "core/platform/desktop.h"
#include "sim/app_bar_manager.h"

namespace olb::sim {

class SimDesktop : public Desktop {
 public:
  // Metrics: SM_CXVSCROLL = SM_CYHSCROLL = 16, SM_CXBORDER = SM_CYBORDER = 1,
  // buttons not swapped.
  explicit SimDesktop(const AppBarManager& shell);

  Size ScreenSize() override { return shell_.screen(); }
  Rect VirtualScreen() override { return shell_.VirtualScreen(); }
  Rect WorkArea() override { return shell_.WorkArea(); }
  std::vector<MonitorInfo> Monitors() override { return shell_.Monitors(); }
  Rect ForegroundRect() override { return shell_.foreground(); }
  int32_t GetMetric(Metric metric) override { return metrics_[metric]; }
  // Each read advances the clock by the tick step, so a busy loop on the
  // clock makes progress; unsigned arithmetic wraps as the real count does.
  uint32_t TickCount() override;
  bool CtrlKeyDown() override { return ctrl_; }
  bool EscapeKeyDown() override { return escape_; }
  bool ButtonDown(MouseButton button) override {
    return button == MouseButton::Left ? left_ : right_;
  }
  Point MessagePos() override { return messagePos_; }

  void SetMetric(Metric metric, int32_t value) { metrics_[metric] = value; }
  void SetClock(uint32_t now, uint32_t stepPerRead) {
    now_ = now;
    step_ = stepPerRead;
  }
  uint32_t now() const { return now_; }
  int tickReads() const { return reads_; }
  void SetCtrl(bool down) { ctrl_ = down; }
  void SetEscape(bool down) { escape_ = down; }
  void SetButton(MouseButton button, bool down) {
    (button == MouseButton::Left ? left_ : right_) = down;
  }
  void SetMessagePos(Point p) { messagePos_ = p; }

 private:
  const AppBarManager& shell_;
  std::map<Metric, int32_t> metrics_;
  uint32_t now_ = 1000;
  uint32_t step_ = 25;
  int reads_ = 0;
  bool ctrl_ = false;
  bool escape_ = false;
  bool left_ = false;
  bool right_ = false;
  Point messagePos_{};
};

}  // namespace olb::sim
