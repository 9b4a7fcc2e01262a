// Port: the item list control as the layout and scrolling logic sees it.
#pragma once

#include <cstdint>

#include "core/platform/geometry.h"
#include "core/platform/list_view_style.h"

namespace olb {

// Where icon-style items start and how they flow: Top fills rows from the
// top (a vertical bar), Left fills columns from the left (a horizontal bar).
enum class IconArrangement { Top, Left };

class ListScrollPort {
 public:
  virtual ~ListScrollPort() = default;

  virtual int32_t ItemCount() = 0;

  // Top-left of item `index` relative to the visible area. Only asked for
  // indexes in [0, ItemCount()).
  virtual Point ItemPosition(int32_t index) = 0;

  // Bounding rectangle of all items relative to the visible area: its near
  // side is negative when the list is scrolled away from its start.
  virtual Rect ViewRect() = 0;

  // Scrolls by a pixel amount; the control stops at its ends.
  virtual void ScrollBy(int32_t dx, int32_t dy) = 0;

  // Scrolls vertically to the start (the vertical scroll message's "top").
  virtual void ScrollToTop() = 0;

  // Moves and sizes the control, in the bar form's client coordinates.
  virtual void SetBounds(const Rect& bounds) = 0;

  virtual IconArrangement Arrangement() = 0;
  // Changes the arrangement and attaches the image lists again, which the
  // control drops when its arrangement changes.
  virtual void SetArrangement(IconArrangement arrangement) = 0;

  virtual void SetViewStyle(ListViewStyle style) = 0;
};

}  // namespace olb
