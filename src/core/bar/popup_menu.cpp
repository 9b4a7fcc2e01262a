#include "core/bar/popup_menu.h"

namespace olb {

bool IsMenuChecked(CommandId command, const BarOptions& options, ViewMode mode) {
  switch (command) {
    case CommandId::LargeIcons1:
      return mode == ViewMode::LargeIcons;
    case CommandId::ExtraLargeIcons1:
      return mode == ViewMode::ExtraLargeIcons;
    case CommandId::SmallIcons1:
      return mode == ViewMode::SmallIcons;
    case CommandId::AutoHide1:
      return options.AutoHide != 0;
    case CommandId::Alwaysontop1:
      return options.AlwaysOnTop != 0;
    default:
      return false;
  }
}

std::vector<MonitorEntry> MonitorMenu(const std::vector<MonitorInfo>& monitors,
                                      const std::string& barDevice) {
  std::vector<MonitorEntry> entries;
  if (monitors.size() < 2) return entries;
  for (size_t i = 0; i < monitors.size() && i < kMaxMonitorEntries; ++i) {
    const MonitorInfo& m = monitors[i];
    // The number is the access key of the first nine. Appended piece by
    // piece: chained concatenations trip a false overlap warning of GCC 12.
    std::string caption = i < 9 ? "&" : "";
    caption += std::to_string(i + 1);
    caption += "  ";
    caption += std::to_string(m.area.Width());
    caption += " x ";
    caption += std::to_string(m.area.Height());
    if (m.primary) caption += ", primary";
    entries.push_back({std::move(caption), static_cast<CommandId>(kFirstMonitorCommand + i),
                       m.device == barDevice});
  }
  return entries;
}

std::optional<size_t> MonitorOfCommand(CommandId command) {
  const auto value = static_cast<uint16_t>(command);
  if (value < kFirstMonitorCommand || value >= kFirstMonitorCommand + kMaxMonitorEntries) {
    return std::nullopt;
  }
  return static_cast<size_t>(value - kFirstMonitorCommand);
}

Point MenuScreenPoint(const Rect& barWindow, Point controlOffset, Point click) {
  return {barWindow.left + controlOffset.x + click.x, barWindow.top + controlOffset.y + click.y};
}

}  // namespace olb
