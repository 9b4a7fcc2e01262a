// The system's High Contrast setting and its colours, for the parts the bar
// paints itself with colours of its own design.
#pragma once

#include <windows.h>

#include "core/platform/color.h"

namespace olb::win {

// Whether the user asked for High Contrast colours.
bool HighContrastOn();

// A system colour (COLOR_BTNFACE ...).
Rgb SystemRgb(int index);

}  // namespace olb::win
