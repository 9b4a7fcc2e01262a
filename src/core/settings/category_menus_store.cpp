#include "core/settings/category_menus_store.h"

#include "core/settings/options_store.h"

namespace olb {

bool ReadCategoryMenus(Registry& registry) {
  return ReadOptionSwitch(registry, kCategoryMenusValueName);
}

bool WriteCategoryMenus(Registry& registry, bool on) {
  return WriteOptionSwitch(registry, kCategoryMenusValueName, on);
}

}  // namespace olb
