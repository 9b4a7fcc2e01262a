// The registry port over advapi32's wide calls.
#pragma once

#include <windows.h>

#include "core/platform/registry.h"

namespace olb::win {

class Win32Registry : public Registry {
 public:
  std::optional<RegistryValue> Read(RegistryRoot root, std::string_view key,
                                    std::string_view name) override;
  bool Write(RegistryRoot root, std::string_view key, std::string_view name,
             const RegistryValue& value) override;
  bool WriteExisting(RegistryRoot root, std::string_view key, std::string_view name,
                     const RegistryValue& value) override;

 private:
  static bool SetValue(HKEY key, std::string_view name, const RegistryValue& value);
};

}  // namespace olb::win
