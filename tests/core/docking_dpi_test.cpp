// The bar on scaled screens: the record stays in 96-DPI pixels whatever the
// monitor's DPI, and only the window's placement is scaled.
#include <gtest/gtest.h>

#include "core/settings/dpi_scale.h"
#include "docking_harness.h"
#include "sim/app_bar_manager.h"

namespace olb {
namespace {

using testing::DockWorld;
using testing::Record;
using testing::TestBar;

TEST(DockingDpi, ScaledMonitorsPlaceScaledSizesAndStoreDesignPixels) {
  struct Case {
    uint32_t dpi;
    int32_t leftThickness;     // a stored left bar, 100 thick
    Rect floating;             // the stored floating rectangle {300, 200, 400, 600}
    uint32_t storedThickness;  // of a resize to 181 pixels
  } cases[] = {{96, 100, {300, 200, 400, 600}, 181},
               {120, 125, {375, 250, 500, 750}, 145},
               {144, 150, {450, 300, 600, 900}, 121},
               {192, 200, {600, 400, 800, 1200}, 91}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    DockWorld w;
    w.shell.PlaceTaskbar(Edge::Bottom, 30);
    w.shell.SetScreenSize({2048, 1536});
    TestBar b{w, 1};
    b.window.SetDpi(c.dpi);
    const BarOptions stored = Record(Edge::Left, 0, 1);
    b.Start(stored);
    EXPECT_EQ(b.rect().Width(), c.leftThickness);
    b.engine.ApplyEdge(Edge::Float);
    EXPECT_EQ(b.rect(), c.floating);
    b.engine.SaveOptions();
    BarOptions expected = stored;
    expected.Edge = Edge::Float;
    EXPECT_EQ(b.Saved(), expected) << "stored files stay those of 96 DPI";

    // A resize in the monitor's pixels is stored in design pixels, and the
    // bar keeps the size the user gave it when placed again.
    b.engine.ApplyEdge(Edge::Left);
    b.window.Send(event::EnterSizeMove{});
    b.window.MoveBySystem({0, 0, 181, 1506});
    b.window.Send(event::ExitSizeMove{});
    EXPECT_EQ(b.Saved()->DockSize[0], c.storedThickness);
    EXPECT_EQ(b.rect().Width(), 181);
    b.engine.ApplyEdge(Edge::Left);
    EXPECT_EQ(b.rect().Width(), 181);

    // So does a floating bar the user moved.
    const Rect moved{451, 301, 601, 901};
    b.engine.ApplyEdge(Edge::Float);
    b.window.Send(event::EnterSizeMove{});
    b.window.MoveBySystem(moved);
    b.window.Send(event::ExitSizeMove{});
    EXPECT_EQ(b.Saved()->FloatRect, ScaleForDpi(moved, c.dpi, kDesignDpi));
    b.engine.ApplyEdge(Edge::Float);
    EXPECT_EQ(b.rect(), moved);
  }
}

TEST(DockingDpi, DpiRoundTripLeavesTheRecordAndTheBarAsTheyWere) {
  // 98 is 122.5 at 120 DPI and 147 at 144: scaling the record itself back
  // and forth would leave it at 99.
  for (const BarOptions& stored :
       {Record(Edge::Right, 0, 1, {97, 99, 98, 101}),
        Record(Edge::Float, 0, 0, {98, 98, 98, 98}, {301, 203, 398, 599})}) {
    SCOPED_TRACE(ToInt(stored.Edge));
    DockWorld w;
    w.shell.PlaceTaskbar(Edge::Bottom, 30);
    TestBar b{w, 1};
    b.Start(stored);
    const Rect before = b.rect();
    struct Step {
      uint32_t dpi;
      int32_t thickness;  // of the right bar
    };
    for (const Step s : {Step{120, 123}, Step{144, 147}, Step{192, 196}, Step{96, 98}}) {
      // The system's rectangle for a floating bar keeps its corner and
      // scales its size (97 x 396).
      const Rect r = b.rect();
      b.window.Send(event::DpiChanged{s.dpi,
                                      {r.left, r.top, r.left + ScaleForDpi(97, kDesignDpi, s.dpi),
                                       r.top + ScaleForDpi(396, kDesignDpi, s.dpi)}});
      if (stored.Edge == Edge::Right) {
        EXPECT_EQ(b.rect().Width(), s.thickness) << s.dpi;
      }
      b.engine.SaveOptions();
      EXPECT_EQ(b.Saved(), stored) << s.dpi;
    }
    // Back at 96 DPI the bar stands where it stood, and stays there when
    // placed again.
    EXPECT_EQ(b.rect(), before);
    b.engine.ApplyEdge(stored.Edge);
    EXPECT_EQ(b.rect(), before);
  }
}

TEST(DockingDpi, ScaledFloatingBarLiesWhollyOnTheWorkAreaAndTheRecordIsKept) {
  struct Case {
    uint32_t dpi;
    Rect placed;  // of {300, 200, 400, 600}: 2 and 3 times its size
  } cases[] = {{192, {600, 0, 800, 738}}, {288, {724, 0, 1024, 738}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    DockWorld w;
    w.shell.PlaceTaskbar(Edge::Bottom, 30);
    TestBar b{w, 1, ScaleForDpi(testing::kDesignedRect, kDesignDpi, c.dpi)};
    b.window.SetDpi(c.dpi);
    const BarOptions stored = Record(Edge::Float, 0, 0);
    b.Start(stored);
    EXPECT_EQ(b.rect(), c.placed);
    b.engine.ApplyEdge(Edge::Left);
    b.engine.ApplyEdge(Edge::Float);
    EXPECT_EQ(b.rect(), c.placed);
    b.engine.SaveOptions();
    EXPECT_EQ(b.Saved(), stored);
  }
}

// A 96-DPI primary monitor and a 150% one to its right, as a per-monitor
// aware bar sees them: dragged across, the window takes the DPI of the
// monitor it is mostly on and is laid out for it; the record stays in
// 96-DPI pixels wherever it was written.
TEST(DockingDpi, MixedDpiMonitorsScaleTheBarWhereItIsAndStoreDesignPixels) {
  DockWorld w;
  const sim::SimMonitor primary{"\\\\.\\DISPLAY1", {0, 0, 1024, 768}};
  const sim::SimMonitor scaled{"\\\\.\\DISPLAY2", {1024, 0, 2944, 1080}, 144};
  w.shell.SetMonitors({primary, scaled});
  w.shell.PlaceTaskbar(Edge::Bottom, 30);
  TestBar b{w, 1};
  b.window.monitorDpi = [&w](const Rect& r) { return w.shell.DpiOf(r); };
  const BarOptions stored = Record(Edge::Float, 0, 1);
  b.Start(stored);

  testing::DragAlong(b, {350, 300}, {{1500, 400}, {2940, 500}});
  EXPECT_EQ(b.engine.dpi(), 144u);
  EXPECT_EQ(b.options.Edge, Edge::Right);
  EXPECT_EQ(b.rect(), (Rect{2794, 0, 2944, 1080})) << "100 design pixels at 150%";
  BarOptions expected = stored;
  expected.Edge = Edge::Right;
  EXPECT_EQ(b.Saved(), expected);

  // Back on the 96-DPI monitor the same record gives 100 pixels again.
  testing::DragAlong(b, {2900, 500}, {{1500, 400}, {5, 300}});
  EXPECT_EQ(b.engine.dpi(), 96u);
  EXPECT_EQ(b.options.Edge, Edge::Left);
  EXPECT_EQ(b.rect(), (Rect{0, 0, 100, 738}));
  expected.Edge = Edge::Left;
  EXPECT_EQ(b.Saved(), expected);

  // A resize on the scaled monitor is stored in 96-DPI pixels.
  ASSERT_TRUE(b.engine.MoveToMonitor(scaled.device));
  EXPECT_EQ(b.rect(), (Rect{1024, 0, 1174, 1080}));
  b.window.Send(event::EnterSizeMove{});
  b.window.MoveBySystem({1024, 0, 1324, 1080});
  b.window.Send(event::ExitSizeMove{});
  EXPECT_EQ(b.Saved()->DockSize[0], 200u);
}

}  // namespace
}  // namespace olb
