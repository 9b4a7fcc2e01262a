#include <gtest/gtest.h>

#include "core/docking/auto_hide_timers.h"

namespace olb {
namespace {

TEST(SlideIn, SlidesInOnlyAnInactiveBarWithThePointerBeyondTheMargin) {
  const Rect bar{0, 100, 100, 700};
  const Size dbl{4, 5};  // margins 8 across and 10 along
  struct Case {
    Point p;
    bool slideIn;
  } cases[] = {
      {{50, 300}, false}, {{107, 300}, false}, {{108, 300}, true}, {{-8, 300}, false},
      {{-9, 300}, true},  {{50, 90}, false},   {{50, 89}, true},   {{50, 709}, false},
      {{50, 710}, true},  {{107, 709}, false}, {{108, 710}, true}, {{-32768, -32768}, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SlideInIsDue(false, c.p, bar, dbl), c.slideIn) << c.p.x << "," << c.p.y;
    EXPECT_FALSE(SlideInIsDue(true, c.p, bar, dbl));
  }
  EXPECT_FALSE(SlideInIsDue(false, {INT32_MAX, 0}, {0, 0, INT32_MAX, 1}, {INT32_MAX, 1}));
}

TEST(SlideIn, MessagePositionHalvesAreSigned) {
  EXPECT_EQ(UnpackMessagePos(0x00C80064u), (Point{100, 200}));
  EXPECT_EQ(UnpackMessagePos(0xFFFF0005u), (Point{5, -1}));
  EXPECT_EQ(UnpackMessagePos(0x8000FC18u), (Point{-1000, -32768}));
}

TEST(Reveal, OneShotStartedByTheFirstFrameMove) {
  const Rect bar{0, 0, 100, 768};
  RevealTimer t;
  EXPECT_TRUE(t.OnNcMouseMove());
  EXPECT_FALSE(t.OnNcMouseMove());  // a running timer is not restarted
  EXPECT_TRUE(t.running());
  EXPECT_TRUE(t.OnTick({0, 300}, bar));
  EXPECT_FALSE(t.running());

  EXPECT_TRUE(t.OnNcMouseMove());
  EXPECT_FALSE(t.OnTick({100, 300}, bar));  // the right border is outside
  EXPECT_FALSE(t.running());
  EXPECT_TRUE(t.OnNcMouseMove());
  EXPECT_TRUE(t.OnTick({99, 767}, bar));
}

}  // namespace
}  // namespace olb
