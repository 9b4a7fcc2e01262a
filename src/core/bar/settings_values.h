// What the Settings window shows and changes, read from the bar and applied
// back to it: the shortcuts folder, the on/off options (one row each), the
// global hotkey, the icon size and the monitor.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/bar/launch_bar.h"
#include "core/layout/view_mode.h"
#include "core/platform/hotkey_port.h"

namespace olb {

// An on/off option: its caption, how it is read from the bar and how it is
// set. The Settings window shows one check box per entry, in this order.
struct BoolOption {
  std::string_view caption;
  bool (*read)(LaunchBar& bar);
  void (*write)(LaunchBar& bar, bool on);
};
const std::vector<BoolOption>& BoolOptions();

// The icon sizes offered, in the menu's order.
struct IconSizeChoice {
  std::string_view caption;
  ViewMode mode;
};
inline constexpr std::array<IconSizeChoice, 3> kIconSizes{{
    {"Large Icons", ViewMode::LargeIcons},
    {"Extra Large Icons", ViewMode::ExtraLargeIcons},
    {"Small Icons", ViewMode::SmallIcons},
}};

struct SettingsValues {
  std::string rootFolder;     // shown, not changed here
  std::vector<bool> options;  // one per BoolOptions() entry
  bool hasHotkey = false;     // the bar can hold a global hotkey at all
  Hotkey hotkey;
  bool hotkeyTaken = false;           // another program holds it: the bar runs without
  size_t iconSize = 0;                // an index into kIconSizes
  std::vector<std::string> monitors;  // captions; empty with one monitor
  size_t monitor = 0;                 // the bar's own, an index into monitors
  friend bool operator==(const SettingsValues&, const SettingsValues&) = default;
};

SettingsValues ReadSettings(LaunchBar& bar);

// Applies what differs between `shown` (as read) and `chosen`, each value as
// its own menu command or store would.
void ApplySettings(LaunchBar& bar, const SettingsValues& shown, const SettingsValues& chosen);

}  // namespace olb
