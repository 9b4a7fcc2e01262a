// One thread that waits on the change handles of the whole program: the
// shown folder's change notifications and the find index's watch of the
// tree. Under Wine every thread costs about a megabyte of private memory,
// so the waits share one. It starts with the first handle added and ends
// when the last is removed.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "win32/base/unique_handle.h"

namespace olb::win {

class ChangeWaiter {
 public:
  // Runs on the waiting thread each time its handle is signalled; false
  // ends the wait on it. It must not block on its owner's thread.
  using Callback = std::function<bool()>;
  // Names one wait; 0 is none.
  using Id = uint32_t;
  // One handle fewer than a wait can hold: the last place wakes the thread.
  static constexpr size_t kMostHandles = MAXIMUM_WAIT_OBJECTS - 1;

  ChangeWaiter();
  ChangeWaiter(const ChangeWaiter&) = delete;
  ChangeWaiter& operator=(const ChangeWaiter&) = delete;

  // The program's one waiter.
  static ChangeWaiter& Shared();

  // Waits on `handle` from now on; 0 when it cannot (no thread, or full).
  Id Add(HANDLE handle, Callback callback);
  // Ends the wait: once it returns, the callback does not run again and the
  // handle is no longer waited on, so it may be closed.
  void Remove(Id id);

 private:
  struct Entry {
    Id id;
    HANDLE handle;
    Callback callback;
  };
  static DWORD WINAPI Run(void* context);
  void Loop();
  void Drop(Id id);

  std::mutex lock_;
  std::condition_variable seen_;
  KernelHandle wake_;
  std::vector<Entry> entries_;
  // Every change to the entries counts up `generation_`; the thread sets
  // `seenGeneration_` when it waits on the entries as they are.
  uint64_t generation_ = 0;
  uint64_t seenGeneration_ = 0;
  bool running_ = false;
  DWORD threadId_ = 0;
  Id lastId_ = 0;
};

}  // namespace olb::win
