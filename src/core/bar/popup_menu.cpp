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

Point MenuScreenPoint(const Rect& barWindow, Point controlOffset, Point click) {
  return {barWindow.left + controlOffset.x + click.x, barWindow.top + controlOffset.y + click.y};
}

}  // namespace olb
