// Paces the re-reads that changes made outside the bar ask for: a burst of
// changes is read once, a tick after the last change seen, and never while
// the user edits a caption, drags or has a menu open. Changes that keep
// coming (a file written to all the time) are read every few ticks all the
// same, so new items still show.
#pragma once

namespace olb {

class WatchDebounce {
 public:
  // `mostTicks`: the most ticks a waiting change waits while changes keep
  // coming.
  explicit WatchDebounce(int mostTicks) : mostTicks_(mostTicks) {}

  // One tick: true when the folder should be re-read now. `changed` when
  // changes came in since the last tick; `busy` while the user is at work
  // on the list.
  bool Tick(bool changed, bool busy);
  // A change is waiting for its re-read.
  bool pending() const { return pending_; }
  // The folder was read anyway: nothing waits any longer.
  void Clear() {
    pending_ = false;
    waited_ = 0;
  }

 private:
  int mostTicks_;
  bool pending_ = false;
  int waited_ = 0;  // ticks the waiting change has waited
};

}  // namespace olb
