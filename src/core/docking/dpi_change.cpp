#include "core/docking/dpi_change.h"

namespace olb {
namespace {

// Window coordinates stay within 16 bits whatever the monitors.
bool WithinWindowRange(int32_t v) {
  return v >= INT16_MIN && v <= INT16_MAX;
}

}  // namespace

std::optional<DpiChange> CheckedDpiChange(uint32_t wParam, const std::optional<Rect>& suggested) {
  const uint32_t x = wParam & 0xFFFF, y = wParam >> 16;
  if (x != y || x < kMinDpi || x > kMaxDpi || !suggested) return std::nullopt;
  const Rect& r = *suggested;
  if (r.IsEmpty() || !WithinWindowRange(r.left) || !WithinWindowRange(r.top) ||
      !WithinWindowRange(r.right) || !WithinWindowRange(r.bottom)) {
    return std::nullopt;
  }
  return DpiChange{x, r};
}

}  // namespace olb
