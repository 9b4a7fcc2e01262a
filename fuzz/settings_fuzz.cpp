// Any stored value, of any length, through the record's reading rules, the
// scaling to a monitor's DPI and the placement guard: no crash, a live copy
// of Size 48 whose edge is one the bar knows, pixel fields scaled to the
// nearest pixel and nothing else changed, and a placement on the screen.
// The same bytes as a portable copy's settings file: no crash, within the
// bounds, and what is read is written back to the same values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/settings/dpi_scale.h"
#include "core/settings/options_store.h"
#include "core/settings/placement.h"
#include "core/settings/portable_values.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace olb;
  // The input as it stands (an older copy's file) and after the format's
  // mark, which an empty file of the format is.
  std::vector<uint8_t> marked = *EncodePortableValues({});
  marked.insert(marked.end(), data, data + size);
  for (const std::vector<uint8_t>& bytes : {std::vector<uint8_t>(data, data + size), marked}) {
    const std::vector<NamedValue> values = DecodePortableValues(bytes);
    if (values.size() > kPortableValueLimit) std::abort();
    const auto file = EncodePortableValues(values);
    if (!file || DecodePortableValues(*file) != values) std::abort();
  }

  // The first byte picks the monitor's DPI, 96 to 480 in steps of 24.
  const uint32_t dpi = size > 0 ? kDesignDpi + 24 * (data[0] % 17) : kDesignDpi;
  const RegistryValue stored{3, {data + (size > 0), data + size}};
  const LoadedOptions read = MergeStoredOptions(InitialOptions(), {277, 204, 377, 549}, stored);
  LoadedOptions loaded = read;
  loaded.live = ScaleRecord(read.live, kDesignDpi, dpi);

  // Each pixel field within half a pixel of its exact scaled value (or kept
  // when it cannot be scaled); every other field as it was read.
  const auto near = [&](int64_t design, int64_t scaled) {
    const int64_t exact = design * dpi;  // the scaled value times 96
    const int64_t error = scaled * kDesignDpi - exact;
    return (error >= -48 && error <= 48) || scaled == INT32_MAX || scaled == INT32_MIN;
  };
  for (size_t e = 0; e < 4; ++e) {
    const uint32_t design = read.live.DockSize[e], scaled = loaded.live.DockSize[e];
    if (design > static_cast<uint32_t>(INT32_MAX) ? scaled != design : !near(design, scaled)) {
      std::abort();
    }
  }
  const Rect& d = read.live.FloatRect;
  const Rect& f = loaded.live.FloatRect;
  if (!near(d.left, f.left) || !near(d.top, f.top) || !near(d.right, f.right) ||
      !near(d.bottom, f.bottom)) {
    std::abort();
  }
  BarOptions unscaled = loaded.live;
  unscaled.DockSize = read.live.DockSize;
  unscaled.FloatRect = read.live.FloatRect;
  if (unscaled != read.live) std::abort();
  if (loaded.live.Size != kBarOptionsBytes) std::abort();
  const int32_t edge = ToInt(loaded.live.Edge);
  if (edge < -2 || edge > 3 || edge == -1) std::abort();

  const ScreenAreas screen{{0, 0, 1024, 768}, {0, 0, 1024, 738}};
  const BarOptions placed = PlaceableOptions(loaded.live, {277, 204, 377, 549}, screen);
  for (uint32_t t : placed.DockSize)
    if (t < static_cast<uint32_t>(kMinBarThickness) || t > 512) std::abort();
  const Rect seen = Intersection(placed.FloatRect, screen.virtualScreen);
  if (seen.Width() < kMinBarThickness && placed.FloatRect.Width() >= kMinBarThickness) std::abort();
  return 0;
}
