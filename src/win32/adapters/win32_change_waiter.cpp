#include "win32/adapters/win32_change_waiter.h"

#include <algorithm>

namespace olb::win {

ChangeWaiter::ChangeWaiter() : wake_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

ChangeWaiter& ChangeWaiter::Shared() {
  // Never destroyed: its thread may still wait while the program exits.
  static ChangeWaiter* const waiter = new ChangeWaiter;
  return *waiter;
}

ChangeWaiter::Id ChangeWaiter::Add(HANDLE handle, Callback callback) {
  std::lock_guard held(lock_);
  if (!wake_ || !handle || entries_.size() >= kMostHandles) return 0;
  const Id id = ++lastId_;
  entries_.push_back({id, handle, std::move(callback)});
  ++generation_;
  if (running_) {
    SetEvent(wake_.get());
    return id;
  }
  // The thread cannot look at the entries before the lock is let go.
  const HANDLE thread = CreateThread(nullptr, 0, Run, this, 0, &threadId_);
  if (!thread) {
    entries_.pop_back();
    return 0;
  }
  CloseHandle(thread);
  running_ = true;
  return id;
}

void ChangeWaiter::Remove(Id id) {
  std::unique_lock held(lock_);
  if (std::none_of(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.id == id; })) {
    return;
  }
  Drop(id);
  const uint64_t mine = generation_;
  // From a callback the thread sees the change before it waits again.
  if (!running_ || GetCurrentThreadId() == threadId_) return;
  SetEvent(wake_.get());
  seen_.wait(held, [&] { return seenGeneration_ >= mine; });
}

DWORD WINAPI ChangeWaiter::Run(void* context) {
  static_cast<ChangeWaiter*>(context)->Loop();
  return 0;
}

void ChangeWaiter::Loop() {
  std::unique_lock held(lock_);
  for (;;) {
    seenGeneration_ = generation_;
    seen_.notify_all();
    if (entries_.empty()) {
      running_ = false;
      threadId_ = 0;
      return;
    }
    // The callbacks are copied: an entry removed while its callback runs
    // stays whole until the thread comes back here, which Remove waits for.
    const std::vector<Entry> waiting = entries_;
    const uint64_t generation = generation_;
    held.unlock();
    HANDLE handles[MAXIMUM_WAIT_OBJECTS] = {wake_.get()};
    DWORD count = 1;
    for (const Entry& e : waiting) handles[count++] = e.handle;
    for (;;) {
      const DWORD got = WaitForMultipleObjects(count, handles, FALSE, INFINITE);
      // The wake event comes first: a waiting change of the entries wins.
      if (got == WAIT_OBJECT_0 || got >= WAIT_OBJECT_0 + count) break;
      const Entry& entry = waiting[got - WAIT_OBJECT_0 - 1];
      const bool again = entry.callback();
      std::lock_guard check(lock_);
      if (!again) Drop(entry.id);
      if (generation_ != generation) break;
    }
    held.lock();
  }
}

// Ends a wait; call locked.
void ChangeWaiter::Drop(Id id) {
  std::erase_if(entries_, [id](const Entry& e) { return e.id == id; });
  ++generation_;
}

}  // namespace olb::win
