#include "sim/memory_registry.h"

#include "core/paths/path_text.h"

namespace olb::sim {

MemoryRegistry::KeyId MemoryRegistry::MakeKey(RegistryRoot root, std::string_view key) {
  return {root, LowerAsciiText(key)};
}

std::optional<RegistryValue> MemoryRegistry::Read(RegistryRoot root, std::string_view key,
                                                  std::string_view name) {
  auto k = keys_.find(MakeKey(root, key));
  if (k == keys_.end()) return std::nullopt;
  auto v = k->second.find(LowerAsciiText(name));
  if (v == k->second.end()) return std::nullopt;
  return v->second;
}

bool MemoryRegistry::Write(RegistryRoot root, std::string_view key, std::string_view name,
                           const RegistryValue& value) {
  const KeyId id = MakeKey(root, key);
  if (denied_.count(id)) return false;
  keys_[id][LowerAsciiText(name)] = value;
  ++writes_;
  return true;
}

bool MemoryRegistry::WriteExisting(RegistryRoot root, std::string_view key, std::string_view name,
                                   const RegistryValue& value) {
  if (!HasKey(root, key)) return false;
  return Write(root, key, name, value);
}

bool MemoryRegistry::DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) {
  const KeyId id = MakeKey(root, key);
  auto k = keys_.find(id);
  if (k == keys_.end()) return true;
  if (denied_.count(id)) return false;
  k->second.erase(LowerAsciiText(name));
  return true;
}

void MemoryRegistry::AddKey(RegistryRoot root, std::string_view key) {
  keys_[MakeKey(root, key)];
}

void MemoryRegistry::DenyWrites(RegistryRoot root, std::string_view key) {
  denied_.insert(MakeKey(root, key));
}

bool MemoryRegistry::HasKey(RegistryRoot root, std::string_view key) const {
  return keys_.count(MakeKey(root, key)) != 0;
}

}  // namespace olb::sim
