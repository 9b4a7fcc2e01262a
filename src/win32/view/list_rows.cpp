#include "win32/view/list_rows.h"

#include <commctrl.h>

namespace olb::win {
namespace {

void SetState(HWND list, int row, UINT state, UINT mask) {
  LVITEMW item{};
  item.stateMask = mask;
  item.state = state;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void ListRows::SelectRow(int32_t row) {
  // Row -1 addresses every row: clear the selection, then select one.
  SetState(list_, -1, 0, LVIS_SELECTED);
  SetState(list_, row, LVIS_SELECTED, LVIS_SELECTED);
}

void ListRows::AddRowToSelection(int32_t row) {
  SetState(list_, row, LVIS_SELECTED, LVIS_SELECTED);
}

void ListRows::FocusRow(int32_t row) {
  SetState(list_, row, LVIS_FOCUSED, LVIS_FOCUSED);
}

void ListRows::EnsureRowVisible(int32_t row) {
  ListView_EnsureVisible(list_, row, FALSE);
}

void ListRows::RedrawRow(int32_t row) {
  ListView_RedrawItems(list_, row, row);
}

void ListRows::EditCaption(int32_t row) {
  SetFocus(list_);
  SendMessageW(list_, LVM_EDITLABELW, static_cast<WPARAM>(row), 0);
}

void ListRows::CancelCaptionEdit() {
  // The control reports the end with no text, which the bar ignores.
  SendMessageW(list_, LVM_CANCELEDITLABEL, 0, 0);
}

Point ListRows::MenuPointAt(std::optional<int32_t> row) {
  POINT at{0, 0};
  RECT icon{};
  icon.left = LVIR_ICON;
  if (row && SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(*row),
                          reinterpret_cast<LPARAM>(&icon))) {
    at = {(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
  }
  ClientToScreen(list_, &at);
  return {at.x, at.y};
}

}  // namespace olb::win
