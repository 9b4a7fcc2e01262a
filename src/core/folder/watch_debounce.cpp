#include "core/folder/watch_debounce.h"

namespace olb {

bool WatchDebounce::Tick(bool changed, bool busy) {
  if (changed || busy) {
    pending_ = pending_ || changed;
    return false;
  }
  const bool due = pending_;
  pending_ = false;
  return due;
}

}  // namespace olb
