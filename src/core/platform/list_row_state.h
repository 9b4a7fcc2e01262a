// Port: the item list's row states that the commands set after a change.
#pragma once

#include <cstdint>
#include <optional>

#include "core/platform/geometry.h"

namespace olb {

class ListRowState {
 public:
  virtual ~ListRowState() = default;

  // Makes `row` the one selected row.
  virtual void SelectRow(int32_t row) = 0;
  // Gives `row` the focused state (the list's focus rectangle); the
  // selection is left as it is.
  virtual void FocusRow(int32_t row) = 0;
  // Selects `row` too; the rows selected already stay so.
  virtual void AddRowToSelection(int32_t row) = 0;
  // Scrolls so that the whole of `row` is visible (not partly).
  virtual void EnsureRowVisible(int32_t row) = 0;
  // Draws `row` again from its record.
  virtual void RedrawRow(int32_t row) = 0;
  // Starts editing `row`'s caption in place.
  virtual void EditCaption(int32_t row) = 0;
  // Ends an open in-place edit without taking its text; nothing when none
  // is open.
  virtual void CancelCaptionEdit() = 0;
  // Where a menu asked for by the keyboard opens, in screen pixels: at the
  // middle of `row`'s icon, or at the list's corner without a row.
  virtual Point MenuPointAt(std::optional<int32_t> row) = 0;
};

}  // namespace olb
