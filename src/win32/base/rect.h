// The one conversion between the core's Rect and Win32's RECT: both keep
// exclusive right and bottom edges, so the fields copy across unchanged.
#pragma once

#include <windows.h>

#include "core/platform/geometry.h"

namespace olb::win {

inline Rect ToRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

inline RECT ToRECT(const Rect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace olb::win
