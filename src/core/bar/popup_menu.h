// The bar's popup menu `pmnViews` as data: its entries in order, and the
// check marks that follow the settings record and the view mode.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/bar/ids.h"
#include "core/platform/desktop.h"
#include "core/platform/geometry.h"
#include "core/settings/bar_options.h"
#include "core/layout/view_mode.h"

namespace olb {

struct MenuEntry {
  std::string_view name;             // the component's name, e.g. "AutoHide1", "N2"
  std::string_view caption;          // empty for a separator; "&" marks the access key
  std::optional<CommandId> command;  // nullopt for a separator

  bool IsSeparator() const { return !command.has_value(); }
};

inline constexpr auto kViewsMenu = std::to_array<MenuEntry>({
    {"LargeIcons1", "&Large Icons", CommandId::LargeIcons1},
    {"ExtraLargeIcons1", "&Extra Large Icons", CommandId::ExtraLargeIcons1},
    {"SmallIcons1", "&Small Icons", CommandId::SmallIcons1},
    {"SortbyName1", "Sort by Name", CommandId::SortbyName1},
    {"N2", "", std::nullopt},
    {"AutoHide1", "AutoHide", CommandId::AutoHide1},
    {"Alwaysontop1", "Always on Top", CommandId::Alwaysontop1},
    {"FitBartoItems1", "Fit Bar to Items", CommandId::FitBartoItems1},
    {"OpenCategoriesasMenus1", "Open Categories as Menus", CommandId::OpenCategoriesasMenus1},
    {"N3", "", std::nullopt},
    {"NewFolder1", "New Folder", CommandId::NewFolder1},
    {"NewShortut1", "New Shortcut", CommandId::NewShortut1},
    {"Delete1", "Delete", CommandId::Delete1},
    {"OpenFolderwithShortcuts1", "Open real folder with shortcuts",
     CommandId::OpenFolderwithShortcuts1},
    {"UpdateBar1", "Update Bar", CommandId::UpdateBar1},
    {"N1", "", std::nullopt},
    {"Autoload1", "Autoload", CommandId::Autoload1},
    {"Settings1", "Settings\u2026", CommandId::Settings1},
    {"Help1", "Help", CommandId::Help1},
    {"About1", "About", CommandId::About1},
    {"N4", "", std::nullopt},
    {"Exit1", "Exit", CommandId::Exit1},
});

// The Monitor submenu, after Fit Bar to Items while there are two monitors or
// more: one entry per monitor, in the system's order, the bar's own checked;
// choosing one moves the bar to the same edge there.
inline constexpr std::string_view kMonitorMenuCaption = "Monitor";
inline constexpr uint16_t kFirstMonitorCommand = 1100;
inline constexpr size_t kMaxMonitorEntries = 32;
struct MonitorEntry {
  std::string caption;  // "&2  1280 x 800", "&1  1024 x 768, primary"
  CommandId command;
  bool checked = false;
};
// No entries with fewer than two monitors (nothing to choose).
std::vector<MonitorEntry> MonitorMenu(const std::vector<MonitorInfo>& monitors,
                                      const std::string& barDevice);
// The index of the monitor a command of that submenu chooses.
std::optional<size_t> MonitorOfCommand(CommandId command);

// Whether `command`'s entry shows a check mark: the view mode's entry, and
// AutoHide and Always on Top as the live record says. At start the record
// as read and the stored view mode give the initial marks.
bool IsMenuChecked(CommandId command, const BarOptions& options, ViewMode mode);

// Where a right click opens the menu: the bar window's outer top-left, plus
// the clicked control's offset in the form's client area (0, 0 for the form
// itself), plus the click's position in that control. Using the outer
// position rather than the client origin opens the menu offset by the
// frame's thickness from the click.
Point MenuScreenPoint(const Rect& barWindow, Point controlOffset, Point click);

}  // namespace olb
