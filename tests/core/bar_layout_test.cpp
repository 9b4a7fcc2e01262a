#include <gtest/gtest.h>

#include "core/layout/arrow.h"
#include "core/layout/bar_layout.h"
#include "core/layout/fit_to_items.h"
#include "core/layout/item_pitch.h"

namespace olb {
namespace {

// Classic frame metrics: SM_CYEDGE 2, SM_CYBORDER 1.
constexpr int32_t kE = LayoutFrameAllowance(2, 1);

BarMetrics Metrics(Edge edge, Size window, int32_t frame = 4) {
  return {edge, window, {window.cx - 2 * frame, window.cy - 2 * frame}, kE};
}

struct EdgeCase {
  Edge edge;
  Size window;
  Rect grip, panel, list, forward, back;
  int32_t spanX, spanY;
  IconArrangement arrangement;
};

TEST(BarLayout, FrameAllowanceIsTwiceEdgeAndBorderPlusThree) {
  EXPECT_EQ(kE, 9);
  EXPECT_EQ(LayoutFrameAllowance(0, 0), 3);
}

TEST(BarLayout, PlacesEveryPartForEachEdge) {
  const EdgeCase cases[] = {
      {Edge::Left,
       {100, 600},
       {0, 0, 20, 592},
       {0, 0, 20, 30},
       {20, 24, 91, 576},
       {28, 575, 83, 591},
       {28, 0, 83, 16},
       0,
       552,
       IconArrangement::Top},
      {Edge::Float,
       {150, 400},
       {0, 0, 20, 392},
       {0, 0, 20, 30},
       {20, 24, 141, 376},
       {28, 375, 133, 391},
       {28, 0, 133, 16},
       0,
       352,
       IconArrangement::Top},
      {Edge::Right,
       {100, 600},
       {72, 0, 92, 592},
       {71, 0, 91, 30},
       {0, 24, 71, 576},
       {8, 575, 63, 591},
       {8, 0, 63, 16},
       0,
       552,
       IconArrangement::Top},
      {Edge::Top,
       {800, 100},
       {0, 0, 792, 20},
       {0, -4, 24, 26},
       {19, 24, 771, 95},
       {775, 28, 791, 83},
       {0, 28, 16, 83},
       752,
       0,
       IconArrangement::Left},
      {Edge::Bottom,
       {1024, 60},
       {0, 0, 1016, 20},
       {0, -4, 24, 26},
       {19, 24, 995, 55},
       {999, 28, 1015, 43},
       {0, 28, 16, 43},
       976,
       0,
       IconArrangement::Left},
  };
  for (const EdgeCase& c : cases) {
    SCOPED_TRACE(ToInt(c.edge));
    BarLayout base = DesignLayout();
    base.listSpanX = base.listSpanY = 0;
    const BarLayout l = ComputeBarLayout(base, Metrics(c.edge, c.window));
    EXPECT_EQ(l.grip, c.grip);
    EXPECT_EQ(l.panel, c.panel);
    EXPECT_EQ(l.upButton, (Rect{0, 0, c.panel.Width(), 30}));
    EXPECT_EQ(l.list, c.list);
    EXPECT_EQ(l.forwardStrip, c.forward);
    EXPECT_EQ(l.backStrip, c.back);
    EXPECT_EQ(l.listSpanX, c.spanX);
    EXPECT_EQ(l.listSpanY, c.spanY);
    EXPECT_EQ(l.arrangement, c.arrangement);
  }
}

TEST(BarLayout, ArrowsFollowTheStripSizeAndOrientation) {
  const BarLayout v = ComputeBarLayout(DesignLayout(), Metrics(Edge::Left, {181, 500}));
  ASSERT_EQ(v.forwardStrip.Width(), 136);
  EXPECT_EQ(v.forwardArrow, (Triangle{{1, 1}, {135, 1}, {67, 15}}));
  EXPECT_EQ(v.backArrow, (Triangle{{1, 15}, {135, 15}, {67, 1}}));

  const BarLayout h = ComputeBarLayout(DesignLayout(), Metrics(Edge::Top, {700, 85}));
  ASSERT_EQ(h.forwardStrip.Height(), 40);
  EXPECT_EQ(h.forwardArrow, (Triangle{{1, 1}, {1, 39}, {15, 19}}));
  EXPECT_EQ(h.backArrow, (Triangle{{15, 1}, {15, 39}, {1, 19}}));
}

TEST(BarLayout, TinyWindowKeepsPreviousCrossSizesAndNeverInvertsTheList) {
  const BarLayout wide = ComputeBarLayout(DesignLayout(), Metrics(Edge::Left, {100, 600}));
  // 29 - 20 - 9 = 0: the list keeps its width; the strips keep theirs too.
  const BarLayout thin = ComputeBarLayout(wide, Metrics(Edge::Left, {29, 40}, 1));
  EXPECT_EQ(thin.list.Width(), wide.list.Width());
  EXPECT_EQ(thin.forwardStrip.Width(), wide.forwardStrip.Width());
  EXPECT_EQ(thin.listSpanY, 40 - 48);
  EXPECT_EQ(thin.list.Height(), 0);
  EXPECT_EQ(thin.forwardStrip.top, 40 - 16 - kE);

  // A list of 20 or less across leaves the strips' cross size alone.
  const BarLayout narrow = ComputeBarLayout(wide, Metrics(Edge::Left, {49, 300}));
  EXPECT_EQ(narrow.list.Width(), 20);
  EXPECT_EQ(narrow.backStrip.Width(), wide.backStrip.Width());
  const BarLayout justOver = ComputeBarLayout(wide, Metrics(Edge::Left, {50, 300}));
  EXPECT_EQ(justOver.backStrip.Width(), 5);

  const BarLayout top = ComputeBarLayout(DesignLayout(), Metrics(Edge::Top, {800, 100}));
  const BarLayout flat = ComputeBarLayout(top, Metrics(Edge::Top, {30, 25}, 1));
  EXPECT_EQ(flat.list.Height(), top.list.Height());
  EXPECT_EQ(flat.backStrip.Height(), top.backStrip.Height());
  EXPECT_EQ(flat.list.Width(), 0);
}

TEST(BarLayout, ChangingOrientationCarriesWhatTheNewEdgeDoesNotSet) {
  const BarLayout top = ComputeBarLayout(DesignLayout(), Metrics(Edge::Top, {800, 100}));
  const BarLayout left = ComputeBarLayout(top, Metrics(Edge::Left, {100, 600}));
  // The panel's top is only ever set for horizontal bars.
  EXPECT_EQ(left.panel, (Rect{0, -4, 20, 26}));
  EXPECT_EQ(left.upButton.Width(), 20);
  // Everything else is recomputed, so going back gives the same placement.
  const BarLayout back = ComputeBarLayout(left, Metrics(Edge::Top, {800, 100}));
  for (auto part : {&BarLayout::grip, &BarLayout::panel, &BarLayout::upButton, &BarLayout::list,
                    &BarLayout::forwardStrip, &BarLayout::backStrip}) {
    EXPECT_EQ(back.*part, top.*part);
  }
  EXPECT_EQ(back.forwardArrow, top.forwardArrow);
  // A vertical bar too narrow for a list keeps the horizontal strips' width.
  const BarLayout thinLeft = ComputeBarLayout(top, Metrics(Edge::Left, {40, 600}));
  EXPECT_EQ(thinLeft.forwardStrip.Width(), 16);
  EXPECT_EQ(thinLeft.forwardStrip.Height(), 16);
}

TEST(BarLayout, RightGripAtTheLeftEdgeKeepsThePanelThere) {
  // With a client narrower than the grip, the grip starts at or left of 0.
  const BarLayout l = ComputeBarLayout(DesignLayout(), Metrics(Edge::Right, {28, 300}));
  EXPECT_EQ(l.grip.left, 0);
  EXPECT_EQ(l.panel.left, 0);
  const BarLayout l2 = ComputeBarLayout(DesignLayout(), Metrics(Edge::Right, {22, 300}));
  EXPECT_EQ(l2.grip.left, -6);
  EXPECT_EQ(l2.panel.left, -6);
}

TEST(BarLayout, ScaledMonitorsGetTheDesignScaledFromTheFirstLayoutOnAndAcrossDpiChanges) {
  const BarLayout at96 = ComputeBarLayout(DesignLayout(), Metrics(Edge::Left, {100, 600}));
  BarMetrics m = Metrics(Edge::Left, {150, 900}, 6);
  m.frameAllowance = 14;
  m.dpi = 144;
  const BarLayout at144 = ComputeBarLayout(DesignLayout(), m);
  EXPECT_EQ(at144.dpi, 144u);
  EXPECT_EQ(at144.panel, (Rect{0, 0, 30, 45})) << "the design's panel of 20 x 30, at 150%";
  EXPECT_EQ(at144.upButton.Height(), 45);
  EXPECT_EQ(at144.grip.Width(), 30);
  EXPECT_EQ(at144.list.left, 30);

  // Moved to a 200% monitor, and back: the same as laid out there at first.
  BarMetrics m192 = Metrics(Edge::Left, {200, 1200}, 8);
  m192.frameAllowance = 18;
  m192.dpi = 192;
  EXPECT_EQ(ComputeBarLayout(at144, m192), ComputeBarLayout(DesignLayout(), m192));
  EXPECT_EQ(ComputeBarLayout(ComputeBarLayout(at144, m192), Metrics(Edge::Left, {100, 600})), at96);
}

// The length fitted to the items gives the list, laid out at that length and
// cut to whole pitches, every line of them at each DPI, and no line more.
TEST(FittedBarLength, TheLayoutOfTheFittedLengthShowsEveryLineAtEveryDpi) {
  for (uint32_t dpi : {96u, 120u, 144u, 168u, 192u, 288u}) {
    for (int32_t pitch : {17, 75, 91, 113}) {
      for (int32_t count : {0, 1, 7, 40}) {
        SCOPED_TRACE(::testing::Message() << dpi << " dpi, pitch " << pitch << ", " << count);
        const int32_t lines = count == 0 ? 1 : (count + 1) / 2;
        const int32_t length = FittedBarLength({count, 2, pitch, lines * pitch - 3}, dpi);
        for (Edge edge : {Edge::Top, Edge::Left}) {
          const bool horizontal = IsHorizontal(edge);
          BarMetrics m = Metrics(edge, horizontal ? Size{length, 150} : Size{150, length});
          m.dpi = dpi;
          const BarLayout l = ComputeBarLayout(DesignLayout(), m);
          const int32_t span = horizontal ? l.listSpanX : l.listSpanY;
          EXPECT_EQ(SnapListExtent(span, pitch), lines * pitch);
        }
      }
    }
  }
  EXPECT_EQ(FittedBarLength({3, 3, 0, 0}, 96), kUnmeasuredItemLength + kLengthBesideSpan)
      << "one line, no pitch measured yet";
  EXPECT_EQ(FittedBarLength({1, 1, 75, 200}, 96), 200 + kLengthBesideSpan)
      << "the extent the list reports, when longer";
}

}  // namespace
}  // namespace olb
