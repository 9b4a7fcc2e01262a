// How long a bar fitted to its items is along its edge (or, floating, its
// height): the pure rule behind "Fit Bar to Items".
#pragma once

#include <cstdint>

namespace olb {

// The length one item takes before any pitch has been measured: a large
// icon's cell at 96 DPI.
inline constexpr int32_t kUnmeasuredItemLength = 75;

// The folder shown as the list lays it out.
struct ItemsToFit {
  int32_t count = 0;        // items in the folder shown
  int32_t perLine = 1;      // items side by side across the bar
  int32_t pitch = 0;        // from one line of items to the next along the bar; 0: unknown
  int32_t shownExtent = 0;  // the items' extent along the bar as the list reports it
};

// The window's outer length along the bar, in pixels at `dpi`, whose list
// shows every item when cut to whole pitches: whole lines of the pitch (at
// least the extent the list reports, at least one item), plus the strips
// and the slack the layout keeps beside the list. The bar's title strip
// and Up button lie beside the list too, so they always fit. The caller
// keeps the result within the edge.
int32_t FittedBarLength(const ItemsToFit& items, uint32_t dpi);

}  // namespace olb
