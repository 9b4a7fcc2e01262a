// Whether the bar is only as long as its items need (Fit Bar to Items),
// kept as its own on/off value beside the settings record; off, as a
// first start has it, the bar spans its whole edge.
#pragma once

#include <string_view>

#include "core/platform/registry.h"
#include "core/settings/options_store.h"

namespace olb {

inline constexpr std::string_view kFitToItemsValueName = "FitToItems";

inline bool ReadFitToItems(Registry& registry) {
  return ReadOptionSwitch(registry, kFitToItemsValueName);
}
inline bool WriteFitToItems(Registry& registry, bool on) {
  return WriteOptionSwitch(registry, kFitToItemsValueName, on);
}

}  // namespace olb
