#include <gtest/gtest.h>

#include "docking_harness.h"

namespace olb {
namespace {

using sim::AppBarMessage;
using sim::ZState;
using testing::Record;
using testing::TestBar;

constexpr Rect kScreen{0, 0, 1024, 768};

using DockingApply = testing::BarAboveTaskbar;

TEST_F(DockingApply, AlwaysOnTopBarGetsWhatTheShellGrantsAndReservesIt) {
  bar.Start(Record(Edge::Left, 0, 1));
  const auto& log = world.shell.log();
  const auto query = std::find_if(log.begin(), log.end(), [](const sim::SentMessage& m) {
    return m.message == AppBarMessage::QueryPos;
  });
  ASSERT_NE(query, log.end());
  EXPECT_EQ(query->rc, kScreen) << "asks for the whole screen";
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 100, 738}));
  EXPECT_EQ(world.shell.Reserved(1), (Rect{0, 0, 100, 738}));
  EXPECT_EQ(world.shell.WorkArea(), (Rect{100, 0, 1024, 738}));
  EXPECT_EQ(bar.window.zstate(), ZState::Topmost);
}

TEST_F(DockingApply, AutoHiddenBarSpansTheWholeEdgeAndReservesNothing) {
  bar.Start(Record(Edge::Left, 1, 1));
  EXPECT_EQ(bar.rect(), (Rect{-98, 0, 2, 768}));
  EXPECT_FALSE(bar.engine.state().AutoHideShown);
  EXPECT_TRUE(world.shell.Reserved(1).IsEmpty());
  EXPECT_EQ(world.shell.WorkArea(), (Rect{0, 0, 1024, 738}));

  bar.engine.SetAutoHideShown(true);
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 100, 768}));
  EXPECT_TRUE(bar.engine.state().AutoHideShown);
  bar.engine.SetAutoHideShown(false);
  EXPECT_EQ(bar.rect(), (Rect{-98, 0, 2, 768}));
}

TEST_F(DockingApply, AutoHideRegistersTheBarForItsEdgeOnly) {
  bar.Start(Record(Edge::Right, 1, 0));
  EXPECT_EQ(bar.engine.FindAutoHideEdge(), Edge::Right);
  bar.engine.ApplyEdge(Edge::Top);
  EXPECT_EQ(bar.engine.FindAutoHideEdge(), Edge::Top);
  bar.options.AutoHide = 0;
  bar.engine.ApplyEdge(Edge::Top);
  EXPECT_EQ(bar.engine.FindAutoHideEdge(), Edge::None);
}

TEST_F(DockingApply, SecondAutoHideBarOnAnEdgeIsRefusedOnceAndDocksNormally) {
  TestBar first{world, 2};
  first.Start(Record(Edge::Left, 1, 1));
  bar.Start(Record(Edge::Left, 1, 1));

  ASSERT_EQ(bar.ui.messages.size(), 1u);
  EXPECT_EQ(bar.ui.messages[0].text,
            "There is already an auto hidden window on this edge.\n Only one auto hidden window "
            "is allowed on each edge.");
  EXPECT_EQ(bar.ui.messages[0].caption, "Ovel Launch Bar");
  EXPECT_EQ(bar.options.AutoHide, 0u);
  EXPECT_FALSE(bar.ui.autoHideChecked);
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 100, 738})) << "docked, not hidden";
  EXPECT_EQ(world.shell.Reserved(1), (Rect{0, 0, 100, 738}));
  EXPECT_EQ(first.engine.FindAutoHideEdge(), Edge::Left) << "the first keeps its edge";

  bar.engine.ApplyEdge(Edge::Left);
  EXPECT_EQ(bar.ui.messages.size(), 1u);
}

TEST_F(DockingApply, AlwaysOnTopSwitchReservesAndReleasesTheStrip) {
  bar.Start(Record(Edge::Top, 0, 0, {100, 40, 100, 100}));
  EXPECT_TRUE(world.shell.Reserved(1).IsEmpty());
  EXPECT_EQ(world.shell.WorkArea(), (Rect{0, 0, 1024, 738}));
  EXPECT_EQ(bar.window.zstate(), ZState::Normal);
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 1024, 40}));

  bar.options.AlwaysOnTop = 1;
  bar.engine.ApplyEdge(bar.engine.CurrentEdge());
  EXPECT_EQ(world.shell.Reserved(1), (Rect{0, 0, 1024, 40}));
  EXPECT_EQ(world.shell.WorkArea(), (Rect{0, 40, 1024, 738}));
  EXPECT_EQ(bar.window.zstate(), ZState::Topmost);

  bar.options.AlwaysOnTop = 0;
  bar.engine.ApplyEdge(bar.engine.CurrentEdge());
  EXPECT_TRUE(world.shell.Reserved(1).IsEmpty());
  EXPECT_EQ(world.shell.WorkArea(), (Rect{0, 0, 1024, 738}));
  EXPECT_EQ(bar.window.zstate(), ZState::Normal);
}

TEST_F(DockingApply, FullScreenApplicationDropsAnAlwaysOnTopBarToTheBottom) {
  bar.Start(Record(Edge::Right, 0, 1));
  world.shell.SetFullScreenApp(true);
  EXPECT_EQ(bar.window.zstate(), ZState::Topmost) << "nothing happens before messages run";
  bar.window.PumpMessages();
  EXPECT_TRUE(bar.engine.state().FullScreenAppOpen);
  EXPECT_EQ(bar.window.zstate(), ZState::Bottom);
  world.shell.SetFullScreenApp(false);
  bar.window.PumpMessages();
  EXPECT_EQ(bar.window.zstate(), ZState::Topmost);
}

TEST_F(DockingApply, FloatingAndUnregisteringReserveNothing) {
  bar.Start(Record(Edge::Bottom, 0, 1));
  EXPECT_EQ(bar.rect(), (Rect{0, 638, 1024, 738}));
  EXPECT_EQ(world.shell.WorkArea(), (Rect{0, 0, 1024, 638}));
  bar.engine.ApplyEdge(Edge::Float);
  EXPECT_EQ(bar.rect(), (Rect{300, 200, 400, 600}));
  EXPECT_EQ(world.shell.WorkArea(), (Rect{0, 0, 1024, 738}));
  bar.engine.ApplyEdge(Edge::Bottom);
  bar.engine.Unregister();
  EXPECT_FALSE(world.shell.IsRegistered(1));
  EXPECT_EQ(world.shell.WorkArea(), (Rect{0, 0, 1024, 738}));
}

TEST_F(DockingApply, BarsOnOneEdgeStackAndFollowEachOther) {
  bar.Start(Record(Edge::Left, 0, 1, {80, 100, 100, 100}));
  TestBar second{world, 2};
  second.Start(Record(Edge::Left, 0, 1, {60, 100, 100, 100}));
  EXPECT_EQ(second.rect(), (Rect{80, 0, 140, 738}));
  EXPECT_EQ(world.shell.WorkArea(), (Rect{140, 0, 1024, 738}));

  // The first bar hears of the change when its messages run, and stays put.
  ASSERT_EQ(world.shell.PendingFor(1), 1u);
  bar.window.PumpMessages();
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 80, 738}));

  // The first leaves: the second is told and moves out to the edge.
  bar.engine.Unregister();
  second.window.PumpMessages();
  EXPECT_EQ(second.rect(), (Rect{0, 0, 60, 738}));
  EXPECT_EQ(world.shell.WorkArea(), (Rect{60, 0, 1024, 738}));
}

TEST_F(DockingApply, TaskbarMoveRedocksAnyDockedBarThatDoesNotHide) {
  bar.Start(Record(Edge::Left, 0, 0));
  world.shell.PlaceTaskbar(Edge::Top, 30);
  bar.window.PumpMessages();
  EXPECT_EQ(bar.rect(), (Rect{0, 30, 100, 768}));

  TestBar hiding{world, 2};
  hiding.Start(Record(Edge::Right, 1, 1));
  world.shell.PlaceTaskbar(Edge::Bottom, 30);
  hiding.ui.layouts = 0;
  hiding.window.PumpMessages();
  EXPECT_EQ(hiding.ui.layouts, 0) << "an auto-hidden bar ignores the taskbar";
}

TEST_F(DockingApply, TaskbarStateIsReadAtConstructionAndOnChange) {
  EXPECT_EQ(bar.engine.state().TaskbarState, kTaskbarAlwaysOnTop);
  bar.Start(Record(Edge::Left, 0, 1));
  world.shell.SetTaskbarState(kTaskbarAutoHide | kTaskbarAlwaysOnTop);
  bar.window.PumpMessages();
  EXPECT_EQ(bar.engine.state().TaskbarState, kTaskbarAutoHide | kTaskbarAlwaysOnTop);
  // The auto-hidden taskbar no longer reserves its strip; the bar re-docks.
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 100, 768}));
}

TEST_F(DockingApply, ActivationHidesAnAutoHiddenBarAndTellsTheShell) {
  bar.Start(Record(Edge::Top, 1, 0, {100, 50, 100, 100}));
  bar.engine.SetAutoHideShown(true);
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 1024, 50}));
  world.shell.ClearLog();
  bar.engine.OnActivated();
  EXPECT_EQ(bar.rect(), (Rect{0, -48, 1024, 2}));
  EXPECT_EQ(bar.Sent(), std::vector<AppBarMessage>{AppBarMessage::Activate});
}

TEST_F(DockingApply, SetAutoHideShownMovesNothingUnlessAutoHidden) {
  bar.Start(Record(Edge::Float, 1, 0));
  const Rect before = bar.rect();
  bar.engine.SetAutoHideShown(false);
  EXPECT_EQ(bar.rect(), before);
  EXPECT_TRUE(bar.engine.state().AutoHideShown);
}

}  // namespace
}  // namespace olb
