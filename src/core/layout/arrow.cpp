#include "core/layout/arrow.h"

#include <array>
#include <cstddef>

namespace olb {

Triangle ForwardArrow(Size s, bool horizontalBar) {
  if (horizontalBar) return {{1, 1}, {1, s.cy - 1}, {s.cx - 1, (s.cy - 2) / 2}};
  return {{1, 1}, {s.cx - 1, 1}, {(s.cx - 2) / 2, s.cy - 1}};
}

Triangle BackArrow(Size s, bool horizontalBar) {
  if (horizontalBar) return {{s.cx - 1, 1}, {s.cx - 1, s.cy - 1}, {1, (s.cy - 2) / 2}};
  return {{1, s.cy - 1}, {s.cx - 1, s.cy - 1}, {(s.cx - 2) / 2, 1}};
}

bool InsideArrow(const Triangle& arrow, Point p) {
  const std::array<Point, 3> v{arrow.a, arrow.b, arrow.c};
  const double x = p.x;
  const double y = p.y;
  bool inside = false;
  for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
    const double xi = v[i].x, yi = v[i].y, xj = v[j].x, yj = v[j].y;
    // The half-open span excludes horizontal edges, so the division below
    // never divides by zero.
    const bool spans = (yi <= y && y < yj) || (yj <= y && y < yi);
    if (spans && x < xi + (xj - xi) * (y - yi) / (yj - yi)) inside = !inside;
  }
  return inside;
}

}  // namespace olb
