// Paints the title strip: the gradient bitmap stretched over the strip and
// the title written along it.
#pragma once

#include <windows.h>

#include <string_view>

#include "core/layout/title.h"

namespace olb::win {

// Draws into `dc`, whose origin is the strip's top-left corner. Failures are
// swallowed: the strip then stays as far as it was drawn.
void PaintTitle(HDC dc, HINSTANCE resources, const TitlePlacement& placement,
                std::string_view text);

}  // namespace olb::win
