// The user's own order of a folder's items: how a stored list of names
// orders the records the shell lists, and how moving items changes it.
// Names compare without case for A to Z, as file names do.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace olb {

// The order to show `listed` (names in the shell's order) in, as indexes
// into it: first the items `stored` names, in its order, then every item it
// does not name (new ones) in the shell's order. Names `stored` gives that
// are not listed, and its repeats after the first, count for nothing. One
// pass over each list.
std::vector<size_t> OrderByStoredNames(const std::vector<std::string>& listed,
                                       const std::vector<std::string>& stored);

// `names` with the items at `rows` (in any order; repeats and rows outside
// the list are ignored) taken out and put, in their own order, before the
// item that was at `before` (past the end: at the end). `first` is where the
// first moved item now stands.
struct MovedNames {
  std::vector<std::string> names;
  int32_t first = 0;
  int32_t count = 0;  // the items moved
};
MovedNames MoveNames(const std::vector<std::string>& names, std::vector<int32_t> rows,
                     int32_t before);

}  // namespace olb
