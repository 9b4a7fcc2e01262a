// Paces the re-reads that changes made outside the bar ask for: a burst of
// changes is read once, a tick after the last change seen, and never while
// the user edits a caption, drags or has a menu open. Changes that keep
// coming (a file written to all the time) are read every few ticks all the
// same, so new items still show. It also says when its ticks run: while a
// change waits, and all the time for a watch that cannot deliver changes
// and is polled on every tick instead.
#pragma once

namespace olb {

class FolderChangePacer {
 public:
  // `mostTicks`: the most ticks a waiting change waits while changes keep
  // coming.
  explicit FolderChangePacer(int mostTicks) : mostTicks_(mostTicks) {}

  // A new watch was set; `polled` when it cannot deliver its changes. Nothing
  // waits any longer; the ticks run from now on only for a polled watch.
  void Rewatched(bool polled);
  // The watcher's message: a change came in. True when the ticks must start
  // now (they run only while a change waits).
  bool OnChange();
  // One tick; `polledChange` when polling the watch found a change. True
  // when the folder should be re-read now; `busy` while the user is at work
  // on the list.
  bool Tick(bool polledChange, bool busy);
  // The folder was read anyway: nothing waits any longer.
  void Clear() {
    pending_ = false;
    waited_ = 0;
  }
  // After a tick and the re-read it asked for: true when nothing waits any
  // more and the ticks stop now.
  bool StopWhenIdle();

  bool polled() const { return polled_; }
  bool ticking() const { return ticking_; }

 private:
  int mostTicks_;
  bool polled_ = false;   // the watch cannot deliver: every tick polls it
  bool ticking_ = false;  // the ticks run
  bool changed_ = false;  // a change came in since the last tick
  bool pending_ = false;  // a change waits for its re-read
  int waited_ = 0;        // ticks the waiting change has waited
};

}  // namespace olb
