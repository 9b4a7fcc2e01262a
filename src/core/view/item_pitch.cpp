#include "core/view/item_pitch.h"

#include <algorithm>

namespace olb {

int32_t PitchFromPositions(Point item0, Point item1, bool horizontalBar) {
  const int64_t d = horizontalBar ? int64_t{item1.x} - item0.x : int64_t{item1.y} - item0.y;
  return static_cast<int32_t>(std::clamp<int64_t>(d, INT32_MIN, INT32_MAX));
}

std::optional<int32_t> SnapListExtent(int32_t span, int32_t pitch) {
  if (pitch <= 0) return std::nullopt;
  return span / pitch * pitch;
}

}  // namespace olb
