#include "core/settings/portable_registry.h"

#include <algorithm>

#include "core/paths/path_text.h"
#include "core/settings/options_store.h"
#include "core/settings/portable_values.h"

namespace olb {
namespace {

// The program's own settings key, as Windows compares key names.
bool IsSettingsKey(RegistryRoot root, std::string_view key) {
  return root == RegistryRoot::CurrentUser && EqualNoCase(key, kOptionsKey);
}

std::vector<NamedValue>::iterator Find(std::vector<NamedValue>& values, std::string_view name) {
  return std::find_if(values.begin(), values.end(),
                      [&](const NamedValue& v) { return EqualNoCase(v.name, name); });
}

}  // namespace

std::vector<NamedValue> PortableRegistry::Load() {
  // Up to the bound: an entry it cuts off is dropped, so that what is read
  // can always be written back.
  const std::optional<std::vector<uint8_t>> bytes = file_.Load(kPortableFileLimit);
  return bytes ? DecodePortableValues(*bytes) : std::vector<NamedValue>{};
}

bool PortableRegistry::Save(const std::vector<NamedValue>& values) {
  const std::optional<std::vector<uint8_t>> bytes = EncodePortableValues(values);
  return bytes && file_.Save(*bytes);
}

std::optional<RegistryValue> PortableRegistry::Read(RegistryRoot root, std::string_view key,
                                                    std::string_view name) {
  if (!IsSettingsKey(root, key)) return system_.Read(root, key, name);
  std::vector<NamedValue> values = Load();
  const auto found = Find(values, name);
  if (found == values.end()) return std::nullopt;
  return std::move(found->value);
}

bool PortableRegistry::Write(RegistryRoot root, std::string_view key, std::string_view name,
                             const RegistryValue& value) {
  if (!IsSettingsKey(root, key)) return system_.Write(root, key, name, value);
  std::vector<NamedValue> values = Load();
  const auto found = Find(values, name);
  if (found != values.end()) {
    found->value = value;
  } else {
    values.push_back({std::string(name), value});
  }
  return Save(values);
}

bool PortableRegistry::WriteExisting(RegistryRoot root, std::string_view key, std::string_view name,
                                     const RegistryValue& value) {
  if (!IsSettingsKey(root, key)) return system_.WriteExisting(root, key, name, value);
  return Write(root, key, name, value);
}

bool PortableRegistry::DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) {
  if (!IsSettingsKey(root, key)) return system_.DeleteValue(root, key, name);
  std::vector<NamedValue> values = Load();
  const auto found = Find(values, name);
  if (found == values.end()) return true;
  values.erase(found);
  return Save(values);
}

}  // namespace olb
