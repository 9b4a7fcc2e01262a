// The colours of the parts the bar paints itself: its own design, or the
// system's colours when the user asks for High Contrast.
#pragma once

#include <cstdint>
#include <optional>
#include <variant>

#include "core/layout/title.h"
#include "core/platform/color.h"
#include "core/platform/strip_surface.h"

namespace olb {

// The system colours the bar paints with, numbered as the platform numbers
// them (its COLOR_* indexes).
enum class SystemColor : int32_t {
  Highlight = 13,
  ButtonFace = 15,
  GrayText = 17,
  ButtonText = 18,
};

// A colour of the design, or the system's colour of that name as it is when
// painted.
using PartColor = std::variant<Rgb, SystemColor>;

struct TitleColors {
  bool picture = true;  // the designed gradient picture behind the text
  PartColor text, background;
};

// The title strip: the designed picture and colours of `designed`, or in
// High Contrast plain button text on the button face.
TitleColors TitleColorsFor(const TitlePlacement& designed, bool highContrast);

struct StripColors {
  PartColor face;     // the whole strip
  PartColor outline;  // the arrow's edge (none for a blank strip)
  PartColor fill;     // the arrow's inside
};

// A scroll strip drawn with `look`: the form's face, an arrow in the
// designed blues, or in High Contrast an arrow of button text, in the
// highlight colour under the pointer.
StripColors StripColorsFor(StripLook look, bool highContrast);

// The Up button's glyph: none for the designed picture, or in High Contrast
// the colour its shape is painted in (gray text while it is disabled).
std::optional<SystemColor> UpGlyphTint(bool enabled, bool highContrast);

}  // namespace olb
