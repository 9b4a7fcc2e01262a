// A close request that runs while the bar lets messages run (a menu toggle
// applying its edge, the end of a move): whatever saves afterwards writes
// the edge the bar had, never "unregistered".
#include <gtest/gtest.h>

#include "docking_harness.h"

namespace olb {
namespace {

using testing::DockWorld;
using testing::Record;
using testing::TestBar;

// The menu toggles: AutoHide lets messages run before it applies the edge,
// Always on Top inside ApplyEdge (a docked bar that does not hide pumps).
TEST(DockingClose, TogglesSaveTheEdgeTheBarHadWhenTheCloseRunsInside) {
  for (Edge edge : {Edge::Left, Edge::Top, Edge::Right, Edge::Bottom, Edge::Float}) {
    for (bool closeFirst : {true, false}) {
      DockWorld world;
      TestBar bar{world, 1};
      bar.Start(Record(edge, 0, 0));
      bar.window.onPump = [&bar] { bar.engine.Unregister(); };
      if (closeFirst) bar.engine.Unregister();
      bar.options.AlwaysOnTop = 1;
      bar.engine.ApplyEdge(bar.engine.CurrentEdge());
      bar.engine.SaveOptions();
      ASSERT_TRUE(bar.Saved());
      EXPECT_EQ(bar.Saved()->Edge, edge) << ToInt(edge) << closeFirst;
      // A floating bar lets no messages run, so without the early close it
      // is still there; after a close nothing docks again.
      EXPECT_EQ(world.shell.IsRegistered(1), !bar.engine.state().Unregistered);
      EXPECT_EQ(bar.engine.state().Unregistered, closeFirst || edge != Edge::Float);
    }
  }
}

TEST(DockingClose, MoveEndingAfterTheCloseSavesTheEdgeItHad) {
  DockWorld world;
  TestBar bar{world, 1};
  bar.Start(Record(Edge::Right, 0, 1));
  bar.window.Send(event::EnterSizeMove{});
  bar.engine.Unregister();
  bar.window.Send(event::ExitSizeMove{});
  ASSERT_TRUE(bar.Saved());
  EXPECT_EQ(bar.Saved()->Edge, Edge::Right);
}

TEST(DockingClose, UnregisteredRecordIsNeverWritten) {
  DockWorld world;
  TestBar bar{world, 1};
  bar.Start(Record(Edge::Top, 0, 0));
  bar.options.Edge = Edge::None;
  EXPECT_FALSE(bar.engine.SaveOptions());
  EXPECT_EQ(bar.Saved()->Edge, Edge::Top);
}

}  // namespace
}  // namespace olb
