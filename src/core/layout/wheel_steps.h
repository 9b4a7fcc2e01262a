// Turning wheel deltas into whole scroll steps. A notch of a classic wheel is
// 120 units; precision touchpads and free-spinning wheels send many smaller
// deltas, which add up until they make a notch.
#pragma once

#include <cstdint>

namespace olb {

// One notch of the wheel (WHEEL_DELTA).
inline constexpr int32_t kWheelNotch = 120;

class WheelSteps {
 public:
  // Adds `delta` (positive: away from the user, that is up or back) and
  // returns the whole steps it completes: positive steps go forward (down
  // or right), negative ones back. A turn the other way drops what was left
  // of the previous direction.
  int32_t Add(int32_t delta);
  void Reset() { pending_ = 0; }

 private:
  int32_t pending_ = 0;
};

}  // namespace olb
