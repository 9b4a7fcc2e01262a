#include "core/folder/folder_change_pacer.h"

namespace olb {

void FolderChangePacer::Rewatched(bool polled) {
  changed_ = false;
  Clear();
  polled_ = polled;
  ticking_ = polled;
}

bool FolderChangePacer::OnChange() {
  changed_ = true;
  if (ticking_) return false;
  ticking_ = true;
  return true;
}

bool FolderChangePacer::Tick(bool polledChange, bool busy) {
  const bool changed = changed_ || polledChange;
  changed_ = false;
  pending_ = pending_ || changed;
  if (!pending_) return false;
  ++waited_;
  if (busy || (changed && waited_ < mostTicks_)) return false;
  Clear();
  return true;
}

bool FolderChangePacer::StopWhenIdle() {
  if (polled_ || changed_ || pending_) return false;
  ticking_ = false;
  return true;
}

}  // namespace olb
