#include "core/layout/fit_to_items.h"

#include <algorithm>

#include "core/layout/bar_layout.h"
#include "core/settings/dpi_scale.h"

namespace olb {

int32_t FittedBarLength(const ItemsToFit& items, uint32_t dpi) {
  if (dpi == 0) dpi = kDesignDpi;
  const int64_t perLine = std::max(items.perLine, 1);
  const int64_t lines = std::max<int64_t>((int64_t{items.count} + perLine - 1) / perLine, 1);
  const int64_t onePitch =
      items.pitch > 0 ? items.pitch : ScaleForDpi(kUnmeasuredItemLength, kDesignDpi, dpi);
  const int64_t extent = std::max(lines * onePitch, int64_t{items.shownExtent});
  // The layout scales a length to 96 DPI and back: a pixel or two may go
  // on the way, and a list a pixel short of its last line would cut it.
  const int64_t rounding = dpi == kDesignDpi ? 0 : dpi / kDesignDpi + 1;
  const int64_t length = extent + ScaleForDpi(kLengthBesideSpan, kDesignDpi, dpi) + rounding;
  return static_cast<int32_t>(std::min<int64_t>(length, INT32_MAX));
}

}  // namespace olb
