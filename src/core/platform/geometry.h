// Screen geometry value types shared by every subsystem.
#pragma once

#include <cstdint>

namespace olb {

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int32_t cx = 0;
  int32_t cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle with exclusive right and bottom edges, as a Win32 RECT.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  constexpr int32_t Width() const { return right - left; }
  constexpr int32_t Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  // Grows the rectangle by dx on the left and right and dy at the top and bottom
  // (negative values shrink it).
  constexpr Rect Inflated(int32_t dx, int32_t dy) const {
    return {left - dx, top - dy, right + dx, bottom + dy};
  }
  constexpr Rect MovedTo(int32_t x, int32_t y) const { return {x, y, x + Width(), y + Height()}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Overlap of two rectangles; empty (all zero) when they do not meet.
constexpr Rect Intersection(const Rect& a, const Rect& b) {
  Rect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
         a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
  return r.IsEmpty() ? Rect{} : r;
}

}  // namespace olb
