#include "core/layout/wheel_steps.h"

namespace olb {

int32_t WheelSteps::Add(int32_t delta) {
  if ((delta > 0 && pending_ < 0) || (delta < 0 && pending_ > 0)) pending_ = 0;
  // 64-bit: a hostile delta of INT32_MIN added to a pending value never overflows.
  const int64_t total = int64_t{pending_} + delta;
  const int64_t notches = total / kWheelNotch;  // toward zero: the rest stays pending
  pending_ = static_cast<int32_t>(total - notches * kWheelNotch);
  return static_cast<int32_t>(-notches);
}

}  // namespace olb
