#include "core/settings/view_store.h"

#include <cstdint>

#include "core/settings/options_store.h"

namespace olb {

ViewMode ReadViewMode(Registry& registry) {
  const std::optional<RegistryValue> stored =
      registry.Read(RegistryRoot::CurrentUser, kOptionsKey, kViewValueName);
  if (!stored || stored->type != static_cast<uint32_t>(RegistryType::Dword) ||
      stored->data.size() != 4) {
    return ViewMode::LargeIcons;
  }
  const std::vector<uint8_t>& d = stored->data;
  const uint32_t n = d[0] | d[1] << 8 | d[2] << 16 | static_cast<uint32_t>(d[3]) << 24;
  switch (n) {
    case 1:
      return ViewMode::SmallIcons;
    case 2:
      return ViewMode::ExtraLargeIcons;
    default:
      return ViewMode::LargeIcons;
  }
}

bool WriteViewMode(Registry& registry, ViewMode mode) {
  uint8_t n = 0;
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
  const RegistryValue value{static_cast<uint32_t>(RegistryType::Dword), {n, 0, 0, 0}};
  return registry.Write(RegistryRoot::CurrentUser, kOptionsKey, kViewValueName, value);
}

}  // namespace olb
