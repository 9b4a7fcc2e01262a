// Texts of the shell's item menu in the bar's menu.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace olb {

// The most characters of an item's name the submenu's caption shows: a
// longest name would make the menu wider than the screen.
inline constexpr size_t kItemMenuCaptionMax = 64;

// The submenu's caption for an item: its name as shown, every '&' doubled
// so that none becomes an access key, cut after kItemMenuCaptionMax
// characters with an ellipsis.
std::string ItemMenuCaption(std::string_view name);

// The error box's text when a shell entry failed on the item `name`, with
// the system's `reason` when it has one.
std::string ShellCommandFailedText(std::string_view name, std::string_view reason);

}  // namespace olb
