#include "core/docking/dock_geometry.h"

#include <algorithm>
#include <cstdlib>

#include "core/platform/window_codes.h"

namespace olb {

Edge EdgeFromPoint(uint32_t flags, Point p, Size screen, const Rect& floatZone) {
  const bool leftRight = (flags & kAllowLeftRight) != 0;
  const bool topBottom = (flags & kAllowTopBottom) != 0;
  if ((flags & kAllowAnywhere) == 0) return Edge::Float;
  if ((flags & kAllowFloat) != 0 && (floatZone.Contains(p) || (!leftRight && !topBottom))) {
    return Edge::Float;
  }
  // 64-bit products: a message position may lie far off screen.
  const int64_t dx = int64_t{p.x} - screen.cx / 2;
  const int64_t dy = int64_t{p.y} - screen.cy / 2;
  const bool nearLeftRight = std::llabs(dy) * screen.cx <= std::llabs(dx) * screen.cy;
  if (nearLeftRight && leftRight) return dx < 0 ? Edge::Left : Edge::Right;
  if (topBottom) return dy < 0 ? Edge::Top : Edge::Bottom;
  return dx < 0 ? Edge::Left : Edge::Right;
}

Rect CutAlongEdge(Rect rc, Edge edge, int32_t length) {
  if (!IsDocked(edge)) return rc;
  if (IsHorizontal(edge)) {
    rc.right = rc.left + std::clamp(length, 1, std::max(rc.Width(), 1));
  } else {
    rc.bottom = rc.top + std::clamp(length, 1, std::max(rc.Height(), 1));
  }
  return rc;
}

Rect CutToEdge(Rect rc, Edge edge, int32_t thickness) {
  switch (edge) {
    case Edge::Left:
      rc.right = rc.left + thickness;
      break;
    case Edge::Top:
      rc.bottom = rc.top + thickness;
      break;
    case Edge::Right:
      rc.left = rc.right - thickness;
      break;
    case Edge::Bottom:
      rc.top = rc.bottom - thickness;
      break;
    default:
      break;
  }
  return rc;
}

Rect AutoHidePlace(const Rect& rc, Edge edge, bool show, Size screen, Size border) {
  const int32_t w = rc.Width();
  const int32_t h = rc.Height();
  switch (edge) {
    case Edge::Left:
      return rc.MovedTo(show ? 0 : 2 * border.cx - w, 0);
    case Edge::Top:
      return rc.MovedTo(0, show ? 0 : 2 * border.cy - h);
    case Edge::Right:
      return rc.MovedTo(show ? screen.cx - w : screen.cx - 2 * border.cx, 0);
    case Edge::Bottom:
      return rc.MovedTo(0, show ? screen.cy - h : screen.cy - 2 * border.cy);
    default:
      return rc;
  }
}

namespace {

int32_t Step(int32_t from, int32_t to, uint32_t elapsedMs) {
  // C++ division truncates toward zero, as the slide requires.
  const int64_t moved = (int64_t{from} - to) * elapsedMs / kSlideMs;
  return static_cast<int32_t>(from - moved);
}

// Rounds a client extent to the nearest multiple of `inc` and adds the frame back.
int32_t Snapped(int32_t outer, int32_t frame, int32_t inc) {
  if (inc == 0) return outer;
  return ((outer - frame + inc / 2) / inc) * inc + frame;
}

}  // namespace

Rect SlideFrame(const Rect& from, const Rect& to, uint32_t elapsedMs) {
  const int32_t x = Step(from.left, to.left, elapsedMs);
  const int32_t y = Step(from.top, to.top, elapsedMs);
  const int32_t w = Step(from.Width(), to.Width(), elapsedMs);
  const int32_t h = Step(from.Height(), to.Height(), elapsedMs);
  return {x, y, x + w, y + h};
}

Rect SnapSizingRect(const Rect& drag, int side, Size frame, Point increment) {
  const int32_t cw = Snapped(drag.Width(), frame.cx, increment.x);
  const int32_t ch = Snapped(drag.Height(), frame.cy, increment.y);
  Rect r = drag;
  const bool left = side == sizing::Left || side == sizing::TopLeft || side == sizing::BottomLeft;
  const bool right =
      side == sizing::Right || side == sizing::TopRight || side == sizing::BottomRight;
  const bool top = side == sizing::Top || side == sizing::TopLeft || side == sizing::TopRight;
  const bool bottom =
      side == sizing::Bottom || side == sizing::BottomLeft || side == sizing::BottomRight;
  if (left) r.left = r.right - cw;
  if (right) r.right = r.left + cw;
  if (top) r.top = r.bottom - ch;
  if (bottom) r.bottom = r.top + ch;
  return r;
}

int DockedHitTest(Edge edge, int result, Point p, const Rect& client, Point sizeInc) {
  if (!IsDocked(edge) || result < hit::Left || result > hit::BottomRight) return result;
  const int32_t across = IsHorizontal(edge) ? sizeInc.y : sizeInc.x;
  if (across == 0) return hit::Border;
  if (edge == Edge::Left && p.x > client.right) return hit::Right;
  if (edge == Edge::Top && p.y > client.bottom) return hit::Bottom;
  if (edge == Edge::Right && p.x < client.left) return hit::Left;
  if (edge == Edge::Bottom && p.y < client.top) return hit::Top;
  return hit::Border;
}

}  // namespace olb
