// The user's order of a folder's items, kept beside the settings record
// under the program's key: one value per folder, named after a hash of the
// folder's path relative to the root, holding that path and the item names
// in order. What is read back is checked, and anything that does not fit
// (another folder's path, a path leaving the root, a broken or oversized
// value, names that cannot be file names) counts as no stored order.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/registry.h"

namespace olb {

// The largest value written or read: room for 10,000 long names.
inline constexpr size_t kMaxOrderBytes = 4u << 20;

// The path of `currentPath` (no trailing backslash) below `rootPath` (with
// one): empty for the root itself; nullopt for a folder outside the root or
// a path with "." or ".." steps.
std::optional<std::string> RelativeFolderPath(std::string_view currentPath,
                                              std::string_view rootPath);

// The value's name for a relative path: "Order " and eight hex digits.
std::string OrderValueName(std::string_view relativePath);

// The bytes of a stored order: the relative path and each name, each ended
// by a zero byte.
std::vector<uint8_t> EncodeOrder(std::string_view relativePath,
                                 const std::vector<std::string>& names);
// The names of an encoded order for `relativePath`; empty when the bytes
// are for another path or not a sound order. Repeated names keep their first place.
std::vector<std::string> DecodeOrder(const std::vector<uint8_t>& data,
                                     std::string_view relativePath);

// The stored names for the folder, in order; empty when none is stored.
std::vector<std::string> ReadItemOrder(Registry& registry, std::string_view relativePath);
// Stores `names` as the folder's order; false when it could not be written
// (or is too large to be).
bool WriteItemOrder(Registry& registry, std::string_view relativePath,
                    const std::vector<std::string>& names);
// Forgets the folder's order: it shows in the shell's order again.
bool ClearItemOrder(Registry& registry, std::string_view relativePath);

}  // namespace olb
