#include "core/layout/list_scroller.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "core/layout/arrow.h"
#include "core/layout/item_pitch.h"

namespace olb {

const BarLayout& ListScroller::LayoutBar(const BarMetrics& metrics) {
  layout_ = ComputeBarLayout(layout_, metrics);
  // The bounds go first: the control arranges its items once, when the
  // arrangement changes, within the size it has then; it does not arrange
  // them again when it is resized. Arranged within the old edge's bounds, a
  // horizontal bar would keep a vertical bar's column of items (and the
  // reverse), with only the first item in view and no pitch along the bar.
  list_.SetBounds(layout_.list);
  if (list_.Arrangement() != layout_.arrangement) list_.SetArrangement(layout_.arrangement);
  if (PitchAlong() != 0 && measuredFor_ == Current()) {
    SnapListExtent();
  } else {
    MeasureItemPitch();
  }
  UpdateScrollStrips();
  return layout_;
}

void ListScroller::MeasureItemPitch() {
  measuredFor_ = Current();
  std::vector<Point> positions;
  const int32_t n = std::min(measuredFor_.items, kPitchSampleItems);
  for (int32_t i = 0; i < n; ++i) positions.push_back(list_.ItemPosition(i));
  perLine_ = ItemsPerLine(positions, Horizontal());
  if (const int32_t pitch = PitchAcrossLines(positions, Horizontal()); pitch > 0) {
    (Horizontal() ? pitchX_ : pitchY_) = pitch;
  }
  SnapListExtent();
}

ItemsToFit ListScroller::Fit() {
  if (measuredFor_ != Current()) MeasureItemPitch();
  const Rect view = list_.ViewRect();
  return {measuredFor_.items, perLine_, PitchAlong(), Horizontal() ? view.Width() : view.Height()};
}

void ListScroller::SnapListExtent() {
  const int32_t span = Horizontal() ? layout_.listSpanX : layout_.listSpanY;
  const std::optional<int32_t> extent = olb::SnapListExtent(span, PitchAlong());
  if (!extent) return;
  Rect& l = layout_.list;
  // A span below one pitch, or below 0 on a tiny window, leaves an empty list.
  if (Horizontal()) {
    l.right = l.left + std::max(*extent, 0);
  } else {
    l.bottom = l.top + std::max(*extent, 0);
  }
  list_.SetBounds(l);
}

void ListScroller::UpdateScrollStrips() {
  if (measuredFor_ != Current()) MeasureItemPitch();
  KeepStartAcrossTheBar();
  const int32_t size = Horizontal() ? layout_.list.Width() : layout_.list.Height();
  state_ = ComputeStripState(list_.ViewRect(), size, Horizontal());
  const Point cursor = strips_.CursorInForm();
  ShowStrip(StripId::Forward, cursor);
  ShowStrip(StripId::Back, cursor);
}

int32_t ListScroller::ScrollOffset() {
  const Rect view = list_.ViewRect();
  return std::max(Horizontal() ? -view.left : -view.top, 0);
}

void ListScroller::ScrollToOffset(int32_t offset) {
  const int64_t by = int64_t{offset} - ScrollOffset();
  const auto step = static_cast<int32_t>(std::clamp<int64_t>(by, INT32_MIN, INT32_MAX));
  if (Horizontal()) {
    list_.ScrollBy(step, 0);
  } else {
    list_.ScrollBy(0, step);
  }
  UpdateScrollStrips();
}

void ListScroller::KeepStartAcrossTheBar() {
  const Rect view = list_.ViewRect();
  if (Horizontal()) {
    if (view.top < 0) list_.ScrollBy(0, view.top);
  } else if (view.left < 0) {
    list_.ScrollBy(view.left, 0);
  }
}

void ListScroller::ShowStrip(StripId s, Point cursor) {
  const Rect& r = StripRect(s);
  const Point inStrip{cursor.x - r.left, cursor.y - r.top};
  StripLook look = StripLook::Blank;
  if (StripActive(s)) look = OnArrow(s, inStrip) ? StripLook::HoverArrow : StripLook::Arrow;
  strips_.ShowStrip(s, look, StripArrow(s));
}

void ListScroller::OnStripMouseMove(StripId s, Point inStrip) {
  // Moves outside the arrow change nothing: the hover look stays until the
  // next timer tick notices the pointer has gone.
  if (!OnArrow(s, inStrip)) return;
  strips_.RestartRepeatTimer(s);
  strips_.ShowStrip(s, StripLook::HoverArrow, StripArrow(s));
}

void ListScroller::OnRepeatTimer(StripId s) {
  if (CursorOnArrow(s)) {
    ScrollPitches(s == StripId::Forward ? 1 : -1);
    strips_.RestartRepeatTimer(s);
  } else {
    strips_.StopRepeatTimer(s);
  }
  UpdateScrollStrips();
}

void ListScroller::OnMouseWheel(int32_t delta, Point inForm) {
  const Rect& l = layout_.list;
  const int32_t x = inForm.x - l.left;
  const int32_t y = inForm.y - l.top;
  if (!(0 < x && x < l.Width() && 0 < y && y < l.Height() && state_.listOverflows)) return;
  // The control stops at its ends, so the wheel needs no look at the arrows.
  const int32_t steps = wheel_.Add(delta);
  if (steps == 0) return;
  ScrollPitches(steps);
  UpdateScrollStrips();
}

void ListScroller::SetViewMode(ViewMode mode) {
  // One change of style; the control arranges its items once for it.
  switch (mode) {
    case ViewMode::LargeIcons:
      list_.SetViewStyle(ListViewStyle::LargeIcons);
      break;
    case ViewMode::SmallIcons:
      list_.SetViewStyle(ListViewStyle::SmallIcons);
      break;
    case ViewMode::ExtraLargeIcons:
      list_.SetViewStyle(ListViewStyle::ExtraLargeIcons);
      break;
  }
  viewMode_ = mode;
  list_.ScrollToTop();
  // The top is the start of a vertical bar only: a horizontal bar goes back
  // to its left end, or the new style shows the empty space past its items.
  if (Horizontal()) {
    if (const Rect view = list_.ViewRect(); view.left < 0) list_.ScrollBy(view.left, 0);
  }
  UpdateScrollStrips();
  MeasureItemPitch();
  // The new pitch may have cut the list to another extent; the strips must
  // reflect that extent, not the one they were computed for just above.
  UpdateScrollStrips();
}

const Rect& ListScroller::StripRect(StripId s) const {
  return s == StripId::Forward ? layout_.forwardStrip : layout_.backStrip;
}

const Triangle& ListScroller::StripArrow(StripId s) const {
  return s == StripId::Forward ? layout_.forwardArrow : layout_.backArrow;
}

bool ListScroller::StripActive(StripId s) const {
  return s == StripId::Forward ? state_.forwardActive : state_.backActive;
}

bool ListScroller::OnArrow(StripId s, Point inStrip) const {
  return StripActive(s) && InsideArrow(StripArrow(s), inStrip);
}

bool ListScroller::CursorOnArrow(StripId s) {
  const Point c = strips_.CursorInForm();
  const Rect& r = StripRect(s);
  return OnArrow(s, {c.x - r.left, c.y - r.top});
}

void ListScroller::ScrollPitches(int32_t steps) {
  // 64-bit so that a stored pitch of INT32_MIN times the steps cannot overflow.
  const int64_t pitch = PitchAlong();
  const int32_t step =
      static_cast<int32_t>(std::clamp<int64_t>(pitch * steps, INT32_MIN, INT32_MAX));
  if (Horizontal()) {
    list_.ScrollBy(step, 0);
  } else {
    list_.ScrollBy(0, step);
  }
}

}  // namespace olb
