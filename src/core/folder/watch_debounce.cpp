#include "core/folder/watch_debounce.h"

namespace olb {

bool WatchDebounce::Tick(bool changed, bool busy) {
  pending_ = pending_ || changed;
  if (!pending_) return false;
  ++waited_;
  if (busy || (changed && waited_ < mostTicks_)) return false;
  Clear();
  return true;
}

}  // namespace olb
