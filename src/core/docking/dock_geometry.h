// The docking engine's decisions as pure functions of values.
#pragma once

#include <cstdint>

#include "core/platform/edge.h"
#include "core/platform/geometry.h"

namespace olb {

// Positions a bar may be proposed for (the engine's allowedPositions).
inline constexpr uint32_t kAllowLeftRight = 0x01;
inline constexpr uint32_t kAllowTopBottom = 0x02;
inline constexpr uint32_t kAllowFloat = 0x04;
inline constexpr uint32_t kAllowAnywhere = 0x07;
// The value the bar uses: every position; bits 0x30 carry no behaviour.
inline constexpr uint32_t kBarPositionFlags = 0x37;

inline constexpr uint32_t kSlideMs = 400;  // duration of one slide, milliseconds
// How much of an auto-hidden bar shows on an inner edge between two
// monitors, where the pointer does not stop by itself: the thinnest the
// window may be (its minimum tracking width), all on its own monitor.
inline constexpr int32_t kInnerEdgeHotZone = 20;

// The edge (or floating) that a screen point proposes. `floatZone` is the
// work area less a scroll-bar-width margin: a point inside it floats when
// floating is allowed. Otherwise the screen's diagonals decide, and a point
// exactly on a diagonal counts as left or right. Flags allowing nothing
// propose floating.
Edge EdgeFromPoint(uint32_t flags, Point p, Size screen, const Rect& floatZone);

// Cuts a rectangle to `thickness` at its side on `edge`; any other edge
// value leaves it as it is.
Rect CutToEdge(Rect rc, Edge edge, int32_t thickness);

// A docked rectangle cut to `length` along its edge from the edge's start
// (the left end of a top or bottom edge, the top end of a left or right
// one); never longer than it was, never below 1 pixel. Any other edge value
// leaves it as it is.
Rect CutAlongEdge(Rect rc, Edge edge, int32_t length);

// Where a docked auto-hide rectangle sits when shown or hidden: its size is
// kept and it is moved flush with the edge, or off it leaving a strip two
// borders thick. `edge` must be docked.
Rect AutoHidePlace(const Rect& rc, Edge edge, bool show, Size screen, Size border);

// The slide frame `elapsedMs` into a slide from `from` to `to` (elapsedMs
// below kSlideMs): each of x, y, width and height moves linearly, product
// before division, truncated toward zero.
Rect SlideFrame(const Rect& from, const Rect& to, uint32_t elapsedMs);

// Snaps a WM_SIZING drag rectangle so that its client size is a multiple of
// `increment`, keeping the side opposite the dragged one. A zero increment
// does not snap on that axis.
Rect SnapSizingRect(const Rect& drag, int side, Size frame, Point increment);

// The hit-test result for a docked bar, whose only sizing border is the one
// facing the screen; `result` is the default result, `client` the client
// area on screen. Results other than sizing borders pass unchanged.
int DockedHitTest(Edge edge, int result, Point p, const Rect& client, Point sizeInc);

}  // namespace olb
