// WM_DPICHANGED as it may reach the bar from any program: the values are
// taken only when the system could have sent them.
#pragma once

#include <cstdint>
#include <optional>

#include "core/platform/geometry.h"

namespace olb {

// The DPIs a monitor can have: 50 % to 1000 % of 96.
inline constexpr uint32_t kMinDpi = 48;
inline constexpr uint32_t kMaxDpi = 960;

struct DpiChange {
  uint32_t dpi = 0;
  Rect suggested{};  // the window's rectangle at the new DPI
};

// `wParam` carries the new DPI in both halves (the same along both axes);
// `suggested` is the rectangle lParam points to, none when it could not be
// read. None when either is out of what a monitor and a window can be.
std::optional<DpiChange> CheckedDpiChange(uint32_t wParam, const std::optional<Rect>& suggested);

}  // namespace olb
