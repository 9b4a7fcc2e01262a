// Which shell call starts an item, decided from its full path alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/launcher.h"

namespace olb {

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

// What the user is told when the item a command was given to has gone from
// the folder (removed or renamed outside the bar): "Cannot <verb>
// "<caption>": it is no longer in the folder shown."
std::string ItemGoneMessage(std::string_view verb, std::string_view caption);

// The Up button is disabled exactly when the folder shown is the root
// (byte for byte, letter case included).
bool UpEnabledAt(std::string_view currentPath, std::string_view rootPath);

}  // namespace olb
