// The system's High Contrast setting and its colours, for the parts the bar
// paints itself with colours of its own design.
#pragma once

#include <windows.h>

#include "core/layout/part_colors.h"
#include "core/platform/color.h"

namespace olb::win {

// Whether the user asked for High Contrast colours.
bool HighContrastOn();

// A system colour (COLOR_BTNFACE ...).
Rgb SystemRgb(int index);

// A part's colour as it is now: the design's, or the system's.
Rgb PartRgb(const PartColor& color);

}  // namespace olb::win
