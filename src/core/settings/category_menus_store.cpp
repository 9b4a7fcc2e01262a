#include "core/settings/category_menus_store.h"

#include "core/settings/options_store.h"

namespace olb {

bool ReadCategoryMenus(Registry& registry) {
  return ReadOptionNumber(registry, kCategoryMenusValueName) == 1u;
}

bool WriteCategoryMenus(Registry& registry, bool on) {
  return WriteOptionNumber(registry, kCategoryMenusValueName, on ? 1 : 0);
}

}  // namespace olb
