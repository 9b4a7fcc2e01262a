#include "core/settings/category_menus_store.h"

#include <cstdint>

#include "core/settings/options_store.h"

namespace olb {

bool ReadCategoryMenus(Registry& registry) {
  const std::optional<RegistryValue> stored =
      registry.Read(RegistryRoot::CurrentUser, kOptionsKey, kCategoryMenusValueName);
  if (!stored || stored->type != static_cast<uint32_t>(RegistryType::Dword) ||
      stored->data.size() != 4) {
    return false;
  }
  const std::vector<uint8_t>& d = stored->data;
  return d[0] == 1 && d[1] == 0 && d[2] == 0 && d[3] == 0;
}

bool WriteCategoryMenus(Registry& registry, bool on) {
  const RegistryValue value{static_cast<uint32_t>(RegistryType::Dword),
                            {static_cast<uint8_t>(on ? 1 : 0), 0, 0, 0}};
  return registry.Write(RegistryRoot::CurrentUser, kOptionsKey, kCategoryMenusValueName, value);
}

}  // namespace olb
