// Guards against a stored record that would put the bar out of reach.
#pragma once

#include "core/platform/geometry.h"
#include "core/settings/bar_options.h"

namespace olb {

// The thinnest a bar may be placed; also the minimum tracking width.
inline constexpr int32_t kMinBarThickness = 20;

struct ScreenAreas {
  Rect virtualScreen;  // all monitors
  Rect workArea;       // the primary monitor's work area
};

// The record as it is to be placed on screen. Only the placement is
// corrected, never the stored record:
//  - a docked thickness below 20 pixels is placed as 20, and one beyond
//    half the screen's extent across that edge as that half;
//  - an empty floating rectangle is placed as `defaultFloat`;
//  - a floating rectangle meeting the virtual screen by less than 20 x 20
//    pixels is moved onto the primary work area, keeping its size.
// `thickness` within [20, max(20, extent / 2)].
uint32_t ReachableThickness(uint32_t thickness, int32_t extent);

BarOptions PlaceableOptions(const BarOptions& live, const Rect& defaultFloat,
                            const ScreenAreas& screen);

// `r` wholly inside `area`: no larger than it on either axis (keeping its
// top-left corner where it fits) and moved onto it where it overhangs.
Rect WhollyWithin(const Rect& r, const Rect& area);

}  // namespace olb
