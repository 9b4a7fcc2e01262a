#include "win32/adapters/win32_icon_fetcher.h"

#include <objbase.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/folder/icon_queue.h"
#include "win32/adapters/win32_shell_namespace.h"
#include "win32/base/unicode.h"

namespace olb::win {

// What the worker and the owner share; the last of the two to let go frees it.
struct Win32IconFetcher::Shared {
  HWND notify = nullptr;
  UINT message = 0;
  std::mutex lock;
  std::condition_variable wake;   // a request came, or the end
  std::condition_variable ended;  // the worker let go of the shell
  IconQueue queue;
  std::vector<IconAnswer> answers;
  bool posted = false;   // a message is on its way and not yet answered
  bool stop = false;     // the owner is gone
  bool running = false;  // a worker serves the batches
};

namespace {

constexpr auto kShutdownWait = std::chrono::milliseconds(2000);
// A worker with nothing to do for this long ends, giving back its stack and
// its COM apartment; the next request starts another. Long enough to serve
// a scroll through a long folder with one thread.
constexpr auto kIdleEnd = std::chrono::milliseconds(250);

// Tells the owner answers wait, once until it takes them; call locked.
void Notify(Win32IconFetcher::Shared& s) {
  if (!s.posted) s.posted = PostMessageW(s.notify, s.message, 0, 0) != FALSE;
}

void Work(const std::shared_ptr<Win32IconFetcher::Shared>& shared) {
  Win32IconFetcher::Shared& s = *shared;
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::unique_lock held(s.lock);
  for (;;) {
    s.wake.wait_for(held, kIdleEnd, [&s] { return s.stop || !s.queue.empty(); });
    if (s.stop || s.queue.empty()) break;
    IconRequest request = std::move(*s.queue.Pop());
    held.unlock();
    const int32_t icon = !request.absolute.empty()
                             ? ShellIconIndex(request.absolute.data(), request.smallIcon)
                             : ShellIconIndexOfPath(Widen(request.path), request.smallIcon);
    held.lock();
    if (s.stop) break;
    s.answers.push_back({request.ticket, request.index, icon});
    Notify(s);
  }
  s.running = false;
  held.unlock();
  if (SUCCEEDED(com)) CoUninitialize();
  held.lock();
  s.ended.notify_all();
}

}  // namespace

Win32IconFetcher::Win32IconFetcher(HWND notify, UINT message)
    : shared_(std::make_shared<Shared>()) {
  shared_->notify = notify;
  shared_->message = message;
}

Win32IconFetcher::~Win32IconFetcher() {
  std::unique_lock held(shared_->lock);
  shared_->stop = true;
  shared_->queue.Clear();
  shared_->wake.notify_all();
  shared_->ended.wait_for(held, kShutdownWait, [this] { return !shared_->running; });
}

void Win32IconFetcher::Request(std::vector<IconRequest> batch) {
  if (batch.empty()) return;
  std::lock_guard held(shared_->lock);
  const size_t answered = shared_->answers.size();
  shared_->queue.Push(std::move(batch), shared_->answers);
  if (shared_->answers.size() != answered) Notify(*shared_);
  if (!shared_->running) {
    shared_->running = true;
    // Detached: the worker holds the shared state itself, so it may outlive
    // this object when the shell keeps it in a lookup at the end.
    std::thread(Work, shared_).detach();
  }
  shared_->wake.notify_one();
}

void Win32IconFetcher::CancelPending() {
  std::lock_guard held(shared_->lock);
  shared_->queue.Clear();
}

std::vector<IconAnswer> Win32IconFetcher::TakeAnswers() {
  std::lock_guard held(shared_->lock);
  shared_->posted = false;
  return std::exchange(shared_->answers, {});
}

}  // namespace olb::win
