#include <gtest/gtest.h>

#include "docking_harness.h"

namespace olb {
namespace {

using sim::PlacementRecord;
using testing::DockWorld;
using testing::TestBar;

// x = x0 − (x0 − x1)·t/400 in integers, product first, truncated toward zero.
int32_t Expected(int32_t from, int32_t to, int64_t t) {
  return static_cast<int32_t>(from - (int64_t{from} - to) * t / 400);
}

class SlideTo : public ::testing::Test {
 protected:
  DockWorld world;
  TestBar bar{world, 1, {-98, 0, 2, 768}};
};

TEST_F(SlideTo, EveryFrameFollowsTheLinearFormulaAndTheLastIsTheTarget) {
  const Rect start = bar.rect();
  const Rect target{0, 10, 150, 700};
  // Clock starting at an ordinary count, at the wrap-around point and just
  // before it; each read advances the clock by `step` ms.
  for (uint32_t step : {30u, 100u}) {
    for (uint32_t t0 : {5000u, 0xFFFFFF00u, 0xFFFFFE70u, 0xFFFFFFFFu}) {
      SCOPED_TRACE(::testing::Message() << "t0 " << t0 << " step " << step);
      bar.window.Place(start, Placement::Plain);
      bar.window.ClearPlacements();
      world.desktop.SetClock(t0, step);
      bar.engine.SlideTo(target);

      // Frames at t = step, 2·step ... below 400, then the target.
      const std::vector<PlacementRecord>& frames = bar.window.placements();
      ASSERT_EQ(frames.size(), 399 / step + 1);
      for (size_t i = 0; i + 1 < frames.size(); ++i) {
        const int64_t t = int64_t{step} * static_cast<int64_t>(i + 1);
        const Rect& f = frames[i].rect;
        EXPECT_EQ(f.left, Expected(start.left, target.left, t)) << t;
        EXPECT_EQ(f.top, Expected(start.top, target.top, t)) << t;
        EXPECT_EQ(f.Width(), Expected(start.Width(), target.Width(), t)) << t;
        EXPECT_EQ(f.Height(), Expected(start.Height(), target.Height(), t)) << t;
        EXPECT_EQ(frames[i].how, Placement::Frame);
      }
      EXPECT_EQ(frames.back().rect, target);
      EXPECT_EQ(bar.rect(), target);
    }
  }
}

TEST_F(SlideTo, NoFrameGoesBeyondTheTarget) {
  const Rect start = bar.rect();
  const Rect target{0, 0, 100, 768};
  for (uint32_t step : {1u, 7u, 399u, 400u, 401u, 100000u}) {
    bar.window.Place(start, Placement::Plain);
    bar.window.ClearPlacements();
    world.desktop.SetClock(0xFFFFFFF0u, step);
    bar.engine.SlideTo(target);
    for (const PlacementRecord& f : bar.window.placements()) {
      EXPECT_GE(f.rect.left, start.left) << step;
      EXPECT_LE(f.rect.left, target.left) << step;
      EXPECT_EQ(f.rect.Width(), 100) << step;
    }
    EXPECT_EQ(bar.window.placements().back().rect, target);
  }
}

TEST_F(SlideTo, SameRectangleDoesNoAnimationButStillLetsMessagesRun) {
  const int reads = world.desktop.tickReads();
  const int pumps = bar.window.pumpCount();
  bar.engine.SlideTo(bar.rect());
  ASSERT_EQ(bar.window.placements().size(), 1u);
  EXPECT_EQ(bar.window.placements()[0].rect, (Rect{-98, 0, 2, 768}));
  EXPECT_EQ(world.desktop.tickReads(), reads) << "the clock is not read";
  EXPECT_EQ(bar.window.pumpCount(), pumps + 1);
}

TEST_F(SlideTo, FramesWaitForTheFrameClockAndAHiddenWindowIsNeverSlid) {
  world.desktop.SetClock(0, 10);
  bar.engine.SlideTo({0, 0, 100, 768});
  EXPECT_EQ(bar.window.frameWaits(), static_cast<int>(bar.window.placements().size()) - 1)
      << "every frame but the target waits for the next one";

  bar.window.SetVisible(false);
  bar.window.ClearPlacements();
  const int reads = world.desktop.tickReads();
  bar.engine.SlideTo({-98, 0, 2, 768});
  ASSERT_EQ(bar.window.placements().size(), 1u);
  EXPECT_EQ(bar.window.placements()[0].rect, (Rect{-98, 0, 2, 768}));
  EXPECT_EQ(world.desktop.tickReads(), reads) << "no frames: the clock is not read";
}

TEST_F(SlideTo, MessagesRunAfterTheWindowReachedTheTarget) {
  Rect seen{};
  bar.window.Post([&] { seen = bar.rect(); });
  bar.engine.SlideTo({0, 0, 100, 768});
  EXPECT_EQ(seen, (Rect{0, 0, 100, 768}));
}

}  // namespace
}  // namespace olb
