// The icon look-ups waiting for a fetcher's worker, bounded: a look-up is
// only worth doing for rows the list shows or is about to show. The newest
// batch (what the list asked for last) is served first and always kept
// whole; older requests not begun are dropped beyond the limit, oldest
// first, and handed back as dropped answers so their asker can ask again
// when the row is next shown.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "core/platform/icon_fetcher.h"

namespace olb {

class IconQueue {
 public:
  // A page or two of the list in its densest view.
  static constexpr size_t kKeptLimit = 256;

  // Adds `batch` to be served first; what no longer fits goes to `dropped`.
  void Push(std::vector<IconRequest> batch, std::vector<IconAnswer>& dropped);
  // The next request to serve: the newest batch's first.
  std::optional<IconRequest> Pop();
  void Clear() { batches_.clear(), size_ = 0; }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

 private:
  std::vector<std::deque<IconRequest>> batches_;  // oldest first
  size_t size_ = 0;
};

}  // namespace olb
