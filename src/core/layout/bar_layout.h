// Where the bar form's parts go for each edge: a pure function of the edge,
// the window's size and the previous placement.
#pragma once

#include <cstdint>
#include <optional>

#include "core/platform/edge.h"
#include "core/platform/geometry.h"
#include "core/platform/list_scroll_port.h"
#include "core/platform/strip_surface.h"

namespace olb {

inline constexpr int32_t kGripThickness = 20;   // PaintBox1 across the bar
inline constexpr int32_t kStripThickness = 16;  // a scroll strip along the bar
inline constexpr int32_t kListTop = 24;         // the list's design top, kept on every edge
inline constexpr int32_t kSpanSlack = 16;       // taken off the list's span besides the strips
// The window's length along the bar that the list's span does not get: the
// two strips and the slack.
inline constexpr int32_t kLengthBesideSpan = 2 * kStripThickness + kSpanSlack;

// The allowance for the window frame that the layout subtracts from the
// window's outer size: twice SM_CYEDGE plus twice SM_CYBORDER plus 3 pixels.
// The vertical metrics serve for widths too.
constexpr int32_t LayoutFrameAllowance(int32_t cyEdge, int32_t cyBorder) {
  return 2 * cyEdge + 2 * cyBorder + 3;
}

struct BarMetrics {
  olb::Edge edge = olb::Edge::Left;
  Size window;                 // the bar window's outer width and height
  Size client;                 // its client area, where the grip is aligned
  int32_t frameAllowance = 9;  // LayoutFrameAllowance(...)
  uint32_t dpi = 96;           // the monitor's DPI; the design is for 96
};

// Every rectangle is in the bar form's client coordinates except `upButton`,
// which is in `panel`'s. The strips and the grip are painted regions of the
// form; the panel and the list are child windows. Each strip's off-screen
// bitmap has the strip's size.
struct BarLayout {
  olb::Edge edge = olb::Edge::Left;  // the edge the parts are placed for
  Rect grip;                         // PaintBox1: the title strip and grip
  Rect panel;                        // Panel1
  Rect upButton;                     // tlbtnUpOneLevel inside Panel1
  Rect list;                         // ListView
  Rect forwardStrip;                 // Image1, bottom or right end
  Rect backStrip;                    // Image2, top or left end
  Triangle forwardArrow;
  Triangle backArrow;
  int32_t listSpanX = 0;  // list width available on a horizontal bar
  int32_t listSpanY = 0;  // list height available on a vertical bar
  IconArrangement arrangement = IconArrangement::Left;
  uint32_t dpi = 96;  // the DPI the rectangles are in pixels of

  friend bool operator==(const BarLayout&, const BarLayout&) = default;
};

// The parts as the form is designed, before the first layout.
BarLayout DesignLayout();

// The scroll strip at `inForm`, if any.
std::optional<StripId> StripAt(const BarLayout& layout, Point inForm);

// Places the parts for `m.edge`. At another DPI than 96 the parts are laid
// out as designed for the window's size at 96 DPI and scaled to `m.dpi`;
// `previous` is taken at its own DPI (the design's at first). What a step leaves alone
// keeps its value from `previous`: the list's cross size when the computed one is 0 or less, the
// strips' cross size when the list is 20 pixels or less across, and the panel's top on a vertical
// bar. The list's extent along the bar is the whole span here (never below 0); cutting it to whole
// item pitches is SnapListExtent's business.
BarLayout ComputeBarLayout(const BarLayout& previous, const BarMetrics& m);

}  // namespace olb
