// Starting the bar with Windows: one string value under the user's Run key.
#pragma once

#include <string>
#include <string_view>

#include "core/platform/registry.h"

namespace olb {

inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kRunValueName = "Ovel Launch Bar";

// The command Windows runs at log-on: the path in double quotes, so that a
// path with blanks ("C:\Program Files\...") cannot be read as a shorter
// program name followed by arguments.
std::string AutoloadCommand(std::string_view exePath);

// Writes the Run value "Ovel Launch Bar" = AutoloadCommand(`exePath`) as a
// string, into the Run key only if that key exists. Every call writes it
// again, which also points it at the program's present place. Raises
// std::runtime_error "Failed to set data for 'Ovel Launch Bar'" when the key
// is missing or the write fails.
void WriteAutoloadValue(Registry& registry, std::string_view exePath);

// Whether the Run value starts `exePath`: its data names that path, quoted
// or not (as older versions wrote it), letters compared without case as
// Windows compares paths. A value naming any other program is not this one.
bool AutoloadIsOn(Registry& registry, std::string_view exePath);

// The menu's Autoload: when the Run value starts this program it is removed,
// otherwise it is written (replacing a value that names another path).
// Raises std::runtime_error when the change cannot be made.
void ToggleAutoload(Registry& registry, std::string_view exePath);

}  // namespace olb
