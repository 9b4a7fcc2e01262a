#include <gtest/gtest.h>

#include "core/folder/folder_change_pacer.h"

namespace olb {
namespace {

TEST(FolderChangePacer, ABurstIsReadOnceATickAfterItsLastChangeAndTheTicksStop) {
  FolderChangePacer pacer(10);
  EXPECT_TRUE(pacer.OnChange()) << "the first change starts the ticks";
  EXPECT_FALSE(pacer.OnChange());
  EXPECT_FALSE(pacer.Tick(false, false));
  EXPECT_FALSE(pacer.StopWhenIdle());
  EXPECT_TRUE(pacer.Tick(false, false));
  EXPECT_FALSE(pacer.Tick(false, false)) << "read once";
  EXPECT_TRUE(pacer.StopWhenIdle());
  EXPECT_FALSE(pacer.ticking());
  EXPECT_TRUE(pacer.OnChange());
}

TEST(FolderChangePacer, ChangesThatNeverPauseAreReadEveryFewTicksButNeverWhileBusy) {
  FolderChangePacer pacer(3);
  pacer.OnChange();
  EXPECT_FALSE(pacer.Tick(false, false));
  pacer.OnChange();
  EXPECT_FALSE(pacer.Tick(false, false));
  pacer.OnChange();
  EXPECT_TRUE(pacer.Tick(false, false));
  pacer.OnChange();
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(pacer.Tick(false, true));
  EXPECT_FALSE(pacer.StopWhenIdle()) << "a waiting change keeps the ticks";
  EXPECT_TRUE(pacer.Tick(false, false));
}

TEST(FolderChangePacer, APolledWatchTicksAlwaysAndANewWatchForgetsWhatWaited) {
  FolderChangePacer pacer(10);
  pacer.Rewatched(true);
  EXPECT_TRUE(pacer.ticking());
  EXPECT_FALSE(pacer.Tick(true, false));
  EXPECT_TRUE(pacer.Tick(false, false));
  EXPECT_FALSE(pacer.StopWhenIdle());
  pacer.OnChange();
  pacer.Rewatched(false);
  EXPECT_FALSE(pacer.ticking());
  EXPECT_FALSE(pacer.Tick(false, false));
  EXPECT_FALSE(pacer.Tick(false, false));
}

}  // namespace
}  // namespace olb
