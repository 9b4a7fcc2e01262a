#include "core/dragdrop/drag_start.h"

#include <cstdlib>

namespace olb {

bool DragStartTracker::OnMove(TShiftState shift, Point at, bool itemSelected) const {
  if (!press_) return false;
  if (shift != TShiftState{TShift::Left} && shift != TShiftState{TShift::Right}) return false;
  if (std::abs(press_->x - at.x) < kDragThresholdPx &&
      std::abs(press_->y - at.y) < kDragThresholdPx)
    return false;
  return itemSelected;
}

bool RereadAfterDrag(TDropEffects effects) {
  return effects != TDropEffects{TDropEffect::deNone, TDropEffect::deCopy};
}

}  // namespace olb
