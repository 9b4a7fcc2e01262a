#include "core/settings/placement.h"

#include <algorithm>

namespace olb {

uint32_t ReachableThickness(uint32_t thickness, int32_t extent) {
  // At most half the screen across the edge: a docked bar never covers (or
  // reserves) the whole desktop, whatever a hand-edited record holds.
  const uint32_t most = static_cast<uint32_t>(std::max(extent / 2, kMinBarThickness));
  return std::clamp<uint32_t>(thickness, kMinBarThickness, most);
}

namespace {

// Clamps one axis so that [start, start + length) lies inside [lo, hi) where
// it fits, or starts at lo where it does not.
int32_t ClampStart(int32_t start, int32_t length, int32_t lo, int32_t hi) {
  if (length >= hi - lo) return lo;
  return std::clamp(start, lo, hi - length);
}

}  // namespace

BarOptions PlaceableOptions(const BarOptions& live, const Rect& defaultFloat,
                            const ScreenAreas& screen) {
  BarOptions placed = live;
  const int32_t screenWidth = screen.virtualScreen.Width();
  const int32_t screenHeight = screen.virtualScreen.Height();
  placed.DockSize[0] = ReachableThickness(live.DockSize[0], screenWidth);
  placed.DockSize[1] = ReachableThickness(live.DockSize[1], screenHeight);
  placed.DockSize[2] = ReachableThickness(live.DockSize[2], screenWidth);
  placed.DockSize[3] = ReachableThickness(live.DockSize[3], screenHeight);

  Rect r = live.FloatRect;
  // Widths are computed in 64 bits: a hand-edited rectangle may span the
  // whole int32 range.
  const int64_t width = int64_t{r.right} - r.left;
  const int64_t height = int64_t{r.bottom} - r.top;
  if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX) {
    r = defaultFloat;
  }
  const Rect seen = Intersection(r, screen.virtualScreen);
  if (seen.Width() < kMinBarThickness || seen.Height() < kMinBarThickness) {
    const Rect& wa = screen.workArea;
    r = r.MovedTo(ClampStart(r.left, r.Width(), wa.left, wa.right),
                  ClampStart(r.top, r.Height(), wa.top, wa.bottom));
  }
  placed.FloatRect = r;
  return placed;
}

Rect WhollyWithin(const Rect& r, const Rect& area) {
  const int32_t width = std::min(r.Width(), area.Width());
  const int32_t height = std::min(r.Height(), area.Height());
  const int32_t left = ClampStart(r.left, width, area.left, area.right);
  const int32_t top = ClampStart(r.top, height, area.top, area.bottom);
  return {left, top, left + width, top + height};
}

}  // namespace olb
