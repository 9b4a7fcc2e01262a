// The bar's layout, item pitch and scroll strips as one stateful piece: the
// form's scrolling fields and the handlers that change them.
#pragma once

#include <cstdint>

#include "core/platform/list_scroll_port.h"
#include "core/platform/strip_surface.h"
#include "core/view/bar_layout.h"
#include "core/view/strip_state.h"
#include "core/view/view_mode.h"

namespace olb {

enum class WheelDirection { Down, Up };

class ListScroller {
 public:
  ListScroller(ListScrollPort& list, StripSurface& strips) : list_(list), strips_(strips) {}

  // Places every part for the edge, sizes and arranges the list through the
  // port, cuts the list to whole pitches (measuring the pitch while it is
  // still 0) and updates the strips. The caller places the grip, the panel
  // and the button, and sizes the strip bitmaps, from the result.
  const BarLayout& LayoutBar(const BarMetrics& metrics);

  // Pitch along the bar from items 0 and 1; needs at least two items.
  void MeasureItemPitch();
  // Cuts the list's extent along the bar to whole pitches of the span.
  void SnapListExtent();
  // Recomputes which strips are active and redraws both.
  void UpdateScrollStrips();

  // Image1MouseMove / Image2MouseMove: `inStrip` in the strip's pixels.
  void OnStripMouseMove(StripId strip, Point inStrip);
  // TimerBottomTimer / TimerUpTimer.
  void OnRepeatTimer(StripId strip);
  // FormMouseWheelDown / Up, with the event's position in form client
  // coordinates. The caller leaves the event unhandled.
  void OnMouseWheel(WheelDirection direction, Point inForm);
  // LargeIcons1Click / SmallIcons1Click (the caller then lets pending
  // messages run).
  void SetViewMode(ViewMode mode);

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
  void ScrollOnePitch(bool forward);
  void ShowStrip(StripId s, Point cursor);

  ListScrollPort& list_;
  StripSurface& strips_;
  BarLayout layout_ = DesignLayout();
  ViewMode viewMode_ = ViewMode::LargeIcons;
  StripState state_;
  int32_t pitchX_ = 0;
  int32_t pitchY_ = 0;
};

}  // namespace olb
