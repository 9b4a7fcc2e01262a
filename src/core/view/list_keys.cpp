#include "core/view/list_keys.h"

namespace olb {

ListKeyAction ListKeyActionFor(uint16_t virtualKey, uint32_t modifiers) {
  const bool shiftAlt = (modifiers & (kModShift | kModAlt | kModCtrl)) == (kModShift | kModAlt);
  switch (virtualKey) {
    case kVkReturn:
      return ListKeyAction::OpenSelected;
    case kVkBack:
      return shiftAlt ? ListKeyAction::UpOneLevel : ListKeyAction::None;
    case kVkF11:
      return shiftAlt ? ListKeyAction::WriteAutoload : ListKeyAction::None;
    case kVkF12:
      return shiftAlt ? ListKeyAction::ShowAutoHiddenBar : ListKeyAction::None;
    default:
      return ListKeyAction::None;
  }
}

}  // namespace olb
