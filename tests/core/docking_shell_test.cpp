// The bar among the shell's events: restarts, display and work-area changes,
// full-screen programs, snapping, a cancelled move, idle auto-hide ticks.
#include <gtest/gtest.h>

#include "core/docking/dpi_change.h"
#include "docking_harness.h"

namespace olb {
namespace {

using sim::AppBarMessage;
using sim::ZState;
using testing::DockWorld;
using testing::DragAlong;
using testing::Follow;
using testing::Record;
using testing::Release;
using testing::TestBar;

using DockingShell = testing::BarAboveTaskbar;

TEST_F(DockingShell, AutoHiddenBarStaysAboveMaximisedWindowsButNotAboveAFullScreenOne) {
  // Always on Top off: a maximised window (normal band) would cover the
  // hidden strip of a bar in the normal band.
  bar.Start(Record(Edge::Right, 1, 0));
  EXPECT_EQ(bar.rect(), (Rect{1022, 0, 1122, 768}));
  EXPECT_EQ(bar.window.zstate(), ZState::Topmost);
  bar.engine.SetAutoHideShown(true);
  EXPECT_EQ(bar.window.zstate(), ZState::Topmost);

  world.shell.SetFullScreenApp(true);
  bar.window.PumpMessages();
  EXPECT_EQ(bar.window.zstate(), ZState::Normal);
  world.shell.SetFullScreenApp(false);
  bar.window.PumpMessages();
  EXPECT_EQ(bar.window.zstate(), ZState::Topmost);

  // Not hiding any more: Always on Top decides again.
  bar.options.AutoHide = 0;
  bar.engine.ApplyEdge(Edge::Right);
  EXPECT_EQ(bar.window.zstate(), ZState::Normal);
}

TEST_F(DockingShell, ShellRestartRegistersEachBarAgainOnce) {
  TestBar reserving{world, 2};
  bar.Start(Record(Edge::Left, 1, 0));
  reserving.Start(Record(Edge::Right, 0, 1));
  world.shell.RestartShell();
  EXPECT_FALSE(world.shell.IsRegistered(1));
  EXPECT_EQ(world.shell.WorkArea(), (Rect{0, 0, 1024, 738}));
  world.shell.ClearLog();

  bar.window.PumpMessages();
  reserving.window.PumpMessages();
  EXPECT_TRUE(world.shell.IsRegistered(1));
  EXPECT_TRUE(world.shell.IsRegistered(2));
  EXPECT_EQ(world.shell.GetAutoHideBar(2, Edge::Left, {0, 0, 1024, 768}), 1);
  EXPECT_EQ(world.shell.Reserved(2), (Rect{924, 0, 1024, 738}));
  EXPECT_EQ(world.shell.WorkArea(), (Rect{0, 0, 924, 738}));
  EXPECT_EQ(bar.rect(), (Rect{-98, 0, 2, 768}));
  EXPECT_EQ(reserving.rect(), (Rect{924, 0, 1024, 738}));

  // The work-area change that the restart and the reservation broadcast
  // finds both bars in place: nothing registers or moves again.
  const auto news = [&](int id) {
    const auto sent = world.shell.MessagesOf(id);
    return std::count(sent.begin(), sent.end(), AppBarMessage::New);
  };
  reserving.window.ClearPlacements();
  for (int round = 0; round < 3; ++round) {
    bar.window.PumpMessages();
    reserving.window.PumpMessages();
  }
  EXPECT_EQ(news(1), 1);
  EXPECT_EQ(news(2), 1);
  EXPECT_TRUE(reserving.window.placements().empty());
}

TEST_F(DockingShell, FloodsOfShellNoticesAreFoldedIntoTheRoundInProgress) {
  // Re-applying the edge lets messages run; each notice handled inside the
  // one before would nest one level deeper.
  bar.Start(Record(Edge::Left, 0, 1));
  int depth = 0, deepest = 0;
  const auto deliver = bar.window.onPump;
  bar.window.onPump = [&] {
    deepest = std::max(deepest, ++depth);
    deliver();
    --depth;
  };
  for (int i = 0; i < 10000; ++i) world.shell.RestartShell();
  for (int i = 0; i < 10000; ++i) world.shell.PlaceTaskbar(Edge::Bottom, 30);
  world.shell.ClearLog();
  bar.window.PumpMessages();
  EXPECT_LE(deepest, 3);
  const auto sent = bar.Sent();
  EXPECT_LE(std::count(sent.begin(), sent.end(), AppBarMessage::New), 2);
  EXPECT_LE(std::count(sent.begin(), sent.end(), AppBarMessage::SetPos), 4);
  EXPECT_TRUE(world.shell.IsRegistered(1));
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 100, 738}));
  EXPECT_EQ(world.shell.Reserved(1), bar.rect());
}

// The display changed as the shell restarted: the change is heard while the
// bar re-applies its edge for the restart, and is not lost.
TEST_F(DockingShell, ADisplayChangeHeardWhileTheEdgeIsReappliedIsFollowed) {
  bar.Start(Record(Edge::Right, 0, 1));
  world.shell.RestartShell();
  world.shell.SetScreenSize({1280, 800});
  bar.window.PumpMessages();
  EXPECT_TRUE(world.shell.IsRegistered(1));
  EXPECT_EQ(bar.rect(), (Rect{1180, 0, 1280, 770}));
  EXPECT_EQ(world.shell.Reserved(1), bar.rect());
}

TEST_F(DockingShell, ResolutionChangeReDocksEveryEdgeAndBringsAFloatingBarBack) {
  struct Case {
    BarOptions record;
    Rect wide;  // at 1280 x 800
    Rect back;  // at 1024 x 768 again
  } cases[] = {
      {Record(Edge::Left, 0, 1), {0, 0, 100, 770}, {0, 0, 100, 738}},
      {Record(Edge::Top, 0, 1), {0, 0, 1280, 100}, {0, 0, 1024, 100}},
      {Record(Edge::Right, 0, 1), {1180, 0, 1280, 770}, {924, 0, 1024, 738}},
      {Record(Edge::Bottom, 0, 1), {0, 670, 1280, 770}, {0, 638, 1024, 738}},
      {Record(Edge::Right, 1, 0), {1278, 0, 1378, 800}, {1022, 0, 1122, 768}},
      // Floating: placed where it was while it can be reached; moved onto
      // the work area once the screen no longer shows it.
      {Record(Edge::Float, 0, 0, {100, 100, 100, 100}, {1100, 200, 1200, 600}),
       {1100, 200, 1200, 600},
       {924, 200, 1024, 600}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToInt(c.record.Edge));
    DockWorld w;
    w.shell.PlaceTaskbar(Edge::Bottom, 30);
    TestBar b{w, 1};
    if (c.record.Edge == Edge::Float) w.shell.SetScreenSize({1280, 800});
    b.Start(c.record);
    w.shell.SetScreenSize({1280, 800});
    b.window.PumpMessages();
    EXPECT_EQ(b.rect(), c.wide);
    w.shell.SetScreenSize({1024, 768});
    b.window.PumpMessages();
    EXPECT_EQ(b.rect(), c.back);
    if (c.record.AutoHide == 0 && IsDocked(c.record.Edge)) {
      EXPECT_EQ(w.shell.Reserved(1), c.back);
    }
    EXPECT_EQ(b.options.FloatRect, c.record.FloatRect) << "the record is not corrected";
  }
}

TEST_F(DockingShell, EscapeRestoresTheEdgeAndRectangleAndStoresNothing) {
  for (const BarOptions& start :
       {Record(Edge::Left, 0, 1), Record(Edge::Float, 0, 0, {100, 100, 100, 100})}) {
    SCOPED_TRACE(ToInt(start.Edge));
    DockWorld w;
    w.shell.PlaceTaskbar(Edge::Bottom, 30);
    TestBar b{w, 1};
    b.Start(start);
    const Rect before = b.rect();
    const Rect reserved = w.shell.Reserved(1);
    const auto stored = b.Saved();
    DragAlong(b, {50, 300}, {{500, 300}, {1020, 400}, {600, 200}}, Follow::Whole, Release::Escape);
    EXPECT_EQ(b.options.Edge, start.Edge);
    EXPECT_EQ(b.rect(), before);
    EXPECT_EQ(w.shell.Reserved(1), reserved);
    EXPECT_EQ(b.Saved(), stored);
    EXPECT_EQ(b.engine.state().ProposedEdge, Edge::None);
  }
}

TEST_F(DockingShell, MoveEndingAtAScreenEdgeDocksAndDeclinesTheSystemsSnap) {
  struct Case {
    Point release;
    Edge edge;
    Rect docked;
  } cases[] = {
      {{0, 300}, Edge::Left, {0, 0, 100, 738}},
      {{1023, 300}, Edge::Right, {924, 0, 1024, 738}},
      {{512, 0}, Edge::Top, {0, 0, 1024, 100}},
  };
  for (const Case& c : cases) {
    DockWorld w;
    w.shell.PlaceTaskbar(Edge::Bottom, 30);
    TestBar b{w, 1};
    b.Start(Record(Edge::Float, 0, 1));
    ASSERT_TRUE(sim::SnapTarget(c.release, {1024, 768}, w.shell.WorkArea()));
    DragAlong(b, {350, 300}, {{400, 300}, c.release}, Follow::Whole, Release::ButtonSnapped);
    EXPECT_EQ(b.options.Edge, c.edge);
    EXPECT_EQ(b.rect(), c.docked);
  }
  // A floating bar is the user's to place.
  bar.Start(Record(Edge::Float, 0, 0));
  bar.window.SnapBySystem({0, 0, 512, 738});
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 512, 738}));
}

TEST_F(DockingShell, HiddenBarIsLeftAloneByTheTimerAndShowsTwoVisiblePixels) {
  // Invisible resize borders of 7 pixels left, right and below the frame.
  bar.window.SetInvisibleBorders({7, 0, 7, 7});
  bar.Start(Record(Edge::Left, 1, 0));
  EXPECT_EQ(Intersection(bar.rect(), {0, 0, 1024, 768}).Width(), 2);
  EXPECT_EQ(bar.window.OuterRect().right, 9) << "GetWindowRect reaches 9 pixels in";

  bar.window.ClearPlacements();
  world.shell.ClearLog();
  const int pumps = bar.window.pumpCount();
  for (int tick = 0; tick < 5; ++tick) bar.engine.SetAutoHideShown(false);
  EXPECT_TRUE(bar.window.placements().empty());
  EXPECT_EQ(bar.window.pumpCount(), pumps);
  EXPECT_TRUE(world.shell.MessagesOf(1).empty());
  bar.engine.SetAutoHideShown(true);
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 100, 768}));
}

TEST_F(DockingShell, FloatingBarGivesItsStripBackOnARealEdge) {
  bar.Start(Record(Edge::Right, 0, 1));
  EXPECT_FALSE(world.shell.Reserved(1).IsEmpty());
  bar.engine.ApplyEdge(Edge::Float);
  EXPECT_TRUE(world.shell.Reserved(1).IsEmpty());
  EXPECT_EQ(world.shell.WorkArea(), (Rect{0, 0, 1024, 738}));
}

TEST(DpiChangeMessage, OnlyValuesTheSystemCouldSendAreTaken) {
  const Rect r{100, 100, 300, 700};
  const auto both = [](uint32_t dpi) { return dpi << 16 | dpi; };
  ASSERT_TRUE(CheckedDpiChange(both(144), r));
  EXPECT_EQ(CheckedDpiChange(both(144), r)->dpi, 144u);
  EXPECT_EQ(CheckedDpiChange(both(144), r)->suggested, r);
  for (uint32_t wp : {both(0), both(1), both(0xFFFF), (144u << 16) | 96u, 144u}) {
    EXPECT_FALSE(CheckedDpiChange(wp, r)) << wp;
  }
  for (const std::optional<Rect>& bad : std::initializer_list<std::optional<Rect>>{
           std::nullopt, Rect{}, Rect{300, 100, 100, 700}, Rect{0, 0, 70000, 100},
           Rect{-40000, 0, 100, 100}}) {
    EXPECT_FALSE(CheckedDpiChange(both(144), bad));
  }
}

}  // namespace
}  // namespace olb
