// Port: the real icons of items, looked up away from the user-interface
// thread. A shortcut's icon means loading the shortcut and its target, which
// can take the shell milliseconds per item; the list shows each item's cheap
// icon of its kind first and swaps the real one in when it comes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace olb {

struct IconRequest {
  uint64_t ticket = 0;  // the asker's mark for the records the index belongs to
  int32_t index = 0;
  // The item's absolute list as plain bytes (terminator included): a copy
  // the fetcher may keep on any thread, bound to no allocator.
  std::vector<uint8_t> absolute;
  bool smallIcon = false;
  // Without `absolute`: the item's file-system path (UTF-8), which the
  // fetcher reads on its own thread.
  std::string path{};
};

struct IconAnswer {
  uint64_t ticket = 0;
  int32_t index = 0;
  int32_t iconIndex = 0;  // in the system image lists
  // Not looked up: the request gave way to newer ones (iconIndex unset).
  bool dropped = false;
};

class IconFetcher {
 public:
  virtual ~IconFetcher() = default;
  // Queues lookups, in the order the list shows the items. The newest batch
  // is served first (the items on screen now), each batch in its own order;
  // older batches follow, as far as an IconQueue keeps them: the requests
  // it drops come back as dropped answers. The platform tells the bar when
  // answers are waiting (a posted message).
  virtual void Request(std::vector<IconRequest> batch) = 0;
  // Drops every request not yet begun: the records they were for are gone.
  virtual void CancelPending() = 0;
  // The answers that came since the last call, oldest first, dropped
  // requests among them. An answer may belong to records that are gone: the
  // asker checks its ticket.
  virtual std::vector<IconAnswer> TakeAnswers() = 0;
};

}  // namespace olb
