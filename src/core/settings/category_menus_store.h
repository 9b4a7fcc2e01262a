// Whether a click on a category opens it as a cascading menu, kept as its
// own value beside the settings record.
#pragma once

#include <string_view>

#include "core/platform/registry.h"

namespace olb {

inline constexpr std::string_view kCategoryMenusValueName = "CategoryMenus";

// The stored choice: a 4-byte number, 1 on. Anything else (missing, another
// type or length, another number) is off, as a first start has it.
bool ReadCategoryMenus(Registry& registry);

// Writes the choice; false when it could not be written.
bool WriteCategoryMenus(Registry& registry, bool on);

}  // namespace olb
