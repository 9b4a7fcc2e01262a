#include "win32/base/high_contrast.h"

#include <variant>

namespace olb::win {

bool HighContrastOn() {
  HIGHCONTRASTW hc{};
  hc.cbSize = sizeof hc;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0) &&
         (hc.dwFlags & HCF_HIGHCONTRASTON);
}

Rgb SystemRgb(int index) {
  const COLORREF c = GetSysColor(index);
  return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

Rgb PartRgb(const PartColor& color) {
  if (const auto* system = std::get_if<SystemColor>(&color))
    return SystemRgb(static_cast<int>(*system));
  return std::get<Rgb>(color);
}

}  // namespace olb::win
