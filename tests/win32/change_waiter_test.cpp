// The program's one waiting thread: each handle's callback runs on its
// signal; a wait removed, or whose callback said no more, leaves its handle
// alone; the thread ends with its last wait.
#include <gtest/gtest.h>
#include <windows.h>

#include <tlhelp32.h>

#include <atomic>

#include "win32/adapters/win32_change_waiter.h"
#include "win32/base/unique_handle.h"

namespace olb::win {
namespace {

template <typename Done>
bool Within5s(Done done) {
  for (int i = 0; i < 100 && !done(); ++i) Sleep(50);
  return done();
}

int ThreadsOfThisProcess() {
  KernelHandle snap(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  THREADENTRY32 t{};
  t.dwSize = sizeof t;
  int n = 0;
  for (BOOL more = Thread32First(snap.get(), &t); more; more = Thread32Next(snap.get(), &t)) {
    n += t.th32OwnerProcessID == GetCurrentProcessId();
  }
  return n;
}

TEST(ChangeWaiterTest, CallsBackUntilRemovedOrRefusedAndEndsWithTheLastWait) {
  const int threadsBefore = ThreadsOfThisProcess();
  ChangeWaiter waiter;
  // Auto-reset: a signal the thread waited on is used up.
  KernelHandle kept(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  KernelHandle once(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  KernelHandle last(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  std::atomic<int> keptCalls = 0, onceCalls = 0, lastCalls = 0;
  const ChangeWaiter::Id keptId = waiter.Add(kept.get(), [&] { return ++keptCalls, true; });
  ASSERT_NE(waiter.Add(once.get(), [&] { return ++onceCalls, false; }), 0u);
  ASSERT_NE(keptId, 0u);
  EXPECT_GT(ThreadsOfThisProcess(), threadsBefore);

  SetEvent(kept.get());
  SetEvent(once.get());
  ASSERT_TRUE(Within5s([&] { return keptCalls == 1 && onceCalls == 1; }));
  SetEvent(kept.get());
  ASSERT_TRUE(Within5s([&] { return keptCalls == 2; }));

  waiter.Remove(keptId);
  SetEvent(kept.get());
  SetEvent(once.get());
  // The thread has waited again once this callback runs: the signals of
  // the ended waits are still there, unused.
  const ChangeWaiter::Id lastId = waiter.Add(last.get(), [&] { return ++lastCalls, true; });
  SetEvent(last.get());
  ASSERT_TRUE(Within5s([&] { return lastCalls == 1; }));
  EXPECT_EQ(WaitForSingleObject(kept.get(), 0), WAIT_OBJECT_0) << "removed";
  EXPECT_EQ(WaitForSingleObject(once.get(), 0), WAIT_OBJECT_0) << "refused";
  EXPECT_EQ(keptCalls + onceCalls, 3);

  waiter.Remove(lastId);
  EXPECT_TRUE(Within5s([&] { return ThreadsOfThisProcess() <= threadsBefore; }));
}

}  // namespace
}  // namespace olb::win
