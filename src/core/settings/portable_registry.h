// The registry as a portable copy sees it: the settings record lives in a
// small file beside the program, so that nothing of it is left on the
// computer: every value of the program's key, whatever its name. Every
// other key (file types, the Run value the user asks for) is the system's.
#pragma once

#include "core/platform/registry.h"
#include "core/platform/settings_file.h"
#include "core/settings/portable_values.h"

namespace olb {

// A file of this name beside the program makes it a portable copy: its
// shortcuts folder is then the folder "Ovel Launch Bar" beside the program
// and its settings are kept in kPortableSettingsFile there.
inline constexpr std::string_view kPortableMarker = "Portable.txt";
inline constexpr std::string_view kPortableSettingsFile = "Settings.dat";

class PortableRegistry : public Registry {
 public:
  PortableRegistry(Registry& system, SettingsFile& file) : system_(system), file_(file) {}

  std::optional<RegistryValue> Read(RegistryRoot root, std::string_view key,
                                    std::string_view name) override;
  bool Write(RegistryRoot root, std::string_view key, std::string_view name,
             const RegistryValue& value) override;
  bool WriteExisting(RegistryRoot root, std::string_view key, std::string_view name,
                     const RegistryValue& value) override;
  bool DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) override;

 private:
  std::vector<NamedValue> Load();
  bool Save(const std::vector<NamedValue>& values);

  Registry& system_;
  SettingsFile& file_;
};

}  // namespace olb
