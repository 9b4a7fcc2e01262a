#include <gtest/gtest.h>

#include "core/docking/dock_geometry.h"
#include "core/platform/window_codes.h"

namespace olb {
namespace {

constexpr Size kScreen{1024, 768};
// The full-screen work area less a 16-pixel scroll-bar margin.
constexpr Rect kFloatZone{16, 16, 1008, 752};

TEST(EdgeFromPoint, DiagonalsDecideOutsideTheFloatingZone) {
  struct Case {
    Point p;
    Edge expected;
  } cases[] = {
      {{1020, 700}, Edge::Right}, {{900, 767}, Edge::Bottom},
      {{10, 10}, Edge::Left},                                // narrowly: 374 * 1024 < 502 * 768
      {{12, 9}, Edge::Left},                                 // exactly on the diagonal
      {{13, 9}, Edge::Top},                                  // one pixel past it
      {{512, 0}, Edge::Top},      {{-40, 300}, Edge::Left},  // beyond the screen
      {{5000, -9000}, Edge::Top},                            // far off screen, no overflow
      {{512, 384}, Edge::Float},                             // the centre floats
      {{16, 16}, Edge::Float},                               // the zone's first pixel
      {{1008, 400}, Edge::Right},                            // the zone's right side is exclusive
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EdgeFromPoint(kBarPositionFlags, c.p, kScreen, kFloatZone), c.expected)
        << c.p.x << "," << c.p.y;
  }
}

TEST(EdgeFromPoint, PointOnADiagonalProposesLeftOrRight) {
  // dx : dy = 4 : 3 lies exactly on a 1024 x 768 screen's diagonal.
  for (int k : {1, 40, 128}) {
    EXPECT_EQ(EdgeFromPoint(kBarPositionFlags, {512 - 4 * k, 384 - 3 * k}, kScreen, {}),
              Edge::Left);
    EXPECT_EQ(EdgeFromPoint(kBarPositionFlags, {512 + 4 * k, 384 + 3 * k}, kScreen, {}),
              Edge::Right);
    EXPECT_EQ(EdgeFromPoint(kBarPositionFlags, {512 + 4 * k, 384 - 3 * k - 1}, kScreen, {}),
              Edge::Top);
  }
}

TEST(EdgeFromPoint, FlagsLimitTheChoice) {
  const Point nearTop{512, 2};
  const Point nearLeft{2, 384};
  const Point centre{512, 384};
  EXPECT_EQ(EdgeFromPoint(kAllowLeftRight, nearTop, kScreen, kFloatZone), Edge::Right);
  EXPECT_EQ(EdgeFromPoint(kAllowTopBottom, nearLeft, kScreen, kFloatZone), Edge::Bottom);
  EXPECT_EQ(EdgeFromPoint(kAllowFloat, nearLeft, kScreen, kFloatZone), Edge::Float);
  // Without floating, the middle of the screen docks too.
  EXPECT_EQ(EdgeFromPoint(kAllowLeftRight | kAllowTopBottom, centre, kScreen, kFloatZone),
            Edge::Right);
  EXPECT_EQ(EdgeFromPoint(0, nearLeft, kScreen, kFloatZone), Edge::Float);
}

TEST(CutToEdge, KeepsTheOuterSide) {
  const Rect granted{0, 0, 1024, 738};
  EXPECT_EQ(CutToEdge(granted, Edge::Left, 100), (Rect{0, 0, 100, 738}));
  EXPECT_EQ(CutToEdge(granted, Edge::Top, 40), (Rect{0, 0, 1024, 40}));
  EXPECT_EQ(CutToEdge(granted, Edge::Right, 100), (Rect{924, 0, 1024, 738}));
  EXPECT_EQ(CutToEdge(granted, Edge::Bottom, 40), (Rect{0, 698, 1024, 738}));
  EXPECT_EQ(CutToEdge(granted, Edge::Float, 40), granted);
}

TEST(AutoHidePlace, HiddenBarLeavesTwoBordersOnScreen) {
  const Size border{1, 1};
  const Rect vertical{0, 0, 100, 768};
  const Rect horizontal{0, 0, 1024, 40};
  EXPECT_EQ(AutoHidePlace(vertical, Edge::Left, false, kScreen, border), (Rect{-98, 0, 2, 768}));
  EXPECT_EQ(AutoHidePlace(vertical, Edge::Left, true, kScreen, border), vertical);
  EXPECT_EQ(AutoHidePlace(vertical, Edge::Right, false, kScreen, border),
            (Rect{1022, 0, 1122, 768}));
  EXPECT_EQ(AutoHidePlace(vertical, Edge::Right, true, kScreen, border), (Rect{924, 0, 1024, 768}));
  EXPECT_EQ(AutoHidePlace(horizontal, Edge::Top, false, kScreen, {2, 3}), (Rect{0, -34, 1024, 6}));
  EXPECT_EQ(AutoHidePlace(horizontal, Edge::Bottom, false, kScreen, border),
            (Rect{0, 766, 1024, 806}));
  EXPECT_EQ(AutoHidePlace(horizontal, Edge::Bottom, true, kScreen, border),
            (Rect{0, 728, 1024, 768}));
}

TEST(SlideFrame, MovesEachMeasureLinearlyTruncatingTowardZero) {
  const Rect from{-98, 0, 2, 768};  // x0 -98, w0 100
  const Rect to{0, 10, 150, 700};   // x1 0, y1 10, w1 150, h1 690
  // x = -98 - (-98)·t/400: at t = 1, 98/400 truncates to 0 (not -1).
  EXPECT_EQ(SlideFrame(from, to, 0), from);
  EXPECT_EQ(SlideFrame(from, to, 1).left, -98);
  EXPECT_EQ(SlideFrame(from, to, 5).left, -97);  // 490/400 = 1
  const Rect mid = SlideFrame(from, to, 200);
  EXPECT_EQ(mid, (Rect{-49, 5, -49 + 125, 5 + 729}));
  EXPECT_EQ(SlideFrame(from, to, 399), (Rect{-1, 9, -1 + 149, 9 + 691}));
}

TEST(SlideFrame, HugeRectanglesDoNotOverflow) {
  const Rect from{INT32_MIN / 2, 0, INT32_MAX / 2, 10};
  const Rect to{0, 0, 10, 10};
  const Rect f = SlideFrame(from, to, 399);
  EXPECT_GT(f.left, from.left);
  EXPECT_LE(f.left, 0);
}

TEST(SnapSizingRect, UnitOrZeroIncrementsKeepTheDraggedSize) {
  const Rect drag{10, 20, 137, 451};
  for (int side = sizing::Left; side <= sizing::BottomRight; ++side) {
    EXPECT_EQ(SnapSizingRect(drag, side, {8, 8}, {1, 1}), drag) << side;
    EXPECT_EQ(SnapSizingRect(drag, side, {8, 8}, {0, 0}), drag) << side;
  }
}

TEST(SnapSizingRect, KeepsTheSideOppositeTheDraggedOne) {
  // Frame 8: client width 129 snaps to 130 (nearest 10), height 423 to 420.
  const Rect drag{10, 20, 147, 451};
  const Point inc{10, 10};
  EXPECT_EQ(SnapSizingRect(drag, sizing::Left, {8, 8}, inc), (Rect{9, 20, 147, 451}));
  EXPECT_EQ(SnapSizingRect(drag, sizing::Right, {8, 8}, inc), (Rect{10, 20, 148, 451}));
  EXPECT_EQ(SnapSizingRect(drag, sizing::Top, {8, 8}, inc), (Rect{10, 23, 147, 451}));
  EXPECT_EQ(SnapSizingRect(drag, sizing::Bottom, {8, 8}, inc), (Rect{10, 20, 147, 448}));
  EXPECT_EQ(SnapSizingRect(drag, sizing::TopLeft, {8, 8}, inc), (Rect{9, 23, 147, 451}));
  EXPECT_EQ(SnapSizingRect(drag, sizing::BottomRight, {8, 8}, inc), (Rect{10, 20, 148, 448}));
}

TEST(DockedHitTest, DockedBarSizesOnlyAtItsInnerBorder) {
  const Rect client{4, 4, 96, 764};  // a left bar (0, 0, 100, 768) with a 4-pixel frame
  struct Case {
    Edge edge;
    int result;
    Point p;
    int expected;
  } cases[] = {
      {Edge::Left, hit::Right, {98, 300}, hit::Right},
      {Edge::Left, hit::Left, {1, 300}, hit::Border},
      {Edge::Left, hit::BottomRight, {98, 766}, hit::Right},
      {Edge::Left, hit::Bottom, {50, 766}, hit::Border},
      {Edge::Right, hit::Left, {1, 300}, hit::Left},
      {Edge::Right, hit::Right, {98, 300}, hit::Border},
      {Edge::Top, hit::Bottom, {50, 766}, hit::Bottom},
      {Edge::Top, hit::Top, {50, 1}, hit::Border},
      {Edge::Bottom, hit::Top, {50, 1}, hit::Top},
      {Edge::Bottom, hit::BottomLeft, {1, 766}, hit::Border},
      {Edge::Float, hit::Left, {1, 300}, hit::Left},  // floating: every border sizes
      {Edge::Left, hit::Client, {50, 300}, hit::Client},
      {Edge::Left, hit::Caption, {50, 300}, hit::Caption},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DockedHitTest(c.edge, c.result, c.p, client, {1, 1}), c.expected)
        << ToInt(c.edge) << " " << c.result;
  }
}

TEST(DockedHitTest, NoIncrementAcrossTheBarMeansNoSizing) {
  const Rect client{4, 4, 96, 764};
  EXPECT_EQ(DockedHitTest(Edge::Left, hit::Right, {98, 300}, client, {0, 1}), hit::Border);
  EXPECT_EQ(DockedHitTest(Edge::Left, hit::Right, {98, 300}, client, {1, 0}), hit::Right);
  EXPECT_EQ(DockedHitTest(Edge::Top, hit::Bottom, {50, 766}, client, {1, 0}), hit::Border);
}

}  // namespace
}  // namespace olb
