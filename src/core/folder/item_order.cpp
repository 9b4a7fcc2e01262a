#include "core/folder/item_order.h"

#include <algorithm>
#include <unordered_map>

#include "core/paths/path_text.h"

namespace olb {

std::vector<size_t> OrderByStoredNames(const std::vector<std::string>& listed,
                                       const std::vector<std::string>& stored) {
  std::unordered_map<std::string, size_t> place;
  place.reserve(stored.size());
  for (size_t i = 0; i < stored.size(); ++i) place.emplace(LowerAsciiText(stored[i]), i);

  // Each stored place holds at most one listed item; a second item with the
  // same folded name (the shell never lists two) goes with the new ones.
  std::vector<size_t> atPlace(stored.size(), listed.size());
  std::vector<size_t> unnamed;
  for (size_t i = 0; i < listed.size(); ++i) {
    const auto found = place.find(LowerAsciiText(listed[i]));
    if (found != place.end() && atPlace[found->second] == listed.size()) {
      atPlace[found->second] = i;
    } else {
      unnamed.push_back(i);
    }
  }
  std::vector<size_t> order;
  order.reserve(listed.size());
  for (size_t i : atPlace) {
    if (i != listed.size()) order.push_back(i);
  }
  order.insert(order.end(), unnamed.begin(), unnamed.end());
  return order;
}

MovedNames MoveNames(const std::vector<std::string>& names, std::vector<int32_t> rows,
                     int32_t before) {
  const auto count = static_cast<int32_t>(names.size());
  std::vector<bool> moving(names.size(), false);
  std::sort(rows.begin(), rows.end());
  std::vector<std::string> moved;
  for (int32_t row : rows) {
    if (row < 0 || row >= count || moving[static_cast<size_t>(row)]) continue;
    moving[static_cast<size_t>(row)] = true;
    moved.push_back(names[static_cast<size_t>(row)]);
  }
  before = std::clamp(before, 0, count);
  MovedNames result;
  result.count = static_cast<int32_t>(moved.size());
  result.names.reserve(names.size());
  for (int32_t i = 0; i <= count; ++i) {
    if (i == before) {
      result.first = static_cast<int32_t>(result.names.size());
      result.names.insert(result.names.end(), moved.begin(), moved.end());
    }
    if (i < count && !moving[static_cast<size_t>(i)]) {
      result.names.push_back(names[static_cast<size_t>(i)]);
    }
  }
  return result;
}

}  // namespace olb
