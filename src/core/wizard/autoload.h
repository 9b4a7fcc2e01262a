// Starting the bar with Windows: one string value under the user's Run key.
#pragma once

#include <string_view>

#include "core/platform/registry.h"

namespace olb {

inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kRunValueName = "Ovel Launch Bar";

// Writes the Run value "Ovel Launch Bar" = `exePath` (as given: unquoted, no
// arguments) as a string, into the Run key only if that key exists. Every call
// writes it again. Raises std::runtime_error "Failed to set data for 'Ovel
// Launch Bar'" when the key is missing or the write fails.
void WriteAutoloadValue(Registry& registry, std::string_view exePath);

}  // namespace olb
