#include "core/settings/view_store.h"

#include <cstdint>

#include "core/settings/options_store.h"

namespace olb {

ViewMode ReadViewMode(Registry& registry) {
  switch (ReadOptionNumber(registry, kViewValueName).value_or(0)) {
    case 1:
      return ViewMode::SmallIcons;
    case 2:
      return ViewMode::ExtraLargeIcons;
    default:
      return ViewMode::LargeIcons;
  }
}

bool WriteViewMode(Registry& registry, ViewMode mode) {
  uint32_t n = 0;
  switch (mode) {
    case ViewMode::LargeIcons:
      n = 0;
      break;
    case ViewMode::SmallIcons:
      n = 1;
      break;
    case ViewMode::ExtraLargeIcons:
      n = 2;
      break;
  }
  return WriteOptionNumber(registry, kViewValueName, n);
}

}  // namespace olb
