#include "core/layout/part_colors.h"

#include "core/layout/arrow.h"

namespace olb {

TitleColors TitleColorsFor(const TitlePlacement& designed, bool highContrast) {
  if (highContrast) return {false, SystemColor::ButtonText, SystemColor::ButtonFace};
  return {true, designed.text, designed.background};
}

StripColors StripColorsFor(StripLook look, bool highContrast) {
  if (!highContrast) return {SystemColor::ButtonFace, kArrowOutline, ArrowFill(look)};
  const SystemColor fill =
      look == StripLook::HoverArrow ? SystemColor::Highlight : SystemColor::ButtonText;
  return {SystemColor::ButtonFace, SystemColor::ButtonText, fill};
}

std::optional<SystemColor> UpGlyphTint(bool enabled, bool highContrast) {
  if (!highContrast) return std::nullopt;
  return enabled ? SystemColor::ButtonText : SystemColor::GrayText;
}

}  // namespace olb
