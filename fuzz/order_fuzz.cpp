// Any stored order, of any length, through its reading rules and the merge
// with a folder's listing: no crash, names that are file names and each
// once, and a merge that shows every listed item exactly once.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>

#include "core/folder/item_order.h"
#include "core/paths/path_text.h"
#include "core/settings/order_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace olb;
  const std::vector<uint8_t> stored(data, data + size);
  // The path the value names, as the folder shown would have it.
  const auto end = std::find(stored.begin(), stored.end(), uint8_t{0});
  const std::string path(stored.begin(), end);
  const std::vector<std::string> names = DecodeOrder(stored, path);
  std::set<std::string> seen;
  for (const std::string& name : names) {
    if (name.empty() || name.find('\\') != std::string::npos) std::abort();
    if (!seen.insert(LowerAsciiText(name)).second) std::abort();
  }
  const std::vector<std::string> listed{"a", "B", "c.lnk", "d"};
  const std::vector<size_t> order = OrderByStoredNames(listed, names);
  if (std::set<size_t>(order.begin(), order.end()).size() != listed.size() ||
      order.size() != listed.size()) {
    std::abort();
  }
  return 0;
}
