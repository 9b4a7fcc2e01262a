#include "core/docking/auto_hide_timers.h"

namespace olb {

Point UnpackMessagePos(uint32_t packed) {
  return {static_cast<int16_t>(packed & 0xFFFFu), static_cast<int16_t>(packed >> 16)};
}

bool SlideInIsDue(bool barIsActive, Point messagePos, const Rect& barWindow,
                  Size doubleClickDistance) {
  // While the bar is active (an item being renamed, say) it stays out.
  if (barIsActive) return false;
  // Widened in 64 bits: the metrics and rectangle come from the platform and
  // are not trusted to leave room.
  const int64_t dx = 2 * int64_t{doubleClickDistance.cx};
  const int64_t dy = 2 * int64_t{doubleClickDistance.cy};
  const bool inside = messagePos.x >= barWindow.left - dx && messagePos.x < barWindow.right + dx &&
                      messagePos.y >= barWindow.top - dy && messagePos.y < barWindow.bottom + dy;
  return !inside;
}

bool RevealTimer::OnNcMouseMove() {
  if (running_) return false;
  running_ = true;
  return true;
}

bool RevealTimer::OnTick(Point cursor, const Rect& barWindow) {
  running_ = false;
  return barWindow.Contains(cursor);
}

}  // namespace olb
