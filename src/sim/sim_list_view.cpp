#include "sim/sim_list_view.h"

#include <algorithm>

namespace olb::sim {

Size SimListView::Cell() const {
  switch (style_) {
    case ListViewStyle::LargeIcons:
      return largeCell_;
    case ListViewStyle::ExtraLargeIcons:
      return extraLargeCell_;
    default:
      return smallCell_;
  }
}

int32_t SimListView::PerLine() const {
  return perLine_;
}

void SimListView::Arrange() {
  const Size cell = Cell();
  // Report style holds one item per row whatever the arrangement.
  if (style_ == ListViewStyle::Report) {
    perLine_ = 1;
    return;
  }
  const bool rows = arrangement_ == IconArrangement::Top && style_ != ListViewStyle::List;
  const int32_t room = rows ? bounds_.Width() / cell.cx : bounds_.Height() / cell.cy;
  perLine_ = std::max(room, 1);
}

Size SimListView::ContentSize() const {
  if (count_ == 0) return {};
  const Size cell = Cell();
  const int32_t per = PerLine();
  const int32_t lines = (count_ + per - 1) / per;
  const int32_t across = std::min(count_, per);
  const bool rows = (arrangement_ == IconArrangement::Top && style_ != ListViewStyle::List) ||
                    style_ == ListViewStyle::Report;
  return rows ? Size{across * cell.cx, lines * cell.cy} : Size{lines * cell.cx, across * cell.cy};
}

Point SimListView::ItemPosition(int32_t index) {
  const Size cell = Cell();
  const int32_t per = PerLine();
  const bool rows = (arrangement_ == IconArrangement::Top && style_ != ListViewStyle::List) ||
                    style_ == ListViewStyle::Report;
  const int32_t line = index / per;
  const int32_t place = index % per;
  const Point content =
      rows ? Point{place * cell.cx, line * cell.cy} : Point{line * cell.cx, place * cell.cy};
  return {content.x - origin_.x, content.y - origin_.y};
}

Rect SimListView::ViewRect() {
  const Size content = ContentSize();
  return Rect{0, 0, content.cx, content.cy}.MovedTo(-origin_.x, -origin_.y);
}

void SimListView::ClampOrigin() {
  const Size content = ContentSize();
  origin_.x = std::clamp(origin_.x, 0, std::max(content.cx - bounds_.Width(), 0));
  origin_.y = std::clamp(origin_.y, 0, std::max(content.cy - bounds_.Height(), 0));
}

void SimListView::ScrollBy(int32_t dx, int32_t dy) {
  // Clamping in 64 bits first keeps huge requests from overflowing.
  const auto add = [](int32_t a, int32_t d) {
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{a} + d, 0, INT32_MAX));
  };
  origin_ = {add(origin_.x, dx), add(origin_.y, dy)};
  ClampOrigin();
}

void SimListView::ScrollToTop() {
  origin_.y = 0;
}

void SimListView::SetBounds(const Rect& bounds) {
  bounds_ = bounds;
  ClampOrigin();
}

void SimListView::SetArrangement(IconArrangement arrangement) {
  arrangement_ = arrangement;
  ++arrangementChanges_;
  Arrange();
  ClampOrigin();
}

void SimListView::SetViewStyle(ListViewStyle style) {
  style_ = style;
  styleLog_.push_back(style);
  Arrange();
  ClampOrigin();
}

void SimListView::SetItemCount(int32_t count) {
  count_ = std::max(count, 0);
  Arrange();
  ClampOrigin();
}

void SimListView::SetSpacing(ListViewStyle style, Size cell) {
  Size& target = style == ListViewStyle::LargeIcons        ? largeCell_
                 : style == ListViewStyle::ExtraLargeIcons ? extraLargeCell_
                                                           : smallCell_;
  target.cx = cell.cx > 1 ? cell.cx : 1;
  target.cy = cell.cy > 1 ? cell.cy : 1;
  Arrange();
  ClampOrigin();
}

}  // namespace olb::sim
