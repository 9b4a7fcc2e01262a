// The scroll strips' arrow triangles, their colours and the inside test.
#pragma once

#include "core/platform/color.h"
#include "core/platform/geometry.h"
#include "core/platform/strip_surface.h"

namespace olb {

inline constexpr Rgb kArrowOutline{128, 128, 128};
inline constexpr Rgb kArrowColor{168, 198, 217};
inline constexpr Rgb kArrowHoverColor{213, 237, 252};

// The arrow of a strip of `stripSize` pixels. On a vertical bar the forward
// arrow points down and the back arrow up; on a horizontal bar they point
// right and left. Vertices are in the strip's own coordinates.
Triangle ForwardArrow(Size stripSize, bool horizontalBar);
Triangle BackArrow(Size stripSize, bool horizontalBar);

// Even-odd crossing test over the three vertices, in floating point. Being
// half-open, it counts some boundary points (such as the tip) as outside.
bool InsideArrow(const Triangle& arrow, Point p);

// The fill for an arrow look (Blank has no arrow and gives the normal fill).
constexpr Rgb ArrowFill(StripLook look) {
  return look == StripLook::HoverArrow ? kArrowHoverColor : kArrowColor;
}

}  // namespace olb
