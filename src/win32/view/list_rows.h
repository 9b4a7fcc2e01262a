// The item list's row states as the item commands set them.
#pragma once

#include <windows.h>

#include "core/platform/list_row_state.h"

namespace olb::win {

class ListRows : public ListRowState {
 public:
  explicit ListRows(HWND list) : list_(list) {}
  void SelectRow(int32_t row) override;
  void FocusRow(int32_t row) override;
  void AddRowToSelection(int32_t row) override;
  void EnsureRowVisible(int32_t row) override;
  void RedrawRow(int32_t row) override;
  void EditCaption(int32_t row) override;
  void CancelCaptionEdit() override;
  Point MenuPointAt(std::optional<int32_t> row) override;

 private:
  HWND list_;
};

}  // namespace olb::win
