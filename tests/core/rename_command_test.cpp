#include <gtest/gtest.h>

#include "commands_fixture.h"
#include "core/commands/file_operation.h"
#include "core/commands/new_names.h"
#include "core/commands/row_finder.h"
#include "core/folder/launch_rules.h"
#include "core/platform/com_error.h"

namespace olb {
namespace {

using Rename = testing::CommandsFixture;

TEST_F(Rename, FolderMovesByCaptionAndEndsSelectedAndFocused) {
  Dir("bar/Games");
  File("bar/zz.txt");
  Show();
  const int32_t row = Row("Games");
  commands.ListViewEdited(row, "Toys");
  EXPECT_TRUE(OnDisk("Toys"));
  EXPECT_FALSE(OnDisk("Games"));
  ASSERT_EQ(files.operations.size(), 1u);
  EXPECT_EQ(files.operations[0], BuildFileOperation(Win("bar") + "\\Games", Win("bar") + "\\Toys",
                                                    kFoMove, kFofAllowUndo));
  EXPECT_EQ(list.selected, Row("Toys"));
  EXPECT_EQ(list.focused, Row("Toys"));
  EXPECT_EQ(list.madeVisible.back(), Row("Toys"));
  EXPECT_GE(host.stripUpdates, 1);
  EXPECT_EQ(host.pumps, 0);  // the edit runs without letting messages run
}

TEST_F(Rename, ShortcutKeepsItsExtensionInLowerCase) {
  File("bar/Editor.LNK");
  File("bar/Site.url");
  Show();
  commands.ListViewEdited(Row("Editor"), "Tools");
  commands.ListViewEdited(Row("Site"), "Web");
  EXPECT_EQ(Names(), (std::vector<std::string>{"Tools", "Web"}));
  EXPECT_EQ(DiskNames(), (std::vector<std::string>{"Tools.lnk", "Web.url"}));
  EXPECT_EQ(list.selected, Row("Web"));
}

TEST_F(Rename, DocumentWithHiddenExtensionKeepsIt) {
  shell.HideKnownExtensions(true);
  File("bar/report.txt");
  File("bar/Scan.PNG");
  Show();
  ASSERT_EQ(Names(), (std::vector<std::string>{"report", "Scan"}));
  commands.ListViewEdited(Row("report"), "memo");
  commands.ListViewEdited(Row("Scan"), "photo");
  EXPECT_TRUE(OnDisk("memo.txt"));
  EXPECT_TRUE(OnDisk("photo.PNG"));
  EXPECT_FALSE(OnDisk("report.txt"));
  EXPECT_TRUE(files.errorsShown.empty());
  EXPECT_EQ(list.selected, Row("photo"));
  EXPECT_EQ(list.focused, Row("photo"));
}

TEST_F(Rename, TypedExtensionIsNotDoubledAndTheRenamedRowIsStillFound) {
  shell.HideKnownExtensions(true);
  File("bar/report.txt");
  Dir("bar/aaa");
  Show();
  commands.ListViewEdited(Row("report"), "memo.TXT");
  EXPECT_TRUE(std::filesystem::exists(Bar("memo.TXT")));
  EXPECT_FALSE(OnDisk("memo.TXT.txt"));
  // No caption reads "memo.TXT": the row is found by the file it names.
  EXPECT_EQ(Names(), (std::vector<std::string>{"aaa", "memo"}));
  EXPECT_EQ(list.selected, 1);
  EXPECT_EQ(list.focused, 1);
}

TEST_F(Rename, OntoATakenNameIsRefusedAndBothItemsStay) {
  Write("bar/a.txt", "first");
  Write("bar/b.txt", "second");
  Dir("bar/Games");
  Show();
  commands.ListViewEdited(Row("a.txt"), "B.TXT");
  commands.ListViewEdited(Row("a.txt"), "Games");
  commands.ListViewEdited(Row("Games"), "b.txt");
  EXPECT_TRUE(files.operations.empty());
  EXPECT_EQ(Read(Bar("a.txt")), "first");
  EXPECT_EQ(Read(Bar("b.txt")), "second");
  EXPECT_EQ(DiskNames(), (std::vector<std::string>{"Games", "a.txt", "b.txt"}));
  EXPECT_EQ(host.errors,
            (std::vector<std::string>{RenameTakenMessage("B.TXT"), RenameTakenMessage("Games"),
                                      RenameTakenMessage("b.txt")}));
  // Another case of the same name is the item itself: renamed.
  commands.ListViewEdited(Row("a.txt"), "A.txt");
  EXPECT_EQ(Read(Bar("A.txt")), "first");
  EXPECT_EQ(host.errors.size(), 3u);
}

TEST_F(Rename, AFailedMoveOrRereadIsReported) {
  File("bar/a.txt");
  Dir("bar/Games");
  Show();
  // Longer than the file system's names (in bytes), within the shell's path.
  std::string tooLong;
  for (int i = 0; i < 130; ++i) tooLong += "\xC3\xA9";
  commands.ListViewEdited(Row("a.txt"), tooLong);
  EXPECT_TRUE(OnDisk("a.txt"));
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0], RenameFailedMessage("a.txt", tooLong));
  shell.faults().parse = kResultAccessDenied;
  EXPECT_THROW(commands.ListViewEdited(Row("Games"), "Toys"), ComError);
  EXPECT_TRUE(OnDisk("Toys"));
}

TEST(RenameRule, OnlyAnotherItemCounts) {
  EXPECT_FALSE(RenameHitsAnotherItem({"C:\\b\\a.txt", "C:\\b\\c.txt"}, false));
  EXPECT_TRUE(RenameHitsAnotherItem({"C:\\b\\a.txt", "C:\\b\\c.txt"}, true));
  EXPECT_FALSE(RenameHitsAnotherItem({"C:\\b\\a.txt", "C:\\b\\A.TXT"}, true));
  EXPECT_TRUE(RenameHitsAnotherItem({"C:\\b\\a.txt", "C:\\b\\a.txt2"}, true));
}

// A full path past the shell's limit could not be opened, renamed or
// deleted afterwards: refused, naming the limit. Up to it is taken, and New
// Folder keeps to it too.
TEST_F(Rename, ANameWhoseFullPathWouldPassTheLimitIsRefused) {
  File("bar/a.txt");
  Show();
  const std::string prefix = Win("bar") + "\\";
  commands.ListViewEdited(Row("a.txt"), std::string(261 - prefix.size(), 'n'));
  EXPECT_TRUE(OnDisk("a.txt"));
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_NE(host.errors[0].find("longer than the 260 characters"), std::string::npos);
  const std::string longest(259 - prefix.size(), 'n');
  commands.ListViewEdited(Row("a.txt"), longest);
  EXPECT_TRUE(OnDisk(longest));
  EXPECT_EQ(host.errors.size(), 1u);

  const std::string deep(261 - prefix.size() - std::string("\\NewFolder").size(), 'd');
  Dir("bar/" + deep);
  model.OpenFolderByPath(Win("bar/" + deep));
  commands.MakeNewFolder();
  EXPECT_FALSE(OnDisk(deep + "/NewFolder"));
  EXPECT_EQ(host.errors.size(), 2u);
}

TEST_F(Rename, AnItemRemovedOutsideTheBarIsNamedAndNothingIsMoved) {
  File("bar/a.txt");
  Show();
  std::filesystem::remove(Bar("a.txt"));
  commands.ListViewEdited(Row("a.txt"), "b.txt");
  EXPECT_EQ(host.errors, std::vector<std::string>{ItemGoneMessage("rename", "a.txt")});
  EXPECT_TRUE(files.operations.empty());
}

TEST_F(Rename, RowOutsideTheListChangesNothing) {
  File("bar/a.txt");
  Show();
  commands.ListViewEdited(5, "x");
  commands.ListViewEdited(-1, "x");
  EXPECT_TRUE(files.operations.empty());
  EXPECT_TRUE(OnDisk("a.txt"));
}

// A drop re-reads the folder while the editor stays open: the rows move
// under it, and the edit still belongs to the item it was opened on.
TEST_F(Rename, AReReadDuringTheEditRenamesTheEditedItem) {
  File("bar/b.txt");
  File("bar/c.txt");
  Show();
  commands.ListViewEditBegan(Row("c.txt"));
  const int32_t row = Row("c.txt");
  File("bar/a.txt");
  commands.UpdateBar();
  commands.ListViewEdited(row, "d.txt");
  EXPECT_EQ(DiskNames(), (std::vector<std::string>{"a.txt", "b.txt", "d.txt"}));

  // An edited item that went away is not replaced by whatever took its row.
  commands.ListViewEditBegan(Row("d.txt"));
  std::filesystem::remove(Bar("d.txt"));
  commands.UpdateBar();
  commands.ListViewEdited(Row("b.txt"), "e.txt");
  EXPECT_EQ(DiskNames(), (std::vector<std::string>{"a.txt", "b.txt"}));
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0], "Cannot rename \"d.txt\": it is no longer in the folder shown.");
}

using FindRow = testing::CommandsFixture;

TEST_F(FindRow, DuplicateCaptionsGiveTheLowestRow) {
  File("bar/A.txt");
  File("bar/Tools.lnk");
  File("bar/Tools.url");
  Show();
  ASSERT_EQ(Names(), (std::vector<std::string>{"A.txt", "Tools", "Tools"}));
  EXPECT_EQ(FindRowByName(model, "Tools"), 1);
  EXPECT_EQ(FindRowByName(model, "tools"), std::nullopt);  // with case
  EXPECT_EQ(FindCopiedRow(model, "Tools.url"), 1);         // the first caption that fits
  EXPECT_EQ(FindCopiedRow(model, "Tools.LNK"), std::nullopt);
  EXPECT_EQ(FindRowByPath(model, Win("bar") + "\\TOOLS.URL"), 2);
}

}  // namespace
}  // namespace olb
