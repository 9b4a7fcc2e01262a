#include "core/settings/portable_registry.h"

#include "core/paths/path_text.h"
#include "core/settings/bar_options.h"
#include "core/settings/options_store.h"

namespace olb {
namespace {

// The program's own settings key, as Windows compares key names.
bool IsSettingsKey(RegistryRoot root, std::string_view key) {
  return root == RegistryRoot::CurrentUser && EqualNoCase(key, kOptionsKey);
}

bool IsRecord(std::string_view name) {
  return EqualNoCase(name, kOptionsValueName);
}

}  // namespace

std::optional<RegistryValue> PortableRegistry::Read(RegistryRoot root, std::string_view key,
                                                    std::string_view name) {
  if (!IsSettingsKey(root, key)) return system_.Read(root, key, name);
  if (!IsRecord(name)) return std::nullopt;
  // One byte more than a record: a longer file reads as too long, as a
  // longer registry value would, without reading all of it.
  auto bytes = file_.Load(kBarOptionsBytes + 1);
  if (!bytes) return std::nullopt;
  return RegistryValue{static_cast<uint32_t>(RegistryType::Binary), std::move(*bytes)};
}

bool PortableRegistry::Write(RegistryRoot root, std::string_view key, std::string_view name,
                             const RegistryValue& value) {
  if (!IsSettingsKey(root, key)) return system_.Write(root, key, name, value);
  // The file holds the record's bytes and nothing else.
  return IsRecord(name) && value.type == static_cast<uint32_t>(RegistryType::Binary) &&
         file_.Save(value.data);
}

bool PortableRegistry::WriteExisting(RegistryRoot root, std::string_view key, std::string_view name,
                                     const RegistryValue& value) {
  if (!IsSettingsKey(root, key)) return system_.WriteExisting(root, key, name, value);
  return Write(root, key, name, value);
}

bool PortableRegistry::DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) {
  if (!IsSettingsKey(root, key)) return system_.DeleteValue(root, key, name);
  return !IsRecord(name) || file_.Save({});
}

}  // namespace olb
