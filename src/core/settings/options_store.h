// Reading and writing the settings record through the registry port.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/platform/registry.h"
#include "core/settings/bar_options.h"

namespace olb {

inline constexpr std::string_view kOptionsKey = "Software\\Vantrel Software\\Ovel Launch Bar";
inline constexpr std::string_view kOptionsValueName = "Options";

struct LoadedOptions {
  BarOptions live;                    // the new live copy; its Size is always 48
  std::optional<uint32_t> formWidth;  // set for a stored left or right bar
};

// Merges a stored value into the live copy by the record's reading rules:
// the stored bytes overwrite the start of the default record (a value longer
// than the record is taken as absent); then the leading Size bytes of that
// buffer (at most 48) overwrite the live copy.
LoadedOptions MergeStoredOptions(const BarOptions& live, const Rect& windowRect,
                                 const std::optional<RegistryValue>& stored);

LoadedOptions ReadOptions(Registry& registry, const BarOptions& live, const Rect& windowRect);

// Writes the live copy as a 48-byte binary value whose Size is 48.
// Returns false when nothing could be written; a record whose edge is not
// storable (unregistered) is never written.
bool WriteOptions(Registry& registry, const BarOptions& live);

// A 4-byte number stored as its own value `name` beside the record; nullopt
// when it is missing or of another type or length.
std::optional<uint32_t> ReadOptionNumber(Registry& registry, std::string_view name);
// Writes it; false when it could not be written.
bool WriteOptionNumber(Registry& registry, std::string_view name, uint32_t n);
// An on/off choice kept as such a number, 1 on. Anything else (missing,
// another type or length, another number) is off, as a first start has it.
bool ReadOptionSwitch(Registry& registry, std::string_view name);
bool WriteOptionSwitch(Registry& registry, std::string_view name, bool on);

}  // namespace olb
