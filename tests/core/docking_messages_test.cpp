// The AppBar messages each transition sends, in order, with their arguments.
#include <gtest/gtest.h>

#include "docking_harness.h"

namespace olb {
namespace {

using M = sim::AppBarMessage;
using sim::SentMessage;
using testing::Record;

class DockingMessages : public testing::BarAboveTaskbar {
 protected:
  // The log since the last call, for the bar, without ABM_WINDOWPOSCHANGED.
  std::vector<SentMessage> Take() {
    std::vector<SentMessage> out;
    for (const SentMessage& m : world.shell.log()) {
      if (m.window == 1 && m.message != M::WindowPosChanged) out.push_back(m);
    }
    world.shell.ClearLog();
    return out;
  }
  static std::vector<M> Kinds(const std::vector<SentMessage>& sent) {
    std::vector<M> out;
    for (const SentMessage& m : sent) out.push_back(m.message);
    return out;
  }
};

const std::vector<M> kFindNone{M::GetAutoHideBar, M::GetAutoHideBar, M::GetAutoHideBar,
                               M::GetAutoHideBar};

std::vector<M> Join(std::vector<M> a, const std::vector<M>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST_F(DockingMessages, ConstructionReadsTheTaskbarStateAndStartRegistersFirst) {
  EXPECT_EQ(Kinds(Take()), std::vector<M>{M::GetState});
  bar.Start(Record(Edge::Left, 0, 1));
  const std::vector<SentMessage> sent = Take();
  EXPECT_EQ(Kinds(sent), Join(Join({M::New}, kFindNone), {M::QueryPos, M::SetPos, M::Activate}));
  EXPECT_EQ(sent[1].edge, Edge::Left);
  EXPECT_EQ(sent[4].edge, Edge::Bottom) << "edges are asked for in order 0..3";
  EXPECT_EQ(sent[5].edge, Edge::Left);
  EXPECT_EQ(sent[6].rc, (Rect{0, 0, 100, 738})) << "SETPOS carries the granted strip";
}

TEST_F(DockingMessages, DockedBarThatIsNotOnTopSetsAnEmptyPosition) {
  bar.Start(Record(Edge::Right, 0, 0));
  Take();
  bar.engine.ApplyEdge(Edge::Right);
  const std::vector<SentMessage> sent = Take();
  EXPECT_EQ(Kinds(sent), Join(kFindNone, {M::QueryPos, M::SetPos, M::Activate}));
  EXPECT_EQ(sent[5].edge, Edge::Left);
  EXPECT_EQ(sent[5].rc, Rect{});
}

TEST_F(DockingMessages, AutoHideDropsTheOldRegistrationBeforeMakingTheNew) {
  bar.Start(Record(Edge::Top, 1, 1));
  Take();
  bar.engine.ApplyEdge(Edge::Bottom);
  const std::vector<SentMessage> sent = Take();
  // The search stops at the edge found (top, the second asked).
  EXPECT_EQ(Kinds(sent), (std::vector<M>{M::GetAutoHideBar, M::GetAutoHideBar, M::SetAutoHideBar,
                                         M::SetAutoHideBar, M::SetPos, M::Activate}));
  EXPECT_EQ(sent[2].edge, Edge::Top);
  EXPECT_EQ(sent[2].lParam, 0);
  EXPECT_EQ(sent[3].edge, Edge::Bottom);
  EXPECT_EQ(sent[3].lParam, 1);
  EXPECT_EQ(sent[4].edge, Edge::Left);
  EXPECT_EQ(sent[4].rc, Rect{});
}

TEST_F(DockingMessages, FloatingSetsAnEmptyPositionOnADocumentedEdge) {
  bar.Start(Record(Edge::Left, 0, 1));
  Take();
  bar.engine.ApplyEdge(Edge::Float);
  const std::vector<SentMessage> sent = Take();
  EXPECT_EQ(Kinds(sent), Join(kFindNone, {M::SetPos, M::Activate}));
  EXPECT_EQ(sent[4].edge, Edge::Left);
  EXPECT_EQ(sent[4].rc, Rect{});
}

TEST_F(DockingMessages, UnregisteringRemovesTheBar) {
  bar.Start(Record(Edge::Float, 0, 0));
  Take();
  bar.engine.Unregister();
  EXPECT_EQ(Kinds(Take()), Join(kFindNone, {M::Remove, M::Activate}));
}

TEST_F(DockingMessages, MovingQueriesOnlyForDockedProposalsOfABarThatDoesNotHide) {
  bar.Start(Record(Edge::Float, 0, 0));
  Take();
  bar.window.Send(event::EnterSizeMove{});
  Rect drag = bar.rect();
  drag = *bar.window.Send(event::Moving{drag, {512, 384}}).drag;
  EXPECT_TRUE(Take().empty());
  drag = *bar.window.Send(event::Moving{drag, {1020, 384}}).drag;
  EXPECT_EQ(Kinds(Take()), std::vector<M>{M::QueryPos});
  bar.options.AutoHide = 1;
  drag = *bar.window.Send(event::Moving{drag, {1020, 300}}).drag;
  EXPECT_TRUE(Take().empty());
}

TEST_F(DockingMessages, WindowMovesAndStateChangesAreReported) {
  bar.Start(Record(Edge::Float, 0, 0));
  world.shell.ClearLog();
  bar.window.MoveBySystem({10, 10, 110, 400});
  ASSERT_EQ(world.shell.log().size(), 1u);
  EXPECT_EQ(world.shell.log()[0].message, M::WindowPosChanged);
  world.shell.ClearLog();
  world.shell.SetTaskbarState(0);
  bar.window.PumpMessages();
  EXPECT_EQ(Kinds(Take()), std::vector<M>{M::GetState});
}

}  // namespace
}  // namespace olb
