#include "core/layout/item_pitch.h"

#include <algorithm>
#include <vector>

namespace olb {

int32_t PitchAcrossLines(std::span<const Point> positions, bool horizontalBar) {
  std::vector<int64_t> along;
  along.reserve(positions.size());
  for (const Point& p : positions) along.push_back(horizontalBar ? p.x : p.y);
  std::sort(along.begin(), along.end());
  int64_t best = 0;
  for (size_t i = 1; i < along.size(); ++i) {
    const int64_t d = along[i] - along[i - 1];
    if (d > 0 && (best == 0 || d < best)) best = d;
  }
  return static_cast<int32_t>(std::min<int64_t>(best, INT32_MAX));
}

int32_t ItemsPerLine(std::span<const Point> positions, bool horizontalBar) {
  if (positions.empty()) return 1;
  const auto along = [horizontalBar](Point p) { return horizontalBar ? p.x : p.y; };
  const int32_t first = along(positions.front());
  return static_cast<int32_t>(std::count_if(positions.begin(), positions.end(),
                                            [&](Point p) { return along(p) == first; }));
}

std::optional<int32_t> SnapListExtent(int32_t span, int32_t pitch) {
  if (pitch <= 0) return std::nullopt;
  // A span shorter than one pitch (a column wider than a top bar) is left
  // whole: cut to 0 the list would vanish with no way to see any item.
  if (span > 0 && span < pitch) return span;
  return span / pitch * pitch;
}

}  // namespace olb
