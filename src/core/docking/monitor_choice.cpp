#include "core/docking/monitor_choice.h"

#include <algorithm>
#include <cstdint>

namespace olb {
namespace {

// The gap between two spans on one axis; 0 when they overlap. Exclusive
// ends, as a RECT's.
int64_t Gap(int32_t lo1, int32_t hi1, int32_t lo2, int32_t hi2) {
  if (int64_t{hi1} <= lo2) return int64_t{lo2} - hi1 + 1;
  if (int64_t{hi2} <= lo1) return int64_t{lo1} - hi2 + 1;
  return 0;
}

// The squared distance between two rectangles (a point is a 1 x 1 one).
int64_t Distance(const Rect& a, const Rect& b) {
  const int64_t dx = Gap(a.left, a.right, b.left, b.right);
  const int64_t dy = Gap(a.top, a.bottom, b.top, b.bottom);
  return dx * dx + dy * dy;
}

int64_t Area(const Rect& r) {
  return r.IsEmpty() ? 0 : int64_t{r.Width()} * r.Height();
}

size_t Nearest(const std::vector<MonitorInfo>& monitors, const Rect& rc) {
  size_t best = 0;
  for (size_t i = 1; i < monitors.size(); ++i) {
    if (Distance(monitors[i].area, rc) < Distance(monitors[best].area, rc)) best = i;
  }
  return best;
}

}  // namespace

size_t MonitorAt(const std::vector<MonitorInfo>& monitors, Point p) {
  for (size_t i = 0; i < monitors.size(); ++i) {
    if (monitors[i].area.Contains(p)) return i;
  }
  const int32_t right = p.x == INT32_MAX ? p.x : p.x + 1;
  const int32_t bottom = p.y == INT32_MAX ? p.y : p.y + 1;
  return Nearest(monitors, {p.x, p.y, right, bottom});
}

size_t MonitorOfRect(const std::vector<MonitorInfo>& monitors, const Rect& rc) {
  size_t best = 0;
  int64_t bestArea = 0;
  for (size_t i = 0; i < monitors.size(); ++i) {
    const int64_t shared = Area(Intersection(monitors[i].area, rc));
    if (shared > bestArea) {
      best = i;
      bestArea = shared;
    }
  }
  return bestArea > 0 ? best : Nearest(monitors, rc);
}

size_t PrimaryMonitor(const std::vector<MonitorInfo>& monitors) {
  const auto it = std::find_if(monitors.begin(), monitors.end(),
                               [](const MonitorInfo& m) { return m.primary; });
  return it == monitors.end() ? 0 : static_cast<size_t>(it - monitors.begin());
}

std::optional<size_t> FindMonitor(const std::vector<MonitorInfo>& monitors,
                                  const MonitorPlace& place) {
  for (size_t i = 0; i < monitors.size(); ++i) {
    if (!place.device.empty() && monitors[i].device == place.device) return i;
  }
  for (size_t i = 0; i < monitors.size(); ++i) {
    if (monitors[i].area == place.area) return i;
  }
  return std::nullopt;
}

bool IsInnerEdge(const std::vector<MonitorInfo>& monitors, const Rect& area, Edge edge) {
  // The line of pixels just beyond the edge.
  Rect beyond = area;
  switch (edge) {
    case Edge::Left:
      beyond = {area.left - 1, area.top, area.left, area.bottom};
      break;
    case Edge::Top:
      beyond = {area.left, area.top - 1, area.right, area.top};
      break;
    case Edge::Right:
      beyond = {area.right, area.top, area.right + 1, area.bottom};
      break;
    case Edge::Bottom:
      beyond = {area.left, area.bottom, area.right, area.bottom + 1};
      break;
    default:
      return false;
  }
  return std::any_of(monitors.begin(), monitors.end(),
                     [&](const MonitorInfo& m) { return !Intersection(m.area, beyond).IsEmpty(); });
}

}  // namespace olb
