// Where the bar's shortcuts live.
#pragma once

#include <string>
#include <string_view>

namespace olb {

inline constexpr std::string_view kRootFolderName = "Ovel Launch Bar";

// The root shortcuts folder below the user's application-data folder, with a
// trailing backslash: "<appData>\Ovel Launch Bar\".
std::string RootPathFor(std::string_view appDataFolder);

}  // namespace olb
