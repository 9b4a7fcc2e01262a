// Which scroll strips show an arrow, from the list's view rectangle.
#pragma once

#include <cstdint>

#include "core/platform/geometry.h"

namespace olb {

struct StripState {
  bool listOverflows = false;  // the items reach further along the bar than the list
  bool forwardActive = false;  // more to see beyond the far end
  bool backActive = false;     // scrolled away from the start
  friend bool operator==(const StripState&, const StripState&) = default;
};

// `viewRect` is the items' bounding rectangle relative to the visible area;
// `listSize` the list's height (vertical bar) or width (horizontal bar).
StripState ComputeStripState(const Rect& viewRect, int32_t listSize, bool horizontalBar);

}  // namespace olb
