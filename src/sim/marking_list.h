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
  void SelectRow(int32_t row) override {
    selected = row;
    alsoSelected.clear();
  }
  void FocusRow(int32_t row) override { focused = row; }
  void AddRowToSelection(int32_t row) override {
    if (selected) {
      alsoSelected.push_back(row);
    } else {
      selected = row;
    }
  }
  void EnsureRowVisible(int32_t row) override { madeVisible.push_back(row); }
  void RedrawRow(int32_t row) override { redrawn.push_back(row); }
  void EditCaption(int32_t row) override { editing = row; }
  void CancelCaptionEdit() override { editing.reset(); }
  Point MenuPointAt(std::optional<int32_t> row) override { return {row.value_or(-1), 0}; }

  std::optional<int32_t> focused;
  std::optional<int32_t> editing;
  std::vector<int32_t> madeVisible;
  std::vector<int32_t> redrawn;
};

}  // namespace olb::sim
