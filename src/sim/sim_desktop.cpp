#include "sim/sim_desktop.h"

namespace olb::sim {

SimDesktop::SimDesktop(const AppBarManager& shell)
    : shell_(shell),
      metrics_{{Metric::VScrollWidth, 16},
               {Metric::HScrollHeight, 16},
               {Metric::BorderWidth, 1},
               {Metric::BorderHeight, 1},
               {Metric::SwapButton, 0}} {}

uint32_t SimDesktop::TickCount() {
  ++reads_;
  const uint32_t now = now_;
  now_ += step_;
  return now;
}

}  // namespace olb::sim
