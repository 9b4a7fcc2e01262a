// An icon fetcher whose worker runs only when a test says so: requests wait
// in batches, newest served first; Deliver looks the next ones up in the namespace, as the worker
// thread would, and leaves the answers waiting as if their message were
// still on its way. Cancelling drops waiting requests, not answers given.
#pragma once

#include <cstring>
#include <deque>
#include <utility>
#include <vector>

#include "core/platform/icon_fetcher.h"
#include "core/platform/shell_namespace.h"
#include "core/folder/pidl.h"

namespace olb::sim {

class QueuedIconFetcher : public IconFetcher {
 public:
  QueuedIconFetcher(ShellNamespace& shell, ShellAllocator& allocator)
      : shell_(shell), allocator_(allocator) {}

  void Request(std::vector<IconRequest> batch) override {
    batches.emplace_back(std::make_move_iterator(batch.begin()),
                         std::make_move_iterator(batch.end()));
  }
  void CancelPending() override { batches.clear(); }
  size_t Waiting() const {
    size_t n = 0;
    for (const auto& b : batches) n += b.size();
    return n;
  }
  std::vector<IconAnswer> TakeAnswers() override { return std::exchange(answers, {}); }

  // Answers up to `count` waiting requests, oldest first.
  void Deliver(size_t count = SIZE_MAX) {
    for (; count > 0 && !batches.empty(); --count) {
      IconRequest request = std::move(batches.back().front());
      batches.back().pop_front();
      if (batches.back().empty()) batches.pop_back();
      OwnedPidl item = AllocPidl(allocator_, request.absolute.size());
      std::memcpy(item.get(), request.absolute.data(), request.absolute.size());
      answers.push_back(
          {request.ticket, request.index, shell_.SystemIconIndex(item.get(), request.smallIcon)});
    }
  }

  std::vector<std::deque<IconRequest>> batches;  // oldest first
  std::vector<IconAnswer> answers;

 private:
  ShellNamespace& shell_;
  ShellAllocator& allocator_;
};

}  // namespace olb::sim
