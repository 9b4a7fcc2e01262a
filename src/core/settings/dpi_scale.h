// Pixel values between the 96-DPI design the settings record is stored in
// and a monitor's DPI.
#pragma once

#include <cstdint>

#include "core/platform/geometry.h"
#include "core/settings/bar_options.h"

namespace olb {

// The DPI the stored record, the form's design and its bitmaps are made for.
inline constexpr uint32_t kDesignDpi = 96;

// `value` at `fromDpi` expressed at `toDpi`, rounded to the nearest pixel
// (halves away from zero) and kept in the int32 range. A DPI of 0 counts as
// the design DPI.
int32_t ScaleForDpi(int32_t value, uint32_t fromDpi, uint32_t toDpi);
Rect ScaleForDpi(const Rect& r, uint32_t fromDpi, uint32_t toDpi);

// The record's pixel fields (thicknesses, floating rectangle) at another DPI.
BarOptions ScaleRecord(const BarOptions& record, uint32_t fromDpi, uint32_t toDpi);

}  // namespace olb
