// Any stored value, of any length, through the record's reading rules and
// the placement guard: no crash, a live copy of Size 48 whose edge is one the
// bar knows, and a placement on the screen.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/settings/options_store.h"
#include "core/settings/placement.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace olb;
  const RegistryValue stored{3, {data, data + size}};
  const LoadedOptions loaded = MergeStoredOptions(InitialOptions(), {277, 204, 377, 549}, stored);
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
