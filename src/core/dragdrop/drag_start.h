// When a press on the item list becomes a drag of the selected item.
#pragma once

#include <cstdint>
#include <optional>

#include "core/dragdrop/drop_effects.h"
#include "core/platform/geometry.h"

namespace olb {

// The pointer must move this far from the press, along either axis.
constexpr int32_t kDragThresholdPx = 10;

class DragStartTracker {
 public:
  // A left or middle press, after the list handled it; only a press on a
  // selected item can become a drag.
  void OnPress(bool itemSelected, Point at) {
    if (itemSelected) press_ = at;
  }
  // Whether this move starts the drag: a press was made, only the left (or
  // only the right) button is held with no key, the pointer is far enough,
  // and an item is still selected.
  bool OnMove(TShiftState shift, Point at, bool itemSelected) const;
  // A release, and the end of every drag, forget the press.
  void Reset() { press_.reset(); }
  bool armed() const { return press_.has_value(); }

 private:
  std::optional<Point> press_;
};

// The folder shown is re-read after a drag unless the target copied.
bool RereadAfterDrag(TDropEffects effects);

// The effects the bar's drag offers: copy, move and scrolling.
constexpr TDropEffects kBarDragEffects{TDropEffect::deNone, TDropEffect::deCopy,
                                       TDropEffect::deMove, TDropEffect::deScroll};
// The effects the bar's drop target takes: moves, copies and shortcuts.
constexpr TDropEffects kBarDropEffects{TDropEffect::deNone, TDropEffect::deCopy,
                                       TDropEffect::deMove, TDropEffect::deLink};

}  // namespace olb
