// Moving and sizing the bar through the system's move and size loop.
#include <gtest/gtest.h>

#include "core/platform/window_codes.h"
#include "docking_harness.h"

namespace olb {
namespace {

using testing::DockWorld;
using testing::DragAlong;
using testing::Record;
using testing::TestBar;

using DockingMove = testing::BarAboveTaskbar;

TEST_F(DockingMove, DragToTheMiddleLeavesAFloatingBarStoredAsFloatRect) {
  bar.Start(Record(Edge::Left, 0, 1));
  DragAlong(bar, {50, 300}, {{100, 300}, {300, 300}, {500, 200}});

  // Entering the floating zone at (300, 300) the outline took the floating
  // size (100 x 400) centred under the pointer, top at the pointer; then it
  // followed the pointer by (200, -100).
  const Rect released{450, 200, 550, 600};
  EXPECT_EQ(bar.rect(), released);
  EXPECT_EQ(bar.options.Edge, Edge::Float);
  EXPECT_EQ(bar.options.FloatRect, released);
  EXPECT_EQ(bar.options.DockSize[0], 100u);
  EXPECT_EQ(bar.engine.state().ProposedEdge, Edge::None);
  EXPECT_TRUE(world.shell.Reserved(1).IsEmpty());
  EXPECT_EQ(world.shell.WorkArea(), (Rect{0, 0, 1024, 738}));
  EXPECT_EQ(bar.ui.scrollsToTop, 1) << "the proposal changed once";
  ASSERT_TRUE(bar.Saved());
  EXPECT_EQ(*bar.Saved(), bar.options);
}

TEST_F(DockingMove, FloatingSizeSurvivesAWindowThatFollowsOnlyThePosition) {
  // Where the window keeps its docked size during the move, the floating
  // rectangle still comes from the outline the move showed.
  bar.Start(Record(Edge::Left, 0, 1));
  DragAlong(bar, {50, 300}, {{100, 300}, {300, 300}, {500, 200}}, testing::Follow::PositionOnly);
  const Rect released{450, 200, 550, 600};
  EXPECT_EQ(bar.options.FloatRect, released);
  EXPECT_EQ(bar.rect(), released);
}

TEST_F(DockingMove, OutlineSnapsToTheDockedRectangleNearAnEdge) {
  bar.Start(Record(Edge::Float, 0, 1, {100, 100, 90, 100}));
  bar.window.Send(event::EnterSizeMove{});
  EXPECT_EQ(bar.engine.state().ProposedEdge, Edge::Float);
  Rect drag{600, 100, 700, 500};
  drag = *bar.window.Send(event::Moving{drag, {1015, 380}}).drag;
  EXPECT_EQ(drag, (Rect{934, 0, 1024, 738}));
  EXPECT_EQ(bar.engine.CurrentEdge(), Edge::Right);
  EXPECT_EQ(bar.ui.scrollsToTop, 1);
  // Back in the floating zone: the floating size, centred under the pointer.
  drag = *bar.window.Send(event::Moving{drag, {601, 50}}).drag;
  EXPECT_EQ(drag, (Rect{551, 50, 651, 450}));
  EXPECT_EQ(bar.ui.scrollsToTop, 2);
}

TEST_F(DockingMove, CtrlKeepsTheBarFloatingAnywhere) {
  bar.Start(Record(Edge::Float, 0, 1));
  world.desktop.SetCtrl(true);
  DragAlong(bar, {350, 300}, {{700, 300}, {1020, 700}});
  EXPECT_EQ(bar.options.Edge, Edge::Float);
  EXPECT_EQ(bar.rect(), (Rect{970, 600, 1070, 1000}));
  EXPECT_EQ(bar.options.FloatRect, bar.rect());
}

TEST_F(DockingMove, DragToAnEdgeDocksThereAndSaves) {
  bar.Start(std::nullopt);  // first start: floating at the designed rectangle
  DragAlong(bar, {327, 250}, {{700, 300}, {1020, 400}});
  EXPECT_EQ(bar.options.Edge, Edge::Right);
  // The default record hides the bar: it goes to its edge hidden.
  EXPECT_EQ(bar.rect(), (Rect{1022, 0, 1122, 768}));
  EXPECT_EQ(bar.engine.FindAutoHideEdge(), Edge::Right);
  ASSERT_TRUE(bar.Saved());
  EXPECT_EQ(bar.Saved()->Edge, Edge::Right);
}

TEST_F(DockingMove, MovingToAnotherEdgeKeepsBothThicknesses) {
  for (testing::Follow follow : {testing::Follow::Whole, testing::Follow::PositionOnly}) {
    DockWorld w;
    w.shell.PlaceTaskbar(Edge::Bottom, 30);
    TestBar b{w, 1};
    b.Start(Record(Edge::Left, 0, 1, {120, 100, 90, 100}));
    EXPECT_EQ(b.rect(), (Rect{0, 0, 120, 738}));
    DragAlong(b, {60, 300}, {{1020, 300}}, follow);
    EXPECT_EQ(b.rect(), (Rect{934, 0, 1024, 738}));
    DragAlong(b, {980, 300}, {{5, 300}}, follow);
    EXPECT_EQ(b.rect(), (Rect{0, 0, 120, 738}));
    EXPECT_EQ(b.options.DockSize, (std::array<uint32_t, 4>{120, 100, 90, 100}));
  }
}

TEST_F(DockingMove, ResizeIsStoredForItsEdgeAndSurvivesAMoveAndARestart) {
  bar.Start(Record(Edge::Left, 0, 1));
  bar.window.Send(event::EnterSizeMove{});
  Rect drag{0, 0, 163, 738};
  drag = *bar.window.Send(event::Sizing{sizing::Right, drag}).drag;
  EXPECT_EQ(drag, (Rect{0, 0, 163, 738}));
  bar.window.MoveBySystem(drag);
  bar.window.Send(event::ExitSizeMove{});
  EXPECT_EQ(bar.options.DockSize[0], 163u);
  EXPECT_EQ(bar.Saved()->DockSize[0], 163u);

  DragAlong(bar, {80, 5}, {{512, 2}});
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 1024, 100}));
  DragAlong(bar, {80, 50}, {{3, 384}});
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 163, 738}));

  DockWorld later;
  later.shell.PlaceTaskbar(Edge::Bottom, 30);
  TestBar restarted{later, 1};
  restarted.Start(bar.Saved());
  EXPECT_EQ(restarted.rect(), (Rect{0, 0, 163, 738}));
}

TEST_F(DockingMove, PressOnTheClientAreaStartsAMoveWithThePrimaryButton) {
  bar.Start(Record(Edge::Top, 0, 1));
  world.desktop.SetButton(MouseButton::Left, true);
  EXPECT_EQ(bar.window.Send(event::HitTest{hit::Client, {50, 20}}).result, hit::Caption);
  EXPECT_EQ(bar.window.Send(event::HitTest{hit::Bottom, {50, 99}}).result, hit::Bottom)
      << "borders stay";
  world.desktop.SetMetric(Metric::SwapButton, 1);
  EXPECT_EQ(bar.window.Send(event::HitTest{hit::Client, {50, 20}}).result, hit::Client);
  world.desktop.SetButton(MouseButton::Right, true);
  EXPECT_EQ(bar.window.Send(event::HitTest{hit::Client, {50, 20}}).result, hit::Caption);
}

TEST_F(DockingMove, SizingSnapsToTheIncrementAndLaysTheBarOut) {
  bar.Start(Record(Edge::Float, 0, 0));
  EXPECT_EQ(bar.engine.state().SizeInc, (Point{1, 1}));
  const int layouts = bar.ui.layouts;
  Rect drag{300, 200, 417, 611};
  drag = *bar.window.Send(event::Sizing{sizing::BottomRight, drag}).drag;
  EXPECT_EQ(drag, (Rect{300, 200, 417, 611}));
  EXPECT_EQ(bar.ui.layouts, layouts + 1);
}

TEST_F(DockingMove, ApplyEdgeKeepsTheBarOnItsEdgeWhileMessagesRun) {
  struct Case {
    Edge edge;
    Rect moveTo;  // where a message run inside ApplyEdge moves the window
    Rect seen;    // where the window is right after that move
  } cases[] = {
      {Edge::Right, {500, 0, 600, 738}, {924, 0, 1024, 738}},
      {Edge::Right, {0, 0, 100, 738}, {0, 0, 100, 738}},  // 0 is let through
      {Edge::Bottom, {0, 300, 1024, 400}, {0, 638, 1024, 738}},
      {Edge::Bottom, {40, 300, 1064, 400}, {40, 638, 1064, 738}},  // only y is pinned
      {Edge::Top, {0, 300, 1024, 400}, {0, 0, 1024, 100}},
  };
  bar.Start(Record(Edge::Float, 0, 1));
  for (const Case& c : cases) {
    Rect seen{};
    bar.window.Post([&] {
      bar.window.MoveBySystem(c.moveTo);
      seen = bar.rect();
    });
    bar.engine.ApplyEdge(c.edge);
    EXPECT_EQ(seen, c.seen) << ToInt(c.edge);
    EXPECT_FALSE(bar.engine.state().InApplyEdge);
  }
  // Outside ApplyEdge and the move loop a docked bar keeps its place.
  bar.window.MoveBySystem({0, 300, 1024, 400});
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 1024, 100}));
}

TEST_F(DockingMove, AutoHiddenBarDeclinesMovesItDidNotAskFor) {
  bar.Start(Record(Edge::Right, 1, 1));
  Rect seen{};
  bar.window.Post([&] {
    bar.window.MoveBySystem({500, 0, 600, 768});
    seen = bar.rect();
  });
  bar.engine.ApplyEdge(Edge::Right);
  EXPECT_EQ(seen, (Rect{1022, 0, 1122, 768}));
}

TEST_F(DockingMove, NonClientMouseMoveStartsTheRevealTimer) {
  bar.Start(Record(Edge::Left, 1, 0));
  EXPECT_FALSE(bar.ui.revealTimerRunning);
  bar.window.Send(event::NcMouseMove{});
  EXPECT_TRUE(bar.ui.revealTimerRunning);
}

TEST_F(DockingMove, ExitWithoutEnterLeavesTheBarWhereItIs) {
  bar.Start(Record(Edge::Left, 0, 1));
  bar.window.Send(event::ExitSizeMove{});
  EXPECT_TRUE(world.shell.IsRegistered(1));
  EXPECT_EQ(bar.options.Edge, Edge::Left);
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 100, 738}));
}

}  // namespace
}  // namespace olb
