// The item pitch along the bar and the list extent cut to whole pitches.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/platform/geometry.h"

namespace olb {

// The pitch along the bar of items laid out on a grid: the smallest positive
// distance along the bar between any two of `positions`. Items that share a
// row (a vertical bar) or a column (a horizontal bar) are 0 apart and do not
// count, so a bar thick enough for several items across still measures the
// step from one line of items to the next. 0 when all share one line.
int32_t PitchAcrossLines(std::span<const Point> positions, bool horizontalBar);

// How many of `positions` share the first one's line (its place along the
// bar): the items side by side across the bar. At least 1.
int32_t ItemsPerLine(std::span<const Point> positions, bool horizontalBar);

// How many items MeasureItemPitch reads positions of: enough for two lines
// on any bar a screen can hold.
inline constexpr int32_t kPitchSampleItems = 256;

// The largest whole number of pitches that fits the span (truncating toward
// zero), or the whole span when not even one pitch fits. With a pitch of 0
// or less there is nothing to cut: nullopt.
std::optional<int32_t> SnapListExtent(int32_t span, int32_t pitch);

}  // namespace olb
