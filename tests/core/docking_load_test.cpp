// Loading the stored record at start-up, and full-screen notifications
// arriving while the menu is up.
#include <gtest/gtest.h>

#include "docking_harness.h"

namespace olb {
namespace {

using sim::ZState;
using testing::DockWorld;
using testing::kDesignedRect;
using testing::Record;
using testing::TestBar;

using DockingLoad = testing::BarAboveTaskbar;

TEST_F(DockingLoad, FirstStartFloatsAtTheDesignedRectangleWithoutCaption) {
  bar.Start(std::nullopt);
  EXPECT_EQ(bar.engine.state().allowedPositions, 0x37u);
  EXPECT_EQ(bar.engine.state().SizeInc, (Point{1, 1}));
  EXPECT_TRUE(bar.engine.state().CaptionHidden);
  EXPECT_FALSE(bar.window.hasCaption());
  EXPECT_EQ(bar.options.Edge, Edge::Float);
  EXPECT_EQ(bar.options.FloatRect, kDesignedRect);
  EXPECT_EQ(bar.rect(), kDesignedRect);
  EXPECT_EQ(bar.window.zstate(), ZState::Normal);
  EXPECT_FALSE(bar.Saved()) << "loading writes nothing";
  EXPECT_GT(bar.ui.layouts, 0);
}

TEST_F(DockingLoad, StoredRecordPutsTheBarBackWhereItWas) {
  struct Case {
    BarOptions stored;
    Rect expected;
    ZState z;
  } cases[] = {
      {Record(Edge::Left, 0, 1, {110, 40, 90, 60}), {0, 0, 110, 738}, ZState::Topmost},
      {Record(Edge::Top, 0, 0, {110, 40, 90, 60}), {0, 0, 1024, 40}, ZState::Normal},
      {Record(Edge::Right, 0, 1, {110, 40, 90, 60}), {934, 0, 1024, 738}, ZState::Topmost},
      {Record(Edge::Bottom, 0, 1, {110, 40, 90, 60}), {0, 678, 1024, 738}, ZState::Topmost},
      {Record(Edge::Bottom, 1, 1, {110, 40, 90, 60}), {0, 766, 1024, 826}, ZState::Topmost},
      {Record(Edge::Float, 1, 1, {110, 40, 90, 60}, {20, 30, 120, 330}),
       {20, 30, 120, 330},
       ZState::Topmost},
  };
  for (const Case& c : cases) {
    DockWorld w;
    w.shell.PlaceTaskbar(Edge::Bottom, 30);
    TestBar b{w, 1};
    b.Start(c.stored);
    EXPECT_EQ(b.rect(), c.expected) << ToInt(c.stored.Edge);
    EXPECT_EQ(b.window.zstate(), c.z) << ToInt(c.stored.Edge);
    EXPECT_EQ(b.options, c.stored);
  }
}

TEST_F(DockingLoad, ThinOrLostGeometryIsPlacedReachablyWithoutChangingTheRecord) {
  struct Case {
    BarOptions stored;
    Rect expected;
  } cases[] = {
      {Record(Edge::Left, 0, 1, {5, 100, 100, 100}), {0, 0, 20, 738}},
      {Record(Edge::Top, 0, 0, {100, 0, 100, 100}), {0, 0, 1024, 20}},
      // A negative or huge hand-edited width on a side edge: half the screen.
      {Record(Edge::Left, 0, 1, {0xFFFFFFFBu, 100, 100, 100}), {0, 0, 512, 738}},
      {Record(Edge::Right, 0, 1, {100, 100, 0x80000000u, 100}), {512, 0, 1024, 738}},
      {Record(Edge::Float, 0, 0, {}, {0, 0, 0, 0}), kDesignedRect},
      {Record(Edge::Float, 0, 0, {}, {5000, 5000, 5100, 5400}), {924, 338, 1024, 738}},
  };
  for (const Case& c : cases) {
    DockWorld w;
    w.shell.PlaceTaskbar(Edge::Bottom, 30);
    TestBar b{w, 1};
    b.Start(c.stored);
    EXPECT_EQ(b.rect(), c.expected);
    EXPECT_EQ(b.options, c.stored);
  }
}

TEST_F(DockingLoad, ShortRecordKeepsTheLiveTailAndSetsTheWidthFromTheStoredBytes) {
  // Size 8 takes Size and Edge only; the rest keeps the live copy's initial
  // values (auto-hide and always-on-top on, thickness 0). The width still
  // comes from the stored DockSize of the right edge.
  BarOptions stored = Record(Edge::Right, 0, 0, {100, 100, 90, 100});
  stored.Size = 8;
  const BarOptionsBytes bytes = EncodeOptions(stored);
  bar.registry.Write(RegistryRoot::CurrentUser, kOptionsKey, kOptionsValueName,
                     {static_cast<uint32_t>(RegistryType::Binary), {bytes.begin(), bytes.end()}});
  bar.Start(std::nullopt);
  EXPECT_EQ(bar.options.Edge, Edge::Right);
  EXPECT_EQ(bar.options.AutoHide, 1u);
  EXPECT_EQ(bar.options.DockSize, (std::array<uint32_t, 4>{}));
  EXPECT_EQ(bar.options.Size, 48u);
  // Hidden at the right edge, 20 wide as placed, then widened to 90.
  EXPECT_EQ(bar.rect(), (Rect{1022, 0, 1112, 768}));
}

TEST_F(DockingLoad, FullScreenNotificationWhileTheMenuIsUpIsSettledWhenItCloses) {
  bar.Start(Record(Edge::Left, 0, 1));
  bar.engine.MenuOpened();
  world.shell.SetFullScreenApp(true);
  bar.window.PumpMessages();
  EXPECT_TRUE(bar.engine.state().FullScreenAppOpen) << "recorded at once";
  EXPECT_EQ(bar.window.zstate(), ZState::Topmost) << "the open menu is left alone";
  bar.engine.MenuClosed();
  EXPECT_FALSE(bar.engine.state().MenuActive);
  EXPECT_EQ(bar.window.zstate(), ZState::Bottom);

  // Opened and closed again while the menu was up: nothing to settle.
  bar.engine.MenuOpened();
  world.shell.SetFullScreenApp(false);
  world.shell.SetFullScreenApp(true);
  bar.window.PumpMessages();
  world.shell.ClearLog();
  bar.engine.MenuClosed();
  EXPECT_TRUE(world.shell.log().empty());
  EXPECT_EQ(bar.window.zstate(), ZState::Bottom);

  // Closed while the menu was up: back on top when it closes.
  bar.engine.MenuOpened();
  world.shell.SetFullScreenApp(false);
  bar.window.PumpMessages();
  bar.engine.MenuClosed();
  EXPECT_EQ(bar.window.zstate(), ZState::Topmost);
}

TEST_F(DockingLoad, OtherNotificationsAreNotHeldBackByTheMenu) {
  bar.Start(Record(Edge::Left, 0, 1));
  bar.engine.MenuOpened();
  world.shell.PlaceTaskbar(Edge::Top, 30);
  bar.window.PumpMessages();
  EXPECT_EQ(bar.rect(), (Rect{0, 30, 100, 768}));
  bar.engine.MenuClosed();
}

}  // namespace
}  // namespace olb
