#include "core/layout/nearest_item.h"

#include <cstdlib>

#include "core/folder/list_keys.h"

namespace olb {

std::optional<int32_t> NearestItem(ListScrollPort& list, Point from, uint16_t virtualKey) {
  const int32_t count = list.ItemCount();
  if (count <= 0) return std::nullopt;
  if (virtualKey == kVkHome) return 0;
  if (virtualKey == kVkEnd) return count - 1;
  const bool vertical = virtualKey == kVkUp || virtualKey == kVkDown;
  if (!vertical && virtualKey != kVkLeft && virtualKey != kVkRight) return std::nullopt;
  const int64_t sign = (virtualKey == kVkDown || virtualKey == kVkRight) ? 1 : -1;
  std::optional<int32_t> best;
  int64_t bestAlong = 0, bestAcross = 0;
  for (int32_t i = 0; i < count; ++i) {
    const Point p = list.ItemPosition(i);
    // Distances in 64 bits: positions may lie anywhere in 32.
    const int64_t along = sign * (vertical ? int64_t{p.y} - from.y : int64_t{p.x} - from.x);
    if (along <= 0) continue;  // level with `from` or behind it
    const int64_t across = std::llabs(vertical ? int64_t{p.x} - from.x : int64_t{p.y} - from.y);
    if (!best || along < bestAlong || (along == bestAlong && across < bestAcross)) {
      best = i;
      bestAlong = along;
      bestAcross = across;
    }
  }
  return best;
}

}  // namespace olb
