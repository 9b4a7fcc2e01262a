// The item pitch along the bar and the list extent cut to whole pitches.
#pragma once

#include <cstdint>
#include <optional>

#include "core/platform/geometry.h"

namespace olb {

// The distance from item 0 to item 1 along the bar: x on a horizontal bar,
// y on a vertical one. Saturates at the int32 range.
int32_t PitchFromPositions(Point item0, Point item1, bool horizontalBar);

// The largest whole number of pitches that fits the span (truncating toward
// zero). With a pitch of 0 or less there is nothing to cut: nullopt.
std::optional<int32_t> SnapListExtent(int32_t span, int32_t pitch);

}  // namespace olb
