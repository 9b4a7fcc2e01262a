#include "core/folder/list_keys.h"

namespace olb {

ListKeyAction ListKeyActionFor(uint16_t virtualKey, uint32_t modifiers) {
  const uint32_t held = modifiers & (kModShift | kModAlt | kModCtrl);
  const bool shiftAlt = held == (kModShift | kModAlt);
  const bool plain = held == 0;
  switch (virtualKey) {
    case kVkReturn:
      return ListKeyAction::OpenSelected;
    case kVkBack:
      if (shiftAlt) return ListKeyAction::UpOneLevel;
      return plain ? ListKeyAction::UpUnlessAtRoot : ListKeyAction::None;
    case kVkF1:
      return plain ? ListKeyAction::ShowHelp : ListKeyAction::None;
    case kVkF2:
      return plain ? ListKeyAction::RenameSelected : ListKeyAction::None;
    case kVkDelete:
      return plain ? ListKeyAction::DeleteSelected : ListKeyAction::None;
    case kVkF5:
      return plain ? ListKeyAction::Reread : ListKeyAction::None;
    case kVkF10:
      return held == kModShift ? ListKeyAction::ShowMenu : ListKeyAction::None;
    case kVkApps:
      return plain ? ListKeyAction::ShowMenu : ListKeyAction::None;
    case kVkF11:
      return shiftAlt ? ListKeyAction::WriteAutoload : ListKeyAction::None;
    case kVkUp:
    case kVkLeft:
      return shiftAlt ? ListKeyAction::MoveEarlier : ListKeyAction::None;
    case kVkDown:
    case kVkRight:
      return shiftAlt ? ListKeyAction::MoveLater : ListKeyAction::None;
    case kVkF12:
      return shiftAlt ? ListKeyAction::ShowAutoHiddenBar : ListKeyAction::None;
    default:
      return ListKeyAction::None;
  }
}

}  // namespace olb
