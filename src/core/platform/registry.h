// Port: the few registry operations the bar needs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace olb {

enum class RegistryRoot { CurrentUser, ClassesRoot };

enum class RegistryType : uint32_t { String = 1, ExpandString = 2, Binary = 3, Dword = 4 };

// String values (types String and ExpandString) carry their text as UTF-8
// without a terminator; the platform adapter converts. Other types carry
// their bytes as stored.
struct RegistryValue {
  uint32_t type = 0;  // the platform's REG_* type as stored
  std::vector<uint8_t> data;
};

class Registry {
 public:
  virtual ~Registry() = default;

  // The whole value, whatever its type and length; nullopt when the key or the
  // value does not exist or cannot be read. Key paths use backslashes; names
  // and paths are UTF-8.
  virtual std::optional<RegistryValue> Read(RegistryRoot root, std::string_view key,
                                            std::string_view name) = 0;

  // Creates the key if needed and writes the value. Returns false when the key
  // cannot be created or opened for writing, or the write fails.
  virtual bool Write(RegistryRoot root, std::string_view key, std::string_view name,
                     const RegistryValue& value) = 0;

  // Writes the value into a key that must exist already: the key is opened,
  // never created. False when it is missing, cannot be opened for writing, or
  // the write fails.
  virtual bool WriteExisting(RegistryRoot root, std::string_view key, std::string_view name,
                             const RegistryValue& value) = 0;

  // Removes one value; the key stays. True when it is gone afterwards
  // (including when it never existed), false when it could not be removed.
  virtual bool DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) = 0;
};

}  // namespace olb
