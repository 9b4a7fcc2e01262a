// The owner-data list control with the row states the commands set: one
// selected row (shared with ListControl's selection), one focused row, and
// the rows scrolled into view and redrawn, in order.
#pragma once

#include <optional>
#include <vector>

#include "core/platform/list_row_state.h"
#include "sim/view_doubles.h"

namespace olb::sim {

class MarkingList : public ListControl, public ListRowState {
 public:
  void SelectRow(int32_t row) override { selected = row; }
  void FocusRow(int32_t row) override { focused = row; }
  void EnsureRowVisible(int32_t row) override { madeVisible.push_back(row); }
  void RedrawRow(int32_t row) override { redrawn.push_back(row); }

  std::optional<int32_t> focused;
  std::vector<int32_t> madeVisible;
  std::vector<int32_t> redrawn;
};

}  // namespace olb::sim
