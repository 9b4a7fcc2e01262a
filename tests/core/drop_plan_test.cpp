#include <gtest/gtest.h>

#include "core/commands/new_names.h"
#include "core/dragdrop/drop_plan.h"
#include "core/paths/path_text.h"

namespace olb {
namespace {

using enum TDropEffect;

const DropRequest kPlain{{}, {deNone, deMove}};
// A drop into `folder`, or onto it as an item of the list.
DropTarget Into(const std::string& folder, bool ontoFolder = false) {
  DropTarget target;
  target.folder = folder;
  target.ontoFolder = ontoFolder;
  return target;
}
const DropTarget kBar = Into("C:\\bar");
const auto kNothingTaken = [](const std::string&) { return false; };

TEST(PlanDroppedPath, EachPathGoesIntoTheTargetUnlessItIsThereOrWouldPassTheLimit) {
  const DropStep moved = PlanDroppedPath("C:\\desk\\a.txt", false, kBar, kPlain, kNothingTaken);
  EXPECT_EQ(moved.action, DropAction::Move);
  EXPECT_EQ(moved.to, "C:\\bar\\a.txt");
  EXPECT_EQ(PlanDroppedPath("D:\\a.txt", false, kBar, kPlain, kNothingTaken).action,
            DropAction::Copy);
  // Dropped back where it is, or a folder onto itself: nothing to do.
  for (const char* path : {"c:\\BAR\\a.txt", "C:\\bar"}) {
    const DropStep step = PlanDroppedPath(path, true, kBar, kPlain, kNothingTaken);
    EXPECT_EQ(step.action, DropAction::Skip) << path;
    EXPECT_FALSE(step.tooLong) << path;
  }
  const std::string deep = "C:\\" + std::string(250, 'd');
  const DropStep tooLong = PlanDroppedPath("C:\\desk\\" + std::string(20, 'n'), false, Into(deep),
                                           kPlain, kNothingTaken);
  EXPECT_EQ(tooLong.action, DropAction::Skip);
  EXPECT_TRUE(tooLong.tooLong);
}

TEST(PlanDroppedPath, ShortcutsTakeAFreeNameAndDocumentsOnAShortcutAreItsArguments) {
  const auto taken = [](const std::string& p) { return p == "C:\\bar\\tool.lnk"; };
  const DropStep link = PlanDroppedPath("C:\\apps\\tool.exe", false, kBar, kPlain, taken);
  EXPECT_EQ(link.action, DropAction::Shortcut);
  EXPECT_EQ(link.to, "C:\\bar\\tool (2).lnk");
  DropTarget ontoShortcut = kBar;
  ontoShortcut.ontoShortcut = true;
  EXPECT_EQ(PlanDroppedPath("C:\\desk\\a.txt", false, ontoShortcut, kPlain, taken).action,
            DropAction::Argument);
  EXPECT_EQ(PlanDroppedPath("C:\\desk\\x.txt", false, kBar, {{}, {deNone}}, kNothingTaken).action,
            DropAction::Skip);
}

TEST(DropPlan, TheSourceHearsOfCopiesOrShortcutsOnlyWhenNothingMovedAndOddFoldersRefuse) {
  EXPECT_EQ(ReportedDropEffect(1, 2, 3), TDropEffects{deNone});
  EXPECT_EQ(ReportedDropEffect(0, 2, 3), TDropEffects({deNone, deCopy}));
  EXPECT_EQ(ReportedDropEffect(0, 0, 3), TDropEffects({deNone, deLink}));
  EXPECT_EQ(ReportedDropEffect(0, 0, 0), TDropEffects{deNone});
  EXPECT_TRUE(RefusedDropTarget(Into("C:\\bar\\trail.", true)));
  EXPECT_FALSE(RefusedDropTarget(Into("C:\\bar\\Games", true)));
  EXPECT_FALSE(RefusedDropTarget(Into("C:\\bar\\trail.")));
}

// From another volume a plain drop copies, as the shell does; Shift moves.
TEST(DropAction, APlainDropFromAnotherVolumeCopies) {
  const DropRequest plain{{}, {TDropEffect::deMove}};
  const DropRequest shift{{TShift::Shift}, {TDropEffect::deMove}};
  EXPECT_EQ(ActionForDroppedPath(true, false, "", plain, true), DropAction::Copy);
  EXPECT_EQ(ActionForDroppedPath(false, false, ".txt", plain, true), DropAction::Copy);
  EXPECT_EQ(ActionForDroppedPath(true, false, "", shift, true), DropAction::Move);
  EXPECT_EQ(ActionForDroppedPath(true, false, "", plain, false), DropAction::Move);
  EXPECT_FALSE(OnSameVolume("D:\\Games", "C:\\Users\\me"));
  EXPECT_TRUE(OnSameVolume("c:\\x", "C:\\y"));
  EXPECT_FALSE(OnSameVolume("\\\\srv\\share\\a", "\\\\srv\\other\\a"));
  EXPECT_TRUE(OnSameVolume("\\\\?\\UNC\\SRV\\Share\\a", "\\\\srv\\share"));
  EXPECT_FALSE(OnSameVolume("\\\\?\\D:\\a", "C:\\a"));
}

}  // namespace
}  // namespace olb
