// The view mode, kept as its own value beside the settings record.
#pragma once

#include <string_view>

#include "core/layout/view_mode.h"
#include "core/platform/registry.h"

namespace olb {

inline constexpr std::string_view kViewValueName = "View";

// The stored mode: a 4-byte number, 0 large, 1 small, 2 extra-large icons.
// Anything else (missing, another type or length, an unknown number) is
// large icons, the mode a first start shows.
ViewMode ReadViewMode(Registry& registry);

// Writes the mode; false when it could not be written.
bool WriteViewMode(Registry& registry, ViewMode mode);

}  // namespace olb
