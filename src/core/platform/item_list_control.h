// Port: the owner-data list control as the folder model and navigation drive it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/platform/list_view_style.h"

namespace olb {

class ItemListControl {
 public:
  virtual ~ItemListControl() = default;

  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;
  virtual void SetItemCount(int32_t count) = 0;
  virtual int32_t ItemCount() = 0;
  virtual void ClearSelection() = 0;
  // The first selected item, if any.
  virtual std::optional<int32_t> SelectedIndex() = 0;
  // Every selected item, in row order.
  virtual std::vector<int32_t> SelectedIndexes() = 0;
  virtual void Repaint() = 0;
  virtual ListViewStyle Style() = 0;
  virtual void SetStyle(ListViewStyle style) = 0;
};

}  // namespace olb
