// The values of the program's settings key as a portable copy keeps them in
// its settings file: every value by name, with its registry type and bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/registry.h"

namespace olb {

struct NamedValue {
  std::string name;  // UTF-8, compared without regard to case
  RegistryValue value;

  friend bool operator==(const NamedValue& a, const NamedValue& b) {
    return a.name == b.name && a.value.type == b.value.type && a.value.data == b.value.data;
  }
};

// Bounds on what the file holds, so that a damaged or hostile file cannot
// make the program read or keep without limit.
inline constexpr size_t kPortableFileLimit = 4u << 20;
inline constexpr size_t kPortableValueLimit = 256;
inline constexpr size_t kPortableNameLimit = 255;

// The values in a settings file. A file that does not start with the
// format's mark is an older copy's file, the settings record alone (at most
// 48 bytes), and reads as the "Options" value. Damaged content reads up to
// the first entry that does not make sense; later entries are dropped, and
// so are repeated names (the first one counts) and entries beyond the bounds.
std::vector<NamedValue> DecodePortableValues(const std::vector<uint8_t>& bytes);

// The file for `values`; nullopt when they exceed a bound.
std::optional<std::vector<uint8_t>> EncodePortableValues(const std::vector<NamedValue>& values);

}  // namespace olb
