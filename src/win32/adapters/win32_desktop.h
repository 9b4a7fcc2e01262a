// The desktop port over user32: screen, metrics, clock and input state.
#pragma once

#include "core/platform/desktop.h"

namespace olb::win {

class Win32Desktop : public Desktop {
 public:
  Size ScreenSize() override;
  Rect VirtualScreen() override;
  Rect WorkArea() override;
  std::vector<MonitorInfo> Monitors() override;
  Rect ForegroundRect() override;
  int32_t GetMetric(Metric metric) override;
  uint32_t TickCount() override;
  bool CtrlKeyDown() override;
  bool EscapeKeyDown() override;
  bool ButtonDown(MouseButton button) override;
  Point MessagePos() override;
};

}  // namespace olb::win
