// The bar's layout, item pitch and scroll strips as one stateful piece: the
// form's scrolling fields and the handlers that change them.
#pragma once

#include <cstdint>

#include "core/platform/list_scroll_port.h"
#include "core/platform/strip_surface.h"
#include "core/layout/bar_layout.h"
#include "core/layout/fit_to_items.h"
#include "core/layout/strip_state.h"
#include "core/layout/view_mode.h"
#include "core/layout/wheel_steps.h"

namespace olb {

class ListScroller {
 public:
  ListScroller(ListScrollPort& list, StripSurface& strips) : list_(list), strips_(strips) {}

  // Places every part for the edge, sizes and arranges the list through the
  // port, cuts the list to whole pitches (measuring the pitch anew when the
  // edge, the view mode or the item count changed since the last
  // measurement) and updates the strips. The caller places the grip, the panel
  // and the button, and sizes the strip bitmaps, from the result.
  const BarLayout& LayoutBar(const BarMetrics& metrics);

  // Pitch along the bar from the items' positions (PitchAcrossLines); a
  // list whose items all share one line keeps the pitch it had. Cuts the
  // list to whole pitches.
  void MeasureItemPitch();
  // Cuts the list's extent along the bar to whole pitches of the span.
  void SnapListExtent();
  // Re-measures the pitch when the item count changed, scrolls the list back
  // to its start across the bar (the control scrolls sideways to show a
  // long caption, which the bar has no way back from), recomputes which
  // strips are active and redraws both.
  void UpdateScrollStrips();

  // Image1MouseMove / Image2MouseMove: `inStrip` in the strip's pixels.
  void OnStripMouseMove(StripId strip, Point inStrip);
  // ForwardRepeatTick / BackRepeatTick.
  void OnRepeatTimer(StripId strip);
  // A wheel event with its delta (positive: up, or left for a horizontal
  // wheel negated by the caller) and its position in form client
  // coordinates: one pitch per notch, smaller deltas adding up.
  void OnMouseWheel(int32_t delta, Point inForm);
  // ShowLargeIcons / ShowExtraLargeIcons / ShowSmallIcons (the caller then lets pending
  // messages run).
  void SetViewMode(ViewMode mode);

  // How far the list is scrolled along the bar, in pixels from its start;
  // ScrollToOffset goes back there (the control stops at its end).
  int32_t ScrollOffset();
  void ScrollToOffset(int32_t offset);

  // The folder shown as the list lays it out, for fitting the bar to it:
  // the items per line as last measured, the pitch, the items' extent.
  ItemsToFit Fit();

  const BarLayout& layout() const { return layout_; }
  ViewMode viewMode() const { return viewMode_; }
  const StripState& strips() const { return state_; }
  int32_t itemPitchX() const { return pitchX_; }
  int32_t itemPitchY() const { return pitchY_; }
  // The drop hit test stores its default pitch here.
  void SetItemPitch(int32_t x, int32_t y) {
    pitchX_ = x;
    pitchY_ = y;
  }

 private:
  bool Horizontal() const { return IsHorizontal(layout_.edge); }
  int32_t PitchAlong() const { return Horizontal() ? pitchX_ : pitchY_; }
  const Rect& StripRect(StripId s) const;
  const Triangle& StripArrow(StripId s) const;
  bool StripActive(StripId s) const;
  // The active arrow of `s` contains `inStrip`.
  bool OnArrow(StripId s, Point inStrip) const;
  bool CursorOnArrow(StripId s);
  void ScrollPitches(int32_t steps);
  // What the pitch was last measured for; a change asks for a new measurement.
  struct MeasuredFor {
    int32_t items = -1;
    Edge edge = Edge::Left;
    ViewMode mode = ViewMode::LargeIcons;
    friend bool operator==(const MeasuredFor&, const MeasuredFor&) = default;
  };
  MeasuredFor Current() { return {list_.ItemCount(), layout_.edge, viewMode_}; }
  void KeepStartAcrossTheBar();
  void ShowStrip(StripId s, Point cursor);

  ListScrollPort& list_;
  StripSurface& strips_;
  BarLayout layout_ = DesignLayout();
  ViewMode viewMode_ = ViewMode::LargeIcons;
  StripState state_;
  int32_t pitchX_ = 0;
  int32_t pitchY_ = 0;
  MeasuredFor measuredFor_;
  int32_t perLine_ = 1;  // items side by side across the bar, as last measured
  WheelSteps wheel_;
};

}  // namespace olb
