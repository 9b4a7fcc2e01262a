#include "core/layout/bar_layout.h"

#include <algorithm>
#include <initializer_list>

#include "core/settings/dpi_scale.h"
#include "core/layout/arrow.h"

namespace olb {
namespace {

constexpr int32_t kPanelHeight = 30;
constexpr int32_t kVerticalPanelWidth = 20;
constexpr int32_t kHorizontalPanelWidth = 24;
constexpr int32_t kHorizontalPanelTop = -4;
constexpr int32_t kStripGap = 8;  // between the grip and the strips

void SetLeft(Rect& r, int32_t left) {
  r = r.MovedTo(left, r.top);
}
void SetTop(Rect& r, int32_t top) {
  r = r.MovedTo(r.left, top);
}
void SetWidth(Rect& r, int32_t width) {
  r.right = r.left + width;
}
void SetHeight(Rect& r, int32_t height) {
  r.bottom = r.top + height;
}

// Panel1 sits one pixel inside a grip that does not start at the left edge.
int32_t PanelLeftFor(const Rect& grip) {
  return grip.left > 0 ? grip.left - 1 : grip.left;
}

void PlaceAcross(BarLayout& r, const BarMetrics& m) {
  switch (m.edge) {
    case Edge::Right:
      r.grip = {m.client.cx - kGripThickness, 0, m.client.cx, m.client.cy};
      SetLeft(r.forwardStrip, kStripGap);
      SetLeft(r.backStrip, kStripGap);
      SetLeft(r.list, 0);
      SetLeft(r.panel, PanelLeftFor(r.grip));
      SetWidth(r.panel, kVerticalPanelWidth);
      break;
    case Edge::Top:
    case Edge::Bottom:
      r.grip = {0, 0, m.client.cx, kGripThickness};
      SetWidth(r.forwardStrip, kStripThickness);
      SetWidth(r.backStrip, kStripThickness);
      SetLeft(r.backStrip, 0);
      SetLeft(r.forwardStrip, m.window.cx - kStripThickness - m.frameAllowance);
      SetLeft(r.list, r.backStrip.left + kStripThickness + 3);
      SetLeft(r.panel, PanelLeftFor(r.grip));
      SetTop(r.panel, kHorizontalPanelTop);
      SetWidth(r.panel, kHorizontalPanelWidth);
      break;
    default:  // left, floating (and unregistered) bars are laid out alike
      r.grip = {0, 0, kGripThickness, m.client.cy};
      SetLeft(r.forwardStrip, kGripThickness + kStripGap);
      SetLeft(r.backStrip, kGripThickness + kStripGap);
      SetLeft(r.list, kGripThickness);
      SetLeft(r.panel, 0);
      SetWidth(r.panel, kVerticalPanelWidth);
      break;
  }
  // The button fills its panel. (Taking the panel's width before the panel
  // is resized would leave it one edge change behind.)
  SetWidth(r.upButton, r.panel.Width());
}

void LayOutVertical(BarLayout& r, const BarMetrics& m) {
  r.arrangement = IconArrangement::Top;
  const int32_t listWidth = m.window.cx - kGripThickness - m.frameAllowance;
  if (listWidth > 0) SetWidth(r.list, listWidth);
  for (Rect* strip : {&r.forwardStrip, &r.backStrip}) {
    SetHeight(*strip, kStripThickness);
    if (r.list.Width() > 20) SetWidth(*strip, r.list.Width() - 16);
  }
  SetTop(r.forwardStrip, m.window.cy - r.forwardStrip.Height() - m.frameAllowance);
  SetTop(r.backStrip, 0);
  r.forwardArrow = ForwardArrow({r.forwardStrip.Width(), r.forwardStrip.Height()}, false);
  r.backArrow = BackArrow({r.backStrip.Width(), r.backStrip.Height()}, false);
  r.listSpanY = m.window.cy - kLengthBesideSpan;
  SetHeight(r.list, std::max(r.listSpanY, 0));
}

void LayOutHorizontal(BarLayout& r, const BarMetrics& m) {
  r.arrangement = IconArrangement::Left;
  const int32_t listHeight = m.window.cy - kGripThickness - m.frameAllowance;
  if (listHeight > 0) SetHeight(r.list, listHeight);
  for (Rect* strip : {&r.forwardStrip, &r.backStrip}) {
    if (r.list.Height() > 20) SetHeight(*strip, r.list.Height() - 16);
    SetTop(*strip, kGripThickness + kStripGap);
  }
  r.forwardArrow = ForwardArrow({r.forwardStrip.Width(), r.forwardStrip.Height()}, true);
  r.backArrow = BackArrow({r.backStrip.Width(), r.backStrip.Height()}, true);
  r.listSpanX = m.window.cx - kLengthBesideSpan;
  SetWidth(r.list, std::max(r.listSpanX, 0));
}

}  // namespace

std::optional<StripId> StripAt(const BarLayout& layout, Point inForm) {
  if (layout.forwardStrip.Contains(inForm)) return StripId::Forward;
  if (layout.backStrip.Contains(inForm)) return StripId::Back;
  return std::nullopt;
}

BarLayout DesignLayout() {
  BarLayout d;
  d.grip = {0, 0, kGripThickness, 319};
  d.panel = {0, 0, kVerticalPanelWidth, kPanelHeight};
  d.upButton = {0, 0, 25, kPanelHeight};
  d.list = {kGripThickness, kListTop, 139, 295};
  d.forwardStrip = {28, 303, 28 + 156, 303 + 16};
  d.backStrip = {28, 0, 28 + 156, 16};
  d.arrangement = IconArrangement::Left;
  return d;
}

namespace {

BarLayout ScaleLayout(const BarLayout& l, uint32_t from, uint32_t to) {
  BarLayout r = l;
  r.dpi = to;
  for (Rect* part : {&r.grip, &r.panel, &r.upButton, &r.list, &r.forwardStrip, &r.backStrip}) {
    *part = ScaleForDpi(*part, from, to);
  }
  r.listSpanX = ScaleForDpi(l.listSpanX, from, to);
  r.listSpanY = ScaleForDpi(l.listSpanY, from, to);
  // The arrows are drawn for the strips' new sizes.
  const bool horizontal = r.arrangement == IconArrangement::Left;
  r.forwardArrow = ForwardArrow({r.forwardStrip.Width(), r.forwardStrip.Height()}, horizontal);
  r.backArrow = BackArrow({r.backStrip.Width(), r.backStrip.Height()}, horizontal);
  return r;
}

Size ScaleSize(Size s, uint32_t from, uint32_t to) {
  return {ScaleForDpi(s.cx, from, to), ScaleForDpi(s.cy, from, to)};
}

}  // namespace

BarLayout ComputeBarLayout(const BarLayout& previous, const BarMetrics& m) {
  const uint32_t dpi = m.dpi == 0 ? kDesignDpi : m.dpi;
  if (dpi != kDesignDpi || previous.dpi != kDesignDpi) {
    BarMetrics design = m;
    design.dpi = kDesignDpi;
    design.window = ScaleSize(m.window, dpi, kDesignDpi);
    design.client = ScaleSize(m.client, dpi, kDesignDpi);
    design.frameAllowance = ScaleForDpi(m.frameAllowance, dpi, kDesignDpi);
    return ScaleLayout(ComputeBarLayout(ScaleLayout(previous, previous.dpi, kDesignDpi), design),
                       kDesignDpi, dpi);
  }
  BarLayout r = previous;
  r.edge = m.edge;
  SetTop(r.list, kListTop);
  PlaceAcross(r, m);
  if (IsHorizontal(m.edge)) {
    LayOutHorizontal(r, m);
  } else {
    LayOutVertical(r, m);
  }
  return r;
}

}  // namespace olb
