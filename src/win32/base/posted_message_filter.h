// Drops the messages that only a window's own thread may send, when they
// arrive posted: WM_NOTIFY carries a pointer into the sender's memory, and
// any program can post one with any number in it. The system and the
// controls send it directly, so a posted one is never real.
#pragma once

#include <windows.h>

namespace olb::win {

// Watches every message the calling thread takes from its queue, in every
// message loop (menus, message boxes and the move loop included), for as
// long as it lives.
class PostedMessageFilter {
 public:
  PostedMessageFilter();
  ~PostedMessageFilter();
  PostedMessageFilter(const PostedMessageFilter&) = delete;
  PostedMessageFilter& operator=(const PostedMessageFilter&) = delete;

 private:
  HHOOK hook_ = nullptr;
};

// True for a WM_NOTIFY the window procedure may read: its header is
// readable memory of this process and names a sender window of the calling
// thread.
bool IsOwnNotification(LPARAM lp);

}  // namespace olb::win
