// The bar on a desktop of several monitors: docking on each monitor's edges
// (inner ones included), floating at negative coordinates, auto-hide and
// full-screen programs per monitor, the remembered monitor.
#include <gtest/gtest.h>

#include "core/docking/dock_geometry.h"
#include "core/settings/monitor_store.h"
#include "docking_harness.h"

namespace olb {
namespace {

using sim::SimMonitor;
using sim::ZState;
using testing::DockWorld;
using testing::DragAlong;
using testing::Record;
using testing::TestBar;

// The primary monitor with its taskbar, one to its right (taller) and one to
// its left reaching above it: every coordinate of the last is negative or 0.
const SimMonitor kPrimary{"\\\\.\\DISPLAY1", {0, 0, 1024, 768}};
const SimMonitor kRight{"\\\\.\\DISPLAY2", {1024, 0, 2304, 800}};
const SimMonitor kLeft{"\\\\.\\DISPLAY3", {-1280, -200, 0, 824}};

struct ThreeMonitors {
  ThreeMonitors() {
    world.shell.SetMonitors({kPrimary, kRight, kLeft});
    world.shell.PlaceTaskbar(Edge::Bottom, 30);
  }
  DockWorld world;
};

MonitorInfo InfoOf(DockWorld& world, const SimMonitor& m) {
  for (const MonitorInfo& info : world.shell.Monitors()) {
    if (info.device == m.device) return info;
  }
  return {};
}

// A point 5 pixels inside the middle of a monitor's edge.
Point NearEdge(const Rect& a, Edge edge) {
  const Point mid{(a.left + a.right) / 2, (a.top + a.bottom) / 2};
  switch (edge) {
    case Edge::Left:
      return {a.left + 5, mid.y};
    case Edge::Top:
      return {mid.x, a.top + 5};
    case Edge::Right:
      return {a.right - 5, mid.y};
    default:
      return {mid.x, a.bottom - 5};
  }
}

TEST(DockingMonitors, DragDocksOnEveryEdgeOfEveryMonitorAndReservesTheStripThere) {
  for (const SimMonitor& target : {kPrimary, kRight, kLeft}) {
    for (Edge edge : {Edge::Left, Edge::Top, Edge::Right, Edge::Bottom}) {
      SCOPED_TRACE(target.device + " edge " + std::to_string(ToInt(edge)));
      ThreeMonitors three;
      TestBar bar{three.world, 1};
      bar.Start(Record(Edge::Float, 0, 1));
      const Rect workBefore = InfoOf(three.world, target).work;
      // Through the middle of the primary monitor, then across to the edge;
      // the primary's inner edges lie on the way to the other monitors.
      DragAlong(bar, {350, 300}, {{500, 400}, NearEdge(target.area, edge)});

      EXPECT_EQ(bar.options.Edge, edge);
      const Rect expected = CutToEdge(workBefore, edge, 100);
      EXPECT_EQ(bar.rect(), expected);
      EXPECT_EQ(three.world.shell.Reserved(1), expected);
      EXPECT_EQ(bar.engine.monitor().device, target.device);
      // The strip comes off that monitor's work area alone.
      for (const SimMonitor& m : {kPrimary, kRight, kLeft}) {
        const Rect work = InfoOf(three.world, m).work;
        if (m.device == target.device) {
          EXPECT_EQ(Intersection(work, expected), Rect{});
        } else {
          EXPECT_EQ(work, (m.device == kPrimary.device ? Rect{0, 0, 1024, 738} : m.area));
        }
      }
    }
  }
}

TEST(DockingMonitors, FloatsAtNegativeCoordinatesAndComesBackThereAfterARestart) {
  ThreeMonitors three;
  TestBar bar{three.world, 1};
  bar.Start(Record(Edge::Left, 0, 1));
  DragAlong(bar, {50, 300}, {{300, 300}, {-600, 100}, {-700, 0}});
  EXPECT_EQ(bar.options.Edge, Edge::Float);
  EXPECT_EQ(bar.rect(), (Rect{-750, 0, -650, 400}));
  EXPECT_EQ(bar.engine.monitor().device, kLeft.device);

  TestBar again{three.world, 2};
  again.registry = bar.registry;
  bar.engine.Unregister();
  again.Start(std::nullopt);
  EXPECT_EQ(again.rect(), (Rect{-750, 0, -650, 400}));

  // Its monitor unplugged: the bar is not left where no monitor shows it.
  three.world.shell.SetMonitors({kPrimary, kRight});
  again.window.PumpMessages();
  EXPECT_EQ(again.rect(), (Rect{0, 0, 100, 400}));
}

TEST(DockingMonitors, AutoHideRevealsAtItsMonitorsEdgeWhichHasItsOwnAutoHideSlot) {
  ThreeMonitors three;
  TestBar onPrimary{three.world, 1};
  TestBar onRight{three.world, 2};
  onPrimary.Start(Record(Edge::Right, 1, 0));
  onRight.Start(Record(Edge::Float, 1, 0));
  DragAlong(onRight, {1500, 300}, {{1600, 400}, {2300, 400}});
  EXPECT_EQ(onRight.options.AutoHide, 1u) << "the right edge of another monitor is free";
  EXPECT_EQ(onRight.rect(), (Rect{2302, 0, 2402, 800}));
  onRight.engine.SetAutoHideShown(true);
  EXPECT_EQ(onRight.rect(), (Rect{2204, 0, 2304, 800}));
  EXPECT_EQ(onRight.engine.FindAutoHideEdge(), Edge::Right);
  EXPECT_EQ(onPrimary.engine.FindAutoHideEdge(), Edge::Right);
  // The primary's right edge is an inner one: hidden, the bar keeps to a
  // strip of its own monitor.
  EXPECT_EQ(onPrimary.rect(), (Rect{1004, 0, 1024, 768}));
  EXPECT_TRUE(onPrimary.engine.HiddenOnInnerEdge());
  EXPECT_FALSE(onRight.engine.HiddenOnInnerEdge());
  onPrimary.engine.SetAutoHideShown(true);
  EXPECT_EQ(onPrimary.rect(), (Rect{924, 0, 1024, 768}));
}

TEST(DockingMonitors, AFullScreenProgramOnAnotherMonitorLeavesTheBarOnTop) {
  ThreeMonitors three;
  TestBar bar{three.world, 1};
  bar.Start(Record(Edge::Float, 0, 1));
  DragAlong(bar, {350, 300}, {{500, 400}, {1500, 795}});
  ASSERT_EQ(bar.engine.monitor().device, kRight.device);
  EXPECT_EQ(bar.window.zstate(), ZState::Topmost);
  three.world.shell.SetFullScreenApp(true, kPrimary.area);
  bar.window.PumpMessages();
  EXPECT_EQ(bar.window.zstate(), ZState::Topmost);
  three.world.shell.SetFullScreenApp(true, kRight.area);
  bar.window.PumpMessages();
  EXPECT_EQ(bar.window.zstate(), ZState::Bottom);
  three.world.shell.SetFullScreenApp(false);
  bar.window.PumpMessages();
  EXPECT_EQ(bar.window.zstate(), ZState::Topmost);
}

TEST(DockingMonitors, TheRememberedMonitorIsLeftWhileGoneAndTakenBackWhenItReturns) {
  ThreeMonitors three;
  TestBar bar{three.world, 1};
  bar.Start(Record(Edge::Float, 0, 1));
  DragAlong(bar, {350, 300}, {{500, 400}, {1600, 5}});
  ASSERT_EQ(bar.rect(), (Rect{1024, 0, 2304, 100}));
  const auto stored = ReadMonitorPlace(bar.registry);
  ASSERT_TRUE(stored);
  EXPECT_EQ(*stored, (MonitorPlace{kRight.device, kRight.area}));

  // Unplugged: the same edge of the primary monitor; nothing stored changes.
  three.world.shell.SetMonitors({kPrimary, kLeft});
  bar.window.PumpMessages();
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 1024, 100}));
  EXPECT_EQ(ReadMonitorPlace(bar.registry), stored);
  // Plugged in again, at another resolution: back, along its new edge.
  const SimMonitor wider{kRight.device, {1024, 0, 2944, 1080}};
  three.world.shell.SetMonitors({kPrimary, wider, kLeft});
  bar.window.PumpMessages();
  EXPECT_EQ(bar.rect(), (Rect{1024, 0, 2944, 100}));

  // A start while it is missing uses the primary, and it is taken back when
  // it comes.
  three.world.shell.SetMonitors({kPrimary, kLeft});
  TestBar again{three.world, 2};
  again.registry = bar.registry;
  bar.engine.Unregister();
  again.Start(std::nullopt);
  EXPECT_EQ(again.rect(), (Rect{0, 0, 1024, 100}));
  three.world.shell.SetMonitors({kPrimary, kRight, kLeft});
  again.window.PumpMessages();
  EXPECT_EQ(again.rect(), (Rect{1024, 0, 2304, 100}));
}

TEST(DockingMonitors, MovingToAnotherMonitorKeepsTheEdgeOrTheFloatingPlace) {
  ThreeMonitors three;
  TestBar bar{three.world, 1};
  bar.Start(Record(Edge::Bottom, 0, 1));
  ASSERT_EQ(bar.rect(), (Rect{0, 638, 1024, 738}));
  EXPECT_TRUE(bar.engine.MoveToMonitor(kLeft.device));
  EXPECT_EQ(bar.rect(), (Rect{-1280, 724, 0, 824}));
  EXPECT_EQ(three.world.shell.WorkArea(), (Rect{0, 0, 1024, 738})) << "the strip went along";
  EXPECT_EQ(ReadMonitorPlace(bar.registry), (MonitorPlace{kLeft.device, kLeft.area}));
  EXPECT_FALSE(bar.engine.MoveToMonitor("\\\\.\\DISPLAY9"));

  bar.options.FloatRect = {100, 100, 200, 500};
  bar.engine.ApplyEdge(Edge::Float);
  EXPECT_TRUE(bar.engine.MoveToMonitor(kRight.device));
  EXPECT_EQ(bar.rect(), (Rect{1124, 100, 1224, 500}));
}

TEST(DockingMonitors, AStoredThicknessIsKeptWithinHalfOfItsOwnMonitor) {
  ThreeMonitors three;
  TestBar bar{three.world, 1};
  bar.Start(Record(Edge::Left, 0, 1, {1000, 100, 100, 100}));
  EXPECT_EQ(bar.rect(), (Rect{0, 0, 512, 738}));
}

TEST(DockingMonitors, MonitorValueRefusesWhatDoesNotDecode) {
  const MonitorPlace place{"\\\\.\\DISPLAY2", {-1280, -200, 0, 824}};
  EXPECT_EQ(DecodeMonitorPlace(EncodeMonitorPlace(place)), place);
  for (const char* bad :
       {"", "1,2,3", "0,0,0,0,\\\\.\\DISPLAY1", "10,0,5,8,D", "0,0,1024,768,",
        "-2147483648,0,2147483647,8,D", "0,0,9,9999999999,D",
        "0,0,1024,768,\\\\.\\DISPLAY1-with-a-name-far-too-long", "0,0,1024,768,D\n"}) {
    EXPECT_FALSE(DecodeMonitorPlace(bad)) << bad;
  }
}

}  // namespace
}  // namespace olb
