#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/platform/com_error.h"
#include "core/folder/list_answers.h"
#include "core/folder/pidl.h"
#include "fs_fixture.h"

namespace olb {
namespace {

using testing::ModelFixture;
using Strings = std::vector<std::string>;

class FolderModelTest : public ModelFixture {};

TEST_F(FolderModelTest, ListsFoldersFirstThenFilesWithoutCase) {
  Dir("gamma");
  Dir("Alpha");
  File("beta.txt");
  File("Delta.lnk");
  File("Zeta.url");
  File("apple");
  model.OpenFolderByPath(Win());
  EXPECT_EQ(Names(), (Strings{"Alpha", "gamma", "apple", "beta.txt", "Delta", "Zeta"}));
  EXPECT_EQ(list.itemCount, 6);
  EXPECT_EQ(paths.CurrentPath, Win());
  EXPECT_EQ(list.repaints, 1);
  EXPECT_EQ(list.updateDepth, 0);
  EXPECT_EQ(list.selectionClears, 1);
  EXPECT_EQ(cursor.shape, CursorShape::Default);
  EXPECT_EQ(cursor.hourglassShown, 1);
}

TEST_F(FolderModelTest, HiddenAndSystemItemsAreListed) {
  File(".profile");
  ASSERT_TRUE(sim::SetDosAttrib(File("boot.ini"), kFileSystem));
  ASSERT_TRUE(sim::SetDosAttrib(Dir("Secret"), kFileHidden));
  model.OpenFolderByPath(Win());
  EXPECT_EQ(Names(), (Strings{"Secret", ".profile", "boot.ini"}));
  EXPECT_EQ(Filled(".profile").FileAttributes, kFileArchive | kFileHidden);
  EXPECT_EQ(Filled("boot.ini").FileAttributes, kFileArchive | kFileSystem);
  EXPECT_EQ(Filled("Secret").FileAttributes, kFileDirectory | kFileHidden);
}

TEST_F(FolderModelTest, EmptyFolderGivesNoRecordsAndNoSelectionChange) {
  Dir("empty");
  File("x");
  model.OpenFolderByPath(Win());
  list.selected = 0;
  model.OpenFolderByPath(Win("empty"));
  EXPECT_EQ(model.ItemCount(), 0);
  EXPECT_EQ(list.itemCount, 0);
  EXPECT_EQ(list.selectionClears, 1) << "only the first, non-empty folder cleared it";
}

TEST_F(FolderModelTest, DetailsComeFromTheFile) {
  File("zero", 0);
  File("small", 1999);
  File("two", 2000);
  File("huge.bin", 5000000000ull);
  Dir("Folder");
  const auto readOnly = File("ro.txt", 10);
  ::chmod(readOnly.c_str(), 0444);
  model.OpenFolderByPath(Win());
  list.style = ListViewStyle::Report;  // the style that shows every detail

  EXPECT_EQ(Filled("zero").SizeKB, 1);
  EXPECT_EQ(Filled("small").SizeKB, 1);
  EXPECT_EQ(Filled("two").SizeKB, 2);
  EXPECT_EQ(Filled("huge.bin").SizeKB, 5000000) << "the whole 64-bit size counts";
  EXPECT_EQ(Filled("Folder").SizeKB, 1);
  EXPECT_EQ(Filled("ro.txt").FileAttributes, kFileArchive | kFileReadOnly);

  const ShellItem& folder = Filled("Folder");
  EXPECT_EQ(folder.FileType, "File folder");
  EXPECT_EQ(folder.FileAttributes, kFileDirectory);
  EXPECT_EQ(folder.IconIndex, 3);
  EXPECT_FALSE(folder.NeedsInfo);
  EXPECT_FALSE(folder.Modified.empty());
  EXPECT_EQ(Filled("huge.bin").FileType, "BIN File");
  EXPECT_EQ(Filled("ro.txt").FileType, "Text Document");

  const ShellItem& two = Filled("two");
  Strings parsed;
  EXPECT_EQ(model.GetDisplayName(*model.DesktopFolder(), two.AbsPidl.get(), true), Win("two"));
}

TEST_F(FolderModelTest, EachRecordIsFilledOnce) {
  for (const char* n : {"a", "b", "c", "d"}) File(n);
  model.OpenFolderByPath(Win());
  model.FillItemDetails(1, 2);
  const sim::FsCallCounts first = shell.calls();
  EXPECT_EQ(first.findData, 2);
  EXPECT_EQ(first.typeNames, 0) << "icon views show no type";
  EXPECT_EQ(first.iconIndexes, 2);
  model.FillItemDetails(1, 2);
  model.FillItemDetails(0, 3);
  EXPECT_EQ(shell.calls().findData, 4) << "only the two unfilled records";
  EXPECT_EQ(model.detailFills(), 4);
  model.FillItemDetails(-5, 100);  // indexes outside the records are skipped
  EXPECT_EQ(model.detailFills(), 4);
  EXPECT_EQ(shell.calls().smallIconIndexes, 0) << "large icons at start";

  list.style = ListViewStyle::Report;
  model.FillItemDetails(0, 3);
  model.FillItemDetails(0, 3);
  EXPECT_EQ(shell.calls().typeNames, 4) << "types once, when report style first needs them";
  EXPECT_EQ(shell.calls().findData, 4);
  EXPECT_EQ(shell.calls().iconIndexes, 4);
}

TEST_F(FolderModelTest, NamesAreAskedForWhenTheListFirstNeedsThem) {
  for (const char* n : {"beta", "Alpha.lnk", "gamma.txt", "delta", "Epsilon.url", "alpha2"}) {
    File(n);
  }
  Dir("Zoo");
  model.OpenFolderByPath(Win());
  const sim::FsCallCounts opened = shell.calls();
  EXPECT_EQ(opened.itemNames, 0) << "opening names no item";
  EXPECT_EQ(opened.findData + opened.typeNames + opened.iconIndexes, 0);

  // The first page: the control hints at it, then asks for its captions.
  CacheHint(model, 0, 2);
  Strings page;
  for (int32_t i = 0; i < 3; ++i) page.push_back(ListViewData(model, i, false)->caption);
  EXPECT_EQ(page, (Strings{"Zoo", "Alpha", "alpha2"}));
  EXPECT_EQ(shell.calls().itemNames, 3);

  // Type-ahead names the items it passes, and finds what it found before.
  EXPECT_EQ(FindItem(model, FindKind::PartialString, "GAM", 1, false), 6);
  EXPECT_EQ(FindItem(model, FindKind::PartialString, "be", 4, true), 3);
  EXPECT_EQ(Names(), (Strings{"Zoo", "Alpha", "alpha2", "beta", "delta", "Epsilon", "gamma.txt"}));
  EXPECT_EQ(shell.calls().itemNames, 7) << "each name asked for once";
}

TEST_F(FolderModelTest, IconsComeFromTheListOfTheModeInForce) {
  for (const char* n : {"a", "b"}) File(n);
  model.OpenFolderByPath(Win());
  list.style = ListViewStyle::SmallIcons;
  model.FillItemDetails(0, 0);
  list.style = ListViewStyle::Report;
  model.FillItemDetails(1, 1);
  EXPECT_EQ(shell.calls().smallIconIndexes, 2);
}

TEST_F(FolderModelTest, MissingFileDataGivesTheDefaults) {
  File("gone", 5000);
  model.OpenFolderByPath(Win());
  shell.faults().findData = kResultFileNotFound;
  const ShellItem& item = Filled("gone");
  EXPECT_EQ(item.SizeKB, 1);
  EXPECT_EQ(item.FileAttributes, 0u);
  EXPECT_EQ(item.Modified, "");
  EXPECT_FALSE(item.NeedsInfo);
}

TEST_F(FolderModelTest, RefreshRereadsEverything) {
  File("one");
  model.OpenFolderByPath(Win());
  model.FillItemDetails(0, 0);
  File("two");
  model.OpenFolderByPath(paths.CurrentPath);
  EXPECT_EQ(Names(), (Strings{"one", "two"}));
  EXPECT_TRUE(model.GetItem(0)->NeedsInfo);
  EXPECT_FALSE(model.GetItem(0)->AbsPidl);
}

// What a failed open must leave alone.
struct Snapshot {
  std::string path;
  Strings names;
  ShellFolder* folder;
  std::vector<uint8_t> pidl;
  int32_t count;
};

class FolderFailureTest : public ModelFixture {
 protected:
  void SetUp() override {
    File("kept");
    Dir("other");
    model.OpenFolderByPath(Win());
    before = Take();
    blocks = allocator.liveBlocks();
  }
  Snapshot Take() {
    const PidlBytes b = PidlBlock(allocator, model.CurrentPidl());
    return {
        paths.CurrentPath, Names(), model.CurrentFolder(), {b.begin(), b.end()}, list.itemCount};
  }
  void ExpectUnchanged() {
    const Snapshot now = Take();
    EXPECT_EQ(now.path, before.path);
    EXPECT_EQ(now.names, before.names);
    EXPECT_EQ(now.folder, before.folder);
    EXPECT_EQ(now.pidl, before.pidl);
    EXPECT_EQ(now.count, before.count);
    EXPECT_EQ(list.updateDepth, 0);
    EXPECT_EQ(cursor.shape, CursorShape::Default);
    EXPECT_EQ(allocator.liveBlocks(), blocks) << "the list given was released";
  }
  Snapshot before;
  size_t blocks = 0;
};

TEST_F(FolderFailureTest, ParseFailureRaisesWithTheSystemText) {
  try {
    model.OpenFolderByPath(Win("no such folder"));
    FAIL() << "no error raised";
  } catch (const ComError& e) {
    EXPECT_EQ(e.result(), kResultFileNotFound);
    EXPECT_EQ(std::string(e.what()), "Cannot show the folder \"" + Win("no such folder") +
                                         "\": The system cannot find the file specified.")
        << "the box names the folder";
  }
  ExpectUnchanged();
  shell.faults().parse = kResultAccessDenied;
  EXPECT_THROW(model.OpenFolderByPath(Win("other")), ComError);
  ExpectUnchanged();
}

TEST_F(FolderFailureTest, BindFailureRaises) {
  shell.faults().bind = kResultFail;
  EXPECT_THROW(model.OpenFolderByPath(Win("other")), ComError);
  ExpectUnchanged();
  shell.faults().bind = kResultOk;
  EXPECT_THROW(model.OpenFolderByPath(Win("kept")), ComError) << "a file is no folder";
  ExpectUnchanged();
}

TEST_F(FolderFailureTest, EnumerationFailureIsSwallowed) {
  shell.faults().enumerate = kResultAccessDenied;
  EXPECT_NO_THROW(model.OpenFolderByPath(Win("other")));
  ExpectUnchanged();
}

TEST_F(FolderFailureTest, FolderRemovedBeforeItIsListedIsSwallowed) {
  OwnedPidl gone;
  ASSERT_EQ(model.DesktopFolder()->ParseDisplayName(Win("other"), &gone), kResultOk);
  std::filesystem::remove(root() / "other");
  EXPECT_NO_THROW(model.OpenFolder(std::move(gone)));
  ExpectUnchanged();
}

TEST_F(FolderFailureTest, EnumerationStoppingEarlyKeepsWhatCame) {
  for (const char* n : {"a", "b", "c"}) File(std::string("other/") + n);
  shell.faults().next = kResultFail;
  shell.faults().nextAfter = 2;
  model.OpenFolderByPath(Win("other"));
  EXPECT_EQ(model.ItemCount(), 2);
  EXPECT_EQ(paths.CurrentPath, Win("other"));
}

TEST_F(ModelFixture, DesktopFailureRaises) {
  shell.faults().desktop = kResultFail;
  EXPECT_THROW(model.InitFolderView(), ComError);
}

TEST_F(ModelFixture, PathsAreParsedWithoutCaseAndEitherSlash) {
  Dir("Shortcuts/Games");
  std::string mixed = Win("SHORTCUTS/games");
  model.OpenFolderByPath(mixed + "\\");
  EXPECT_EQ(paths.CurrentPath, Win("Shortcuts\\Games"));
}

TEST_F(ModelFixture, FolderTestFollowsTheShellNotTheName) {
  Dir("Tools.lnk");
  File("Real.lnk");
  model.OpenFolderByPath(Win());
  ShellFolder& folder = *model.CurrentFolder();
  EXPECT_TRUE(model.ItemIsFolder(folder, model.GetItem(IndexOf("Tools.lnk"))->RelPidl.get()));
  EXPECT_FALSE(model.ItemIsFolder(folder, model.GetItem(IndexOf("Real"))->RelPidl.get()));
  shell.faults().attributes = kResultFail;
  EXPECT_TRUE(model.ItemIsFolder(folder, model.GetItem(IndexOf("Real"))->RelPidl.get()))
      << "an unanswered question leaves the folder bit set";
}

TEST_F(ModelFixture, UnnamedItemsGetEmptyNames) {
  File("x");
  shell.faults().displayName = kResultFail;
  model.OpenFolderByPath(Win());
  EXPECT_EQ(Names(), (Strings{""}));
  EXPECT_EQ(paths.CurrentPath, "");
}

TEST(CompareResult, OnlyTheSignedLowWordCounts) {
  const struct {
    uint32_t result;
    int order;
  } cases[] = {{0x0000FFFFu, -1}, {0x00000001u, 1},     {0x00010000u, 0},
               {0x0000FFFEu, -2}, {0x00007FFFu, 32767}, {0x80000000u, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(OrderFromCompareResult(static_cast<HResult>(c.result)), c.order) << c.result;
  }
}

}  // namespace
}  // namespace olb
