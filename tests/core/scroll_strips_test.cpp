#include <gtest/gtest.h>

#include "core/layout/arrow.h"
#include "core/layout/item_pitch.h"
#include "core/layout/list_scroller.h"
#include "core/layout/strip_state.h"
#include "core/layout/wheel_steps.h"
#include "sim/sim_list_view.h"
#include "sim/sim_strip_surface.h"

namespace olb {
namespace {

TEST(Arrow, InsideTestOnAVerticalForwardArrow) {
  const Triangle a = ForwardArrow({140, 16}, false);
  ASSERT_EQ(a, (Triangle{{1, 1}, {139, 1}, {69, 15}}));
  struct Case {
    Point p;
    bool inside;
  } cases[] = {
      {{1, 1}, true},    {{139, 1}, false}, {{69, 15}, false}, {{69, 8}, true},
      {{69, 14}, true},  {{0, 1}, false},   {{1, 0}, false},   {{10, 8}, false},
      {{128, 8}, false}, {{120, 4}, true},  {{-5, -5}, false}, {{70000, 8}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(InsideArrow(a, c.p), c.inside) << c.p.x << "," << c.p.y;
}

TEST(Arrow, HorizontalArrowsPointAlongTheBar) {
  const Triangle f = ForwardArrow({16, 40}, true);
  EXPECT_EQ(f, (Triangle{{1, 1}, {1, 39}, {15, 19}}));
  EXPECT_TRUE(InsideArrow(f, {2, 19}));
  EXPECT_FALSE(InsideArrow(f, {14, 3}));
  const Triangle b = BackArrow({16, 40}, true);
  EXPECT_TRUE(InsideArrow(b, {14, 19}));
  EXPECT_FALSE(InsideArrow(b, {2, 3}));
}

TEST(Arrow, FlatTriangleHasNoInside) {
  // A strip two pixels high makes all three vertices share one row.
  const Triangle flat = ForwardArrow({40, 2}, false);
  ASSERT_EQ(flat.a.y, flat.c.y);
  for (Point p : {Point{0, 1}, Point{10, 1}, Point{19, 1}, Point{10, 0}, Point{10, 2}}) {
    EXPECT_FALSE(InsideArrow(flat, p));
  }
}

TEST(ItemPitch, SnapCutsTheSpanToWholePitches) {
  struct Case {
    int32_t span, pitch;
    std::optional<int32_t> extent;
  } cases[] = {{100, 75, 75}, {150, 75, 150}, {74, 75, 74}, {552, 17, 544},
               {100, 0, {}},  {100, -5, {}},  {-10, 75, 0}, {-100, 75, -75}};
  for (const Case& c : cases) EXPECT_EQ(SnapListExtent(c.span, c.pitch), c.extent) << c.span;
}

TEST(ItemPitch, MeasuredAlongTheBarBetweenLines) {
  // One item per row on a vertical bar.
  const Point column[] = {{2, 3}, {2, 78}, {2, 153}};
  EXPECT_EQ(PitchAcrossLines(column, false), 75);
  EXPECT_EQ(PitchAcrossLines(column, true), 0);
  // Three per row: items 0 and 1 share a row, the step is still a row's.
  const Point grid[] = {{0, 0}, {75, 0}, {150, 0}, {0, 75}, {75, 75}};
  EXPECT_EQ(PitchAcrossLines(grid, false), 75);
  EXPECT_EQ(PitchAcrossLines(grid, true), 75);
  // Small icons on a top bar: a column of rows 17 apart, columns 128 apart.
  const Point small[] = {{0, 0}, {0, 17}, {0, 34}, {128, 0}, {128, 17}};
  EXPECT_EQ(PitchAcrossLines(small, true), 128);
  EXPECT_EQ(PitchAcrossLines({}, true), 0);
  const Point one[] = {{5, 5}};
  EXPECT_EQ(PitchAcrossLines(one, true), 0);
  const Point far[] = {{INT32_MIN, 0}, {INT32_MAX, 0}};
  EXPECT_EQ(PitchAcrossLines(far, true), INT32_MAX);
}

TEST(WheelSteps, NotchesAndSmallDeltasAddUp) {
  WheelSteps w;
  EXPECT_EQ(w.Add(-120), 1);
  EXPECT_EQ(w.Add(240), -2);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(w.Add(-30), 0);  // a touchpad's small deltas
  EXPECT_EQ(w.Add(-30), 1);
  EXPECT_EQ(w.Add(-100), 0);
  EXPECT_EQ(w.Add(50), 0);  // turning back drops the 100 still pending
  EXPECT_EQ(w.Add(70), -1);
  EXPECT_EQ(w.Add(INT32_MIN), INT32_MIN / -120);
}

TEST(StripState, FollowsTheViewRectangle) {
  struct Case {
    Rect view;
    int32_t size;
    bool horizontal;
    StripState expected;
  } cases[] = {
      {{0, 0, 75, 300}, 300, false, {false, false, false}},   // fits exactly
      {{0, 0, 75, 301}, 300, false, {true, true, false}},     // start of a long list
      {{0, -75, 75, 375}, 300, false, {true, true, true}},    // one step in
      {{0, -150, 75, 300}, 300, false, {true, false, true}},  // at the end
      {{-75, 0, 825, 71}, 750, true, {true, true, true}},
      {{0, 0, 0, 0}, 0, false, {false, false, false}},  // empty list
      {{0, INT32_MIN, 0, INT32_MAX}, 10, false, {true, true, true}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComputeStripState(c.view, c.size, c.horizontal), c.expected) << c.view.top;
  }
}

// A left bar 100 x 600 with classic frame metrics: the list is 71 wide, so
// large icons (75 apart) stand one per row; the span is 552.
class ScrollerTest : public ::testing::Test {
 protected:
  static constexpr int32_t kDown = -kWheelNotch, kUp = kWheelNotch;
  static constexpr BarMetrics kLeft{Edge::Left, {100, 600}, {92, 592}, 9};
  static constexpr BarMetrics kTop{Edge::Top, {800, 100}, {792, 92}, 9};

  void Lay(int32_t items, const BarMetrics& m = kLeft) {
    list.SetItemCount(items);
    scroller.LayoutBar(m);
  }
  // A point well inside a strip's arrow, in form coordinates.
  Point OnArrow(StripId s) const {
    const Rect& r =
        s == StripId::Forward ? scroller.layout().forwardStrip : scroller.layout().backStrip;
    const Triangle& a =
        s == StripId::Forward ? scroller.layout().forwardArrow : scroller.layout().backArrow;
    return {r.left + (a.a.x + a.b.x + a.c.x) / 3, r.top + (a.a.y + a.b.y + a.c.y) / 3};
  }
  Point InStrip(StripId s, Point inForm) const {
    const Rect& r =
        s == StripId::Forward ? scroller.layout().forwardStrip : scroller.layout().backStrip;
    return {inForm.x - r.left, inForm.y - r.top};
  }

  sim::SimListView list;
  sim::SimStripSurface strips;
  ListScroller scroller{list, strips};
};

TEST_F(ScrollerTest, LayoutMeasuresThePitchAndCutsTheList) {
  Lay(10);
  EXPECT_EQ(list.Arrangement(), IconArrangement::Top);
  EXPECT_EQ(scroller.itemPitchY(), 75);
  EXPECT_EQ(list.bounds(), (Rect{20, 24, 91, 24 + 525}));
  EXPECT_EQ(scroller.layout().list, list.bounds());
}

TEST_F(ScrollerTest, WithoutTwoItemsThePitchStaysZeroAndTheListKeepsItsSpan) {
  Lay(1);
  EXPECT_EQ(scroller.itemPitchY(), 0);
  EXPECT_EQ(list.bounds().Height(), 552);
  // Once measured, the pitch is kept through later layouts and folders.
  Lay(10);
  list.SetSpacing(ListViewStyle::LargeIcons, {75, 60});
  Lay(1, {Edge::Left, {100, 500}, {92, 492}, 9});
  EXPECT_EQ(scroller.itemPitchY(), 75);
  EXPECT_EQ(list.bounds().Height(), 450);
}

TEST_F(ScrollerTest, StripsFollowTheScrollPosition) {
  Lay(3);
  EXPECT_FALSE(scroller.strips().listOverflows);
  EXPECT_EQ(strips.look(StripId::Forward), StripLook::Blank);
  EXPECT_EQ(strips.look(StripId::Back), StripLook::Blank);

  Lay(10);  // 750 pixels of items in a 525-pixel list
  EXPECT_EQ(strips.look(StripId::Forward), StripLook::Arrow);
  EXPECT_EQ(strips.look(StripId::Back), StripLook::Blank);
  EXPECT_EQ(strips.arrow(StripId::Forward), scroller.layout().forwardArrow);

  list.ScrollBy(0, 75);
  scroller.UpdateScrollStrips();
  EXPECT_EQ(strips.look(StripId::Forward), StripLook::Arrow);
  EXPECT_EQ(strips.look(StripId::Back), StripLook::Arrow);

  list.ScrollBy(0, 1000);
  scroller.UpdateScrollStrips();
  EXPECT_EQ(list.origin().y, 225);
  EXPECT_EQ(strips.look(StripId::Forward), StripLook::Blank);
  EXPECT_EQ(strips.look(StripId::Back), StripLook::Arrow);
}

TEST_F(ScrollerTest, HoverStartsTheRepeatWhichScrollsToTheEndAndStops) {
  Lay(10);
  const Point p = OnArrow(StripId::Forward);
  strips.MoveCursor(p);
  scroller.OnStripMouseMove(StripId::Forward, InStrip(StripId::Forward, p));
  EXPECT_TRUE(strips.timerRunning(StripId::Forward));
  EXPECT_EQ(strips.look(StripId::Forward), StripLook::HoverArrow);
  EXPECT_EQ(list.origin().y, 0);  // the first step waits for the tick

  for (int32_t expected : {75, 150, 225}) {
    scroller.OnRepeatTimer(StripId::Forward);
    EXPECT_EQ(list.origin().y, expected);
    EXPECT_TRUE(strips.timerRunning(StripId::Forward));
    EXPECT_EQ(strips.look(StripId::Back), StripLook::Arrow);
  }
  EXPECT_EQ(strips.look(StripId::Forward), StripLook::Blank);  // the end is reached
  scroller.OnRepeatTimer(StripId::Forward);
  EXPECT_FALSE(strips.timerRunning(StripId::Forward));
  EXPECT_EQ(list.origin().y, 225);

  // And back up with the back strip.
  const Point b = OnArrow(StripId::Back);
  strips.MoveCursor(b);
  scroller.OnStripMouseMove(StripId::Back, InStrip(StripId::Back, b));
  for (int i = 0; i < 4; ++i) scroller.OnRepeatTimer(StripId::Back);
  EXPECT_EQ(list.origin().y, 0);
  EXPECT_FALSE(strips.timerRunning(StripId::Back));
  EXPECT_EQ(strips.look(StripId::Back), StripLook::Blank);
  EXPECT_EQ(strips.look(StripId::Forward), StripLook::Arrow);
}

TEST_F(ScrollerTest, HoverOffTheArrowOrOnAnInactiveStripDoesNothing) {
  Lay(10);
  const Triangle& a = scroller.layout().forwardArrow;
  scroller.OnStripMouseMove(StripId::Forward, a.c);  // the tip is outside
  scroller.OnStripMouseMove(StripId::Forward, {0, 0});
  EXPECT_FALSE(strips.timerRunning(StripId::Forward));
  EXPECT_EQ(strips.look(StripId::Forward), StripLook::Arrow);
  // At the start the back strip is blank and inactive.
  const Point b = OnArrow(StripId::Back);
  scroller.OnStripMouseMove(StripId::Back, InStrip(StripId::Back, b));
  EXPECT_FALSE(strips.timerRunning(StripId::Back));
  EXPECT_EQ(strips.look(StripId::Back), StripLook::Blank);
}

TEST_F(ScrollerTest, LeavingTheArrowKeepsTheHoverLookUntilTheNextTick) {
  Lay(10);
  const Point p = OnArrow(StripId::Forward);
  strips.MoveCursor(p);
  scroller.OnStripMouseMove(StripId::Forward, InStrip(StripId::Forward, p));
  const Point away{p.x, p.y - 200};  // over the list now
  strips.MoveCursor(away);
  scroller.OnStripMouseMove(StripId::Forward, InStrip(StripId::Forward, away));
  EXPECT_EQ(strips.look(StripId::Forward), StripLook::HoverArrow);
  scroller.OnRepeatTimer(StripId::Forward);
  EXPECT_FALSE(strips.timerRunning(StripId::Forward));
  EXPECT_EQ(list.origin().y, 0);
  EXPECT_EQ(strips.look(StripId::Forward), StripLook::Arrow);
}

TEST_F(ScrollerTest, MovingInsideTheArrowPostponesTheFirstStep) {
  Lay(10);
  const Point p = OnArrow(StripId::Forward);
  for (int i = 0; i < 3; ++i) {
    scroller.OnStripMouseMove(StripId::Forward, InStrip(StripId::Forward, {p.x + i, p.y}));
  }
  EXPECT_EQ(strips.restarts(StripId::Forward), 3);
  EXPECT_EQ(list.origin().y, 0);
}

TEST_F(ScrollerTest, WheelScrollsOnlyOverAnOverflowingList) {
  Lay(10);
  const Rect l = scroller.layout().list;
  scroller.OnMouseWheel(kDown, {l.left + 30, l.top + 100});
  EXPECT_EQ(list.origin().y, 75);
  EXPECT_EQ(strips.look(StripId::Back), StripLook::Arrow);
  scroller.OnMouseWheel(kUp, {l.left + 30, l.top + 100});
  EXPECT_EQ(list.origin().y, 0);
  scroller.OnMouseWheel(kUp, {l.left + 30, l.top + 100});
  EXPECT_EQ(list.origin().y, 0);  // the control stops at its start

  // Over the strips, the grip or the list's own border: nothing.
  for (Point p :
       {OnArrow(StripId::Forward), Point{10, 300}, Point{l.left, l.top + 100},
        Point{l.left + 30, l.top}, Point{l.right, l.top + 100}, Point{l.left + 30, l.bottom}}) {
    scroller.OnMouseWheel(kDown, p);
    EXPECT_EQ(list.origin().y, 0) << p.x << "," << p.y;
  }
  scroller.OnMouseWheel(kDown, {l.right - 1, l.bottom - 1});
  EXPECT_EQ(list.origin().y, 75);

  Lay(3);
  scroller.OnMouseWheel(kDown, {l.left + 30, l.top + 100});
  EXPECT_EQ(list.origin().y, 0);
}

TEST_F(ScrollerTest, HorizontalBarScrollsSideways) {
  Lay(12, kTop);
  EXPECT_EQ(list.Arrangement(), IconArrangement::Left);
  EXPECT_EQ(scroller.itemPitchX(), 75);
  EXPECT_EQ(scroller.itemPitchY(), 0);
  EXPECT_EQ(list.bounds(), (Rect{19, 24, 19 + 750, 95}));
  EXPECT_EQ(strips.look(StripId::Forward), StripLook::Arrow);
  const Rect l = scroller.layout().list;
  scroller.OnMouseWheel(kDown, {l.left + 100, l.top + 10});
  EXPECT_EQ(list.origin(), (Point{75, 0}));
  EXPECT_EQ(strips.look(StripId::Back), StripLook::Arrow);
  EXPECT_EQ(strips.look(StripId::Forward), StripLook::Arrow);
  scroller.OnMouseWheel(kDown, {l.left + 100, l.top + 10});
  EXPECT_EQ(strips.look(StripId::Forward), StripLook::Blank);
}

TEST_F(ScrollerTest, ArrangementIsChangedOnlyWhenTheOrientationChanges) {
  Lay(10);
  const int changes = list.arrangementChanges();
  Lay(10, {Edge::Right, {120, 600}, {112, 592}, 9});
  EXPECT_EQ(list.arrangementChanges(), changes);
  Lay(10, kTop);
  EXPECT_EQ(list.arrangementChanges(), changes + 1);
}

TEST_F(ScrollerTest, SmallIconsScrollToTopRemeasureAndFlipTheMode) {
  Lay(10);
  list.ScrollBy(0, 150);
  scroller.SetViewMode(ViewMode::SmallIcons);
  EXPECT_EQ(list.style(), ListViewStyle::SmallIcons);
  EXPECT_EQ(list.styleLog(), std::vector<ListViewStyle>{ListViewStyle::SmallIcons}) << "one change";
  EXPECT_EQ(list.origin().y, 0);
  EXPECT_EQ(scroller.itemPitchY(), 17);
  EXPECT_EQ(list.bounds().Height(), 544);
  EXPECT_EQ(scroller.viewMode(), ViewMode::SmallIcons);

  scroller.SetViewMode(ViewMode::LargeIcons);
  EXPECT_EQ(list.style(), ListViewStyle::LargeIcons);
  EXPECT_EQ(scroller.itemPitchY(), 75);
  EXPECT_EQ(list.bounds().Height(), 525);
  EXPECT_EQ(scroller.viewMode(), ViewMode::LargeIcons);
}

TEST_F(ScrollerTest, StripsReflectTheExtentCutAfterAModeSwitch) {
  // 31 small items need 527 pixels: more than the 525 of the large-icon cut,
  // less than the 544 the small pitch gives.
  Lay(31);
  scroller.SetViewMode(ViewMode::SmallIcons);
  EXPECT_FALSE(scroller.strips().listOverflows);
  EXPECT_EQ(strips.look(StripId::Forward), StripLook::Blank);
}

TEST_F(ScrollerTest, ZeroPitchScrollsNothing) {
  Lay(1);
  ASSERT_EQ(scroller.itemPitchY(), 0);
  const Rect l = scroller.layout().list;
  scroller.OnMouseWheel(kDown, {l.left + 30, l.top + 100});
  EXPECT_EQ(list.origin().y, 0);
  // A pitch stored from outside (the drop hit test's default) takes effect.
  scroller.SetItemPitch(0, 75);
  scroller.SnapListExtent();
  EXPECT_EQ(list.bounds().Height(), 525);
}

TEST_F(ScrollerTest, ThickBarMeasuresTheStepBetweenRows) {
  Lay(40, {Edge::Left, {300, 600}, {292, 592}, 9});  // three icons per row, 14 rows
  EXPECT_EQ(scroller.itemPitchY(), 75);
  EXPECT_EQ(list.bounds().Height(), 525);
  const Rect l = scroller.layout().list;
  scroller.OnMouseWheel(kDown, {l.left + 30, l.top + 100});
  EXPECT_EQ(list.origin().y, 75);
}

TEST_F(ScrollerTest, PitchFollowsTheItemCountEdgeAndMode) {
  // A root with one item at start-up: measured once a second item comes.
  Lay(1);
  list.SetItemCount(12);
  scroller.UpdateScrollStrips();
  EXPECT_EQ(scroller.itemPitchY(), 75);
  EXPECT_EQ(list.bounds().Height(), 525);
  EXPECT_EQ(strips.look(StripId::Forward), StripLook::Arrow);
  // Floating to the top edge: the pitch across is measured for that edge.
  scroller.LayoutBar(kTop);
  EXPECT_EQ(scroller.itemPitchX(), 75);
  EXPECT_EQ(list.bounds().Width(), 750);
  // Small icons on a top bar stand in columns of four rows 17 apart.
  scroller.SetViewMode(ViewMode::SmallIcons);
  EXPECT_EQ(scroller.itemPitchX(), 128);
  EXPECT_EQ(list.bounds().Width(), 640);
  const Rect l = scroller.layout().list;
  scroller.OnMouseWheel(kDown, {l.left + 10, l.top + 10});
  EXPECT_EQ(list.origin().x, 0);  // three columns fit: nothing to scroll
  list.SetItemCount(30);          // eight columns
  scroller.UpdateScrollStrips();
  scroller.OnMouseWheel(kDown, {l.left + 10, l.top + 10});
  EXPECT_EQ(list.origin().x, 128);
  scroller.SetViewMode(ViewMode::LargeIcons);  // back to the bar's left end
  EXPECT_EQ(list.origin().x, 0);
}

TEST_F(ScrollerTest, WheelStepsOnePitchPerNotch) {
  Lay(20);
  const Point p{scroller.layout().list.left + 30, scroller.layout().list.top + 100};
  for (int i = 0; i < 3; ++i) scroller.OnMouseWheel(-40, p);
  EXPECT_EQ(list.origin().y, 75);
  scroller.OnMouseWheel(-360, p);
  EXPECT_EQ(list.origin().y, 300);
  EXPECT_EQ(strips.look(StripId::Back), StripLook::Arrow);
}

TEST_F(ScrollerTest, ListIsKeptAtItsStartAcrossTheBar) {
  Lay(20);
  list.ScrollBy(40, 75);  // the control showing a long caption
  scroller.UpdateScrollStrips();
  EXPECT_EQ(list.origin(), (Point{0, 75}));
}

}  // namespace
}  // namespace olb
