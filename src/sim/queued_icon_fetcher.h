// An icon fetcher whose worker runs only when a test says so: requests wait
// in the bounded queue the real one uses; Deliver looks the next ones up in
// the namespace, as the worker thread would, and leaves the answers (and the
// dropped requests) waiting as if their message were still on its way.
// Cancelling drops waiting requests, not answers given.
#pragma once

#include <cstring>
#include <utility>
#include <vector>

#include "core/folder/icon_queue.h"
#include "core/folder/pidl.h"
#include "core/platform/icon_fetcher.h"
#include "core/platform/shell_namespace.h"

namespace olb::sim {

class QueuedIconFetcher : public IconFetcher {
 public:
  QueuedIconFetcher(ShellNamespace& shell, ShellAllocator& allocator)
      : shell_(shell), allocator_(allocator) {}

  void Request(std::vector<IconRequest> batch) override { queue.Push(std::move(batch), answers); }
  void CancelPending() override { queue.Clear(); }
  size_t Waiting() const { return queue.size(); }
  std::vector<IconAnswer> TakeAnswers() override { return std::exchange(answers, {}); }

  // Answers up to `count` waiting requests, in the order the worker would.
  void Deliver(size_t count = SIZE_MAX) {
    for (; count > 0 && !queue.empty(); --count) {
      IconRequest request = std::move(*queue.Pop());
      OwnedPidl item = AllocPidl(allocator_, request.absolute.size());
      std::memcpy(item.get(), request.absolute.data(), request.absolute.size());
      answers.push_back(
          {request.ticket, request.index, shell_.SystemIconIndex(item.get(), request.smallIcon)});
    }
  }

  IconQueue queue;
  std::vector<IconAnswer> answers;

 private:
  ShellNamespace& shell_;
  ShellAllocator& allocator_;
};

}  // namespace olb::sim
