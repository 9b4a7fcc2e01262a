#include "core/folder/icon_queue.h"

#include <iterator>

namespace olb {

void IconQueue::Push(std::vector<IconRequest> batch, std::vector<IconAnswer>& dropped) {
  if (batch.empty()) return;
  size_ += batch.size();
  batches_.emplace_back(std::make_move_iterator(batch.begin()),
                        std::make_move_iterator(batch.end()));
  // The newest batch stays whole, however long; older ones give way.
  while (size_ > kKeptLimit && batches_.size() > 1) {
    std::deque<IconRequest>& oldest = batches_.front();
    const IconRequest& gone = oldest.front();
    dropped.push_back({gone.ticket, gone.index, 0, true});
    oldest.pop_front();
    --size_;
    if (oldest.empty()) batches_.erase(batches_.begin());
  }
}

std::optional<IconRequest> IconQueue::Pop() {
  if (batches_.empty()) return std::nullopt;
  std::deque<IconRequest>& newest = batches_.back();
  std::optional<IconRequest> next(std::move(newest.front()));
  newest.pop_front();
  --size_;
  if (newest.empty()) batches_.pop_back();
  return next;
}

}  // namespace olb
