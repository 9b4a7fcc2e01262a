// The owner-data list's request for the item a key moves to in the icon
// views: the control names the focused item's position and the key, and
// the owner answers from where the items stand.
#pragma once

#include <cstdint>
#include <optional>

#include "core/platform/geometry.h"
#include "core/platform/list_scroll_port.h"

namespace olb {

// For an arrow key, the item on the nearest line beyond `from` in the key's
// direction (a line: the items level with each other across that
// direction), and on it the one closest across; the lowest index on a tie.
// Home: the first item; End: the last. Nothing for another key, an empty
// list, or no item beyond `from` (the selection stays).
std::optional<int32_t> NearestItem(ListScrollPort& list, Point from, uint16_t virtualKey);

}  // namespace olb
