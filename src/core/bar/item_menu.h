// Texts of the shell's item menu in the bar's menu.
#pragma once

#include <string>
#include <string_view>

namespace olb {

// The submenu's caption for an item: its name as shown, every '&' doubled
// so that none becomes an access key.
std::string ItemMenuCaption(std::string_view name);

// The error box's text when a shell entry failed on the item `name`, with
// the system's `reason` when it has one.
std::string ShellCommandFailedText(std::string_view name, std::string_view reason);

}  // namespace olb
