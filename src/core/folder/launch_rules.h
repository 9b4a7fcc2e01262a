// Which shell call starts an item, decided from its full path alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/launcher.h"

namespace olb {

// From the last "." when no "\" or ":" follows it, A to Z in lower case;
// empty when there is none.
std::string PathExtension(std::string_view path);

// Everything before the last "\" (or up to a last ":"); a drive root such as
// C:\ keeps its backslash. Empty for a bare name.
std::string PathFolder(std::string_view path);

// ".exe", ".com", ".bat", ".lnk", ".url": started with the default verb.
bool InLaunchSet(std::string_view lowerExtension);

// The launch set gets the default verb without owner or parameters, a
// program its own folder as working directory and a shortcut none (it holds
// its own); everything else gets "Open" from the application window with
// empty parameters and the file's folder as working directory.
ShellOpenRequest LaunchRequestFor(std::string_view fullPath);

// What the user is told when the shell answered `answer` (32 or below: it
// did not open it) to opening `file`, the item captioned `caption`; nothing
// when the item opened.
std::optional<std::string> LaunchFailureMessage(std::string_view caption, std::string_view file,
                                                intptr_t answer);

// The Up button is disabled exactly when the folder shown is the root
// (byte for byte, letter case included).
bool UpEnabledAt(std::string_view currentPath, std::string_view rootPath);

}  // namespace olb
