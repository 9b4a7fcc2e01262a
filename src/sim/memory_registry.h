// An in-memory registry with the platform's semantics for the bar's uses.
#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "core/platform/registry.h"

namespace olb::sim {

class MemoryRegistry : public Registry {
 public:
  std::optional<RegistryValue> Read(RegistryRoot root, std::string_view key,
                                    std::string_view name) override;
  bool Write(RegistryRoot root, std::string_view key, std::string_view name,
             const RegistryValue& value) override;
  bool WriteExisting(RegistryRoot root, std::string_view key, std::string_view name,
                     const RegistryValue& value) override;
  bool DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) override;

  // Test controls: a key that exists but cannot be created or written to
  // (access denied), and a direct look at what was stored.
  void DenyWrites(RegistryRoot root, std::string_view key);
  // A key that exists with no values, as Windows ships some.
  void AddKey(RegistryRoot root, std::string_view key);
  bool HasKey(RegistryRoot root, std::string_view key) const;
  int writeCount() const { return writes_; }

 private:
  // Key paths and value names are case-insensitive, as on Windows.
  using KeyId = std::pair<RegistryRoot, std::string>;
  static KeyId MakeKey(RegistryRoot root, std::string_view key);

  std::map<KeyId, std::map<std::string, RegistryValue>> keys_;
  std::set<KeyId> denied_;
  int writes_ = 0;
};

}  // namespace olb::sim
