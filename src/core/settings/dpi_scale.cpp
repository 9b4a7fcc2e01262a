#include "core/settings/dpi_scale.h"

#include <algorithm>
#include <cstdlib>

namespace olb {
namespace {

uint32_t OrDesign(uint32_t dpi) {
  return dpi == 0 ? kDesignDpi : dpi;
}

}  // namespace

int32_t ScaleForDpi(int32_t value, uint32_t fromDpi, uint32_t toDpi) {
  const int64_t from = OrDesign(fromDpi);
  const int64_t to = OrDesign(toDpi);
  if (from == to) return value;
  const int64_t product = int64_t{value} * to;
  const int64_t rounded = (std::llabs(product) + from / 2) / from;
  const int64_t scaled = product < 0 ? -rounded : rounded;
  return static_cast<int32_t>(std::clamp<int64_t>(scaled, INT32_MIN, INT32_MAX));
}

Rect ScaleForDpi(const Rect& r, uint32_t fromDpi, uint32_t toDpi) {
  return {ScaleForDpi(r.left, fromDpi, toDpi), ScaleForDpi(r.top, fromDpi, toDpi),
          ScaleForDpi(r.right, fromDpi, toDpi), ScaleForDpi(r.bottom, fromDpi, toDpi)};
}

BarOptions ScaleRecord(const BarOptions& record, uint32_t fromDpi, uint32_t toDpi) {
  BarOptions scaled = record;
  for (uint32_t& thickness : scaled.DockSize) {
    // Thicknesses are unsigned in the record; a value beyond int32 is kept.
    if (thickness <= static_cast<uint32_t>(INT32_MAX)) {
      thickness = static_cast<uint32_t>(
          std::max(0, ScaleForDpi(static_cast<int32_t>(thickness), fromDpi, toDpi)));
    }
  }
  scaled.FloatRect = ScaleForDpi(record.FloatRect, fromDpi, toDpi);
  return scaled;
}

}  // namespace olb
