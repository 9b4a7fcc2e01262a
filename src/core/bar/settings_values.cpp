#include "core/bar/settings_values.h"

namespace olb {

const std::vector<BoolOption>& BoolOptions() {
  static const std::vector<BoolOption> options{
      {"Autoload", [](LaunchBar& bar) { return bar.AutoloadIsOn(); },
       [](LaunchBar& bar, bool on) {
         if (on != bar.AutoloadIsOn()) bar.RunCommand(CommandId::Autoload1);
       }},
      {"Open Categories as Menus", [](LaunchBar& bar) { return bar.CategoryMenusOn(); },
       [](LaunchBar& bar, bool on) {
         if (on != bar.CategoryMenusOn()) bar.RunCommand(CommandId::OpenCategoriesasMenus1);
       }},
      {"Fit Bar to Items", [](LaunchBar& bar) { return bar.FitToItemsOn(); },
       [](LaunchBar& bar, bool on) {
         if (on != bar.FitToItemsOn()) bar.RunCommand(CommandId::FitBartoItems1);
       }},
  };
  return options;
}

SettingsValues ReadSettings(LaunchBar& bar) {
  SettingsValues v;
  v.rootFolder = bar.paths().RootPath;
  for (const BoolOption& o : BoolOptions()) v.options.push_back(o.read(bar));
  if (const HotkeySummon* hotkey = bar.hotkey()) {
    v.hasHotkey = true;
    v.hotkey = hotkey->hotkey();
    v.hotkeyTaken = hotkey->taken();
  }
  for (size_t i = 0; i < kIconSizes.size(); ++i) {
    if (kIconSizes[i].mode == bar.viewMode()) v.iconSize = i;
  }
  const std::vector<MonitorEntry> monitors = bar.MonitorMenuEntries();
  for (size_t i = 0; i < monitors.size(); ++i) {
    std::string caption = monitors[i].caption;  // the menu's access key is no text
    std::erase(caption, '&');
    v.monitors.push_back(caption);
    if (monitors[i].checked) v.monitor = i;
  }
  return v;
}

void ApplySettings(LaunchBar& bar, const SettingsValues& shown, const SettingsValues& chosen) {
  const std::vector<BoolOption>& options = BoolOptions();
  for (size_t i = 0; i < options.size() && i < chosen.options.size(); ++i) {
    if (i >= shown.options.size() || chosen.options[i] != shown.options[i])
      options[i].write(bar, chosen.options[i]);
  }
  if (chosen.hotkey != shown.hotkey) bar.ChangeHotkey(chosen.hotkey);
  if (chosen.iconSize != shown.iconSize && chosen.iconSize < kIconSizes.size()) {
    switch (kIconSizes[chosen.iconSize].mode) {
      case ViewMode::LargeIcons:
        bar.RunCommand(CommandId::LargeIcons1);
        break;
      case ViewMode::ExtraLargeIcons:
        bar.RunCommand(CommandId::ExtraLargeIcons1);
        break;
      case ViewMode::SmallIcons:
        bar.RunCommand(CommandId::SmallIcons1);
        break;
    }
  }
  if (chosen.monitor != shown.monitor) {
    // The monitors as they are now: one unplugged meanwhile is not chosen.
    const std::vector<MonitorEntry> monitors = bar.MonitorMenuEntries();
    if (chosen.monitor < monitors.size()) bar.RunCommand(monitors[chosen.monitor].command);
  }
}

}  // namespace olb
