// Paces the re-reads that changes made outside the bar ask for: a burst of
// changes is read once, a tick after the last change seen, and never while
// the user edits a caption, drags or has a menu open.
#pragma once

namespace olb {

class WatchDebounce {
 public:
  // One tick: true when the folder should be re-read now. `changed` when
  // changes came in since the last tick; `busy` while the user is at work
  // on the list.
  bool Tick(bool changed, bool busy);
  // A change is waiting for its re-read.
  bool pending() const { return pending_; }
  // The folder was read anyway: nothing waits any longer.
  void Clear() { pending_ = false; }

 private:
  bool pending_ = false;
};

}  // namespace olb
