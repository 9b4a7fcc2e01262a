#include "core/wizard/autoload.h"

#include <stdexcept>
#include <string>

namespace olb {

void WriteAutoloadValue(Registry& registry, std::string_view exePath) {
  const RegistryValue value{static_cast<uint32_t>(RegistryType::String),
                            {exePath.begin(), exePath.end()}};
  // The Run key belongs to Windows: the bar writes into it but never makes it.
  if (!registry.WriteExisting(RegistryRoot::CurrentUser, kRunKey, kRunValueName, value)) {
    throw std::runtime_error("Failed to set data for '" + std::string(kRunValueName) + "'");
  }
}

}  // namespace olb
