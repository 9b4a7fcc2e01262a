// The registry port over advapi32's wide calls. The current user's root is
// HKEY_CURRENT_USER unless another open key is given: tests hand in a key of
// their own, so that nothing they do reaches the user's real values.
#pragma once

#include <windows.h>

#include "core/platform/registry.h"

namespace olb::win {

class Win32Registry : public Registry {
 public:
  // `currentUser` is borrowed and must stay open while this object is used.
  explicit Win32Registry(HKEY currentUser = HKEY_CURRENT_USER) : currentUser_(currentUser) {}

  std::optional<RegistryValue> Read(RegistryRoot root, std::string_view key,
                                    std::string_view name) override;
  bool Write(RegistryRoot root, std::string_view key, std::string_view name,
             const RegistryValue& value) override;
  bool WriteExisting(RegistryRoot root, std::string_view key, std::string_view name,
                     const RegistryValue& value) override;
  bool DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) override;

 private:
  HKEY RootKey(RegistryRoot root) const;
  static bool SetValue(HKEY key, std::string_view name, const RegistryValue& value);

  HKEY currentUser_;
};

}  // namespace olb::win
