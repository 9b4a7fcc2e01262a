// A list control in icon styles, as the Windows list view arranges and
// scrolls it: items on a fixed grid that flows in rows (top arrangement) or
// columns (left arrangement), a view rectangle relative to the visible area,
// and scrolling clamped to the items' extent. Without auto-arrange the
// control arranges its items when its arrangement, style or item count
// changes, within the size it has then; a resize leaves them where they are.
#pragma once

#include <vector>

#include "core/platform/list_scroll_port.h"

namespace olb::sim {

// Grid cells as Wine's list view spaces them.
inline constexpr Size kLargeIconSpacing{75, 75};
inline constexpr Size kSmallIconSpacing{128, 17};
// Large-icon cells, taller by the 16 pixels a 48-pixel icon adds to a 32.
inline constexpr Size kExtraLargeIconSpacing{75, 91};

class SimListView : public ListScrollPort {
 public:
  int32_t ItemCount() override { return count_; }
  Point ItemPosition(int32_t index) override;
  Rect ViewRect() override;
  void ScrollBy(int32_t dx, int32_t dy) override;
  void ScrollToTop() override;
  void SetBounds(const Rect& bounds) override;
  IconArrangement Arrangement() override { return arrangement_; }
  void SetArrangement(IconArrangement arrangement) override;
  void SetViewStyle(ListViewStyle style) override;

  // Test controls and observations.
  void SetItemCount(int32_t count);
  void SetSpacing(ListViewStyle style, Size cell);
  const Rect& bounds() const { return bounds_; }
  Point origin() const { return origin_; }  // scroll position, >= 0
  ListViewStyle style() const { return style_; }
  const std::vector<ListViewStyle>& styleLog() const { return styleLog_; }
  int arrangementChanges() const { return arrangementChanges_; }

 private:
  Size Cell() const;
  int32_t PerLine() const;  // items per row (top) or column (left), as arranged
  void Arrange();
  Size ContentSize() const;
  void ClampOrigin();

  int32_t count_ = 0;
  ListViewStyle style_ = ListViewStyle::LargeIcons;
  IconArrangement arrangement_ = IconArrangement::Left;
  Rect bounds_;
  Point origin_;
  Size largeCell_ = kLargeIconSpacing;
  Size smallCell_ = kSmallIconSpacing;
  Size extraLargeCell_ = kExtraLargeIconSpacing;
  std::vector<ListViewStyle> styleLog_;
  int arrangementChanges_ = 0;
  int32_t perLine_ = 1;
};

}  // namespace olb::sim
