#include <gtest/gtest.h>

#include "commands_fixture.h"
#include "core/commands/file_operation.h"
#include "core/commands/new_names.h"
#include "core/folder/folder_model.h"
#include "core/platform/com_error.h"

namespace olb {
namespace {

using NewFolder = testing::CommandsFixture;

TEST_F(NewFolder, CreatesNewFolderOnceAndMarksTheExistingOneTheSecondTime) {
  File("bar/a.txt");
  Show();
  for (int time = 1; time <= 2; ++time) {
    list.selected.reset();
    list.focused.reset();
    commands.MakeNewFolder();
    EXPECT_EQ(Names(), (std::vector<std::string>{"NewFolder", "a.txt"})) << time;
    EXPECT_EQ(list.selected, 0) << time;
    EXPECT_EQ(list.focused, 0) << time;
    EXPECT_EQ(list.madeVisible.back(), 0) << time;
  }
  EXPECT_EQ(DiskNames(), (std::vector<std::string>{"NewFolder", "a.txt"}));
  EXPECT_EQ(files.directoriesRequested, (std::vector<std::string>(2, Win("bar") + "\\NewFolder")));
  EXPECT_TRUE(files.operations.empty());  // a directory is made directly
  EXPECT_EQ(host.pumps, 2);
  EXPECT_GE(host.stripUpdates, 2);
}

TEST_F(NewFolder, LetsPendingMessagesRunBeforeBuildingThePath) {
  Dir("bar/sub");
  Show();
  // A message handled during the pump opens another folder: the new folder
  // goes where the bar is when the work starts.
  host.onPump = [&] { model.OpenFolderByPath(Win("bar/sub")); };
  commands.MakeNewFolder();
  EXPECT_TRUE(OnDisk("sub/NewFolder"));
  EXPECT_FALSE(OnDisk("NewFolder"));
}

using NewShortcut = testing::CommandsFixture;

TEST_F(NewShortcut, LinksToTheChosenProgramNamedWithoutItsExtension) {
  Dir("programs");
  Write("programs/tool.exe", "MZ program");
  Write("bar/tool.lnk", "older link");
  Show();
  chooser.choice = Win("programs/tool.exe");
  commands.MakeNewShortcut();
  commands.MakeNewShortcut();
  // The program stays where it is; each link names it, the clash numbered.
  EXPECT_EQ(DiskNames(), (std::vector<std::string>{"tool (2).lnk", "tool (3).lnk", "tool.lnk"}));
  EXPECT_EQ(Read(Bar("tool (2).lnk")), Win("programs/tool.exe"));
  EXPECT_EQ(Read(Bar("tool.lnk")), "older link");
  EXPECT_EQ(Read(root() / "programs" / "tool.exe"), "MZ program");
  EXPECT_TRUE(files.operations.empty());
  EXPECT_EQ(list.focused, Row("tool (3)"));
  EXPECT_EQ(list.madeVisible.back(), Row("tool (3)"));
  EXPECT_FALSE(list.selected);
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(NewShortcut, AChosenShortcutIsCopiedAsItIs) {
  Dir("links");
  Write("links/Editor.LNK", "shell link bytes");
  File("bar/Editor");  // a file whose name is the shortcut's caption comes first
  Show();
  chooser.choice = Win("links/Editor.LNK");
  commands.MakeNewShortcut();
  EXPECT_EQ(Read(Bar("Editor.LNK")), "shell link bytes");
  EXPECT_EQ(Names(), (std::vector<std::string>{"Editor", "Editor"}));
  EXPECT_EQ(list.focused, 1);  // the new one, found by its file
}

TEST(ChosenShortcutPath, NamesAndNumbering) {
  const auto none = [](const std::string&) { return false; };
  EXPECT_EQ(ChosenShortcutPath("C:\\b\\", "D:\\x\\Notes.v2.TXT", none), "C:\\b\\Notes.v2.lnk");
  EXPECT_EQ(ChosenShortcutPath("C:\\b\\", "D:\\Site.URL", none), "C:\\b\\Site.URL");
  EXPECT_EQ(ChosenShortcutPath("C:\\b\\", "D:\\noext", none), "C:\\b\\noext.lnk");
  EXPECT_EQ(ChosenShortcutPath("C:\\b\\", "D:\\.lnk", none), std::nullopt);
  const auto firstTwo = [](const std::string& p) {
    return p == "C:\\b\\a.lnk" || p == "C:\\b\\a (2).lnk";
  };
  EXPECT_EQ(ChosenShortcutPath("C:\\b\\", "a.exe", firstTwo), "C:\\b\\a (3).lnk");
  EXPECT_EQ(ChosenShortcutPath("C:\\b\\", "a.exe", [](const std::string&) { return true; }),
            std::nullopt);
}

TEST_F(NewShortcut, DialogHasItsTitleAndOptionsAndKeepsTheLastFileName) {
  Show();
  chooser.choice = std::nullopt;
  commands.MakeNewShortcut();
  chooser.choice = Win("nowhere.exe");
  commands.MakeNewShortcut();
  chooser.choice = std::nullopt;
  commands.MakeNewShortcut();
  ASSERT_EQ(chooser.shown.size(), 3u);
  const FileChooserRequest& first = chooser.shown[0];
  EXPECT_EQ(first.title, "Select shortcut for placing to the Bar");
  EXPECT_TRUE(first.hideReadOnly);
  EXPECT_TRUE(first.noDereferenceLinks);
  EXPECT_TRUE(first.enableSizing);
  EXPECT_EQ(first.fileName, "");
  EXPECT_EQ(chooser.shown[1].fileName, "");  // a cancel keeps the name
  EXPECT_EQ(chooser.shown[2].fileName, Win("nowhere.exe"));
  EXPECT_EQ(commands.OpenDialog1().request().fileName, Win("nowhere.exe"));
}

TEST_F(NewShortcut, CancelOrAMissingOrFolderChoiceChangesNothing) {
  Dir("afolder");
  Show();
  const int before = Enumerations();
  for (std::optional<std::string> choice :
       {std::optional<std::string>(), std::optional(Win("gone.exe")),
        std::optional(Win("afolder"))}) {
    chooser.choice = choice;
    commands.MakeNewShortcut();
  }
  EXPECT_TRUE(files.operations.empty());
  EXPECT_EQ(Enumerations(), before);  // no re-read either
  EXPECT_EQ(host.stripUpdates, 0);
}

using Delete = testing::CommandsFixture;

TEST_F(Delete, SendsTheSelectedItemToTheRecycleBinAfterConfirmation) {
  Write("bar/old.txt", "bytes");
  File("bar/keep.txt");
  Show();
  list.selected = Row("old.txt");
  commands.DeleteSelectedItem();
  ASSERT_EQ(files.confirmations.size(), 1u);
  EXPECT_EQ(files.confirmations[0].kind, sim::Confirmation::Kind::Delete);
  EXPECT_EQ(Names(), std::vector<std::string>{"keep.txt"});
  EXPECT_EQ(Read(root() / "RecycleBin" / "old.txt"), "bytes");
  EXPECT_FALSE(list.selected);
  EXPECT_EQ(host.pumps, 1);
  EXPECT_EQ(host.stripUpdates, 1);
}

TEST_F(Delete, ADeclinedConfirmationKeepsTheItemSelectedAndStillRereads) {
  File("bar/a.txt");
  File("bar/old.txt");
  Show();
  list.selected = Row("old.txt");
  files.answer = sim::Answer::No;
  const int before = Enumerations();
  commands.DeleteSelectedItem();
  EXPECT_TRUE(OnDisk("old.txt"));
  EXPECT_EQ(Enumerations(), before + 1);
  EXPECT_EQ(list.selected, Row("old.txt")) << "a second Delete acts on it again";
  commands.DeleteSelectedItem();
  EXPECT_EQ(files.confirmations.size(), 2u);
}

TEST_F(Delete, WithNothingSelectedOnlyRereads) {
  File("bar/a.txt");
  Show();
  const int before = Enumerations();
  commands.DeleteSelectedItem();
  EXPECT_TRUE(files.operations.empty());
  EXPECT_TRUE(OnDisk("a.txt"));
  EXPECT_EQ(Enumerations(), before + 1);
}

TEST_F(Delete, AFolderWhoseNameContainsNethoodIsNeverDeleted) {
  Dir("bar/mynethood");
  Show();
  list.selected = 0;
  commands.DeleteSelectedItem();
  EXPECT_TRUE(files.operations.empty());
  EXPECT_TRUE(OnDisk("mynethood"));
}

using FolderCommands = testing::CommandsFixture;

TEST_F(FolderCommands, OpenRealFolderOpensThePrefixInTheShellAndRereads) {
  Show();
  const int before = Enumerations();
  commands.OpenShortcutsFolder();
  ASSERT_EQ(launcher.requests.size(), 1u);
  const ShellOpenRequest& r = launcher.requests[0];
  EXPECT_TRUE(r.ownedByAppWindow);
  EXPECT_EQ(r.verb, "Open");
  EXPECT_EQ(r.file, Win("bar") + "\\");
  EXPECT_EQ(r.parameters, "");
  EXPECT_EQ(r.directory, Win("bar") + "\\");
  EXPECT_EQ(r.show, kShowNormal);
  EXPECT_EQ(Enumerations(), before + 1);
  EXPECT_EQ(host.pumps, 1);
}

TEST_F(FolderCommands, UpdateBarShowsAFileCreatedBehindItsBack) {
  File("bar/a.txt");
  Show();
  File("bar/b.txt");
  std::filesystem::remove(Bar("a.txt"));
  EXPECT_EQ(Names(), std::vector<std::string>{"a.txt"});
  commands.UpdateBar();
  EXPECT_EQ(Names(), std::vector<std::string>{"b.txt"});
  EXPECT_EQ(host.pumps, 0);
  EXPECT_EQ(paths.CurrentPath, Win("bar"));
}

TEST_F(FolderCommands, AFolderGoneBehindTheBarsBackIsReportedByTheReread) {
  Dir("bar/sub");
  Show();
  model.OpenFolderByPath(Win("bar/sub"));
  std::filesystem::remove(Bar("sub"));
  EXPECT_THROW(commands.UpdateBar(), ComError);
  EXPECT_EQ(paths.CurrentPath, Win("bar/sub"));  // the bar stays where it was
}

TEST_F(FolderCommands, AVanishedFolderFallsBackToTheNearestOneAboveAndSaysSo) {
  Dir("bar/a/b/c");
  paths.RootPath = Win("bar") + "\\";
  Show();
  model.OpenFolderByPath(Win("bar/a/b/c"));
  std::filesystem::remove_all(Bar("a/b"));
  commands.UpdateBar();
  EXPECT_EQ(paths.CurrentPath, Win("bar/a"));
  EXPECT_EQ(host.folderReplacements, 1);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0],
            "The folder \"c\" was removed or renamed outside the bar. The bar now shows \"a\".");
  EXPECT_EQ(
      FolderGoneMessage("C:\\r\\Games", "C:\\r\\"),
      "The folder \"Games\" was removed or renamed outside the bar. The bar now shows \"r\".");
  EXPECT_EQ(host.stripUpdates, 1);
}

// The shell hands out at most 259 characters of a longer path: such a path
// may be a cut-off name, so a failed existence test proves nothing.
TEST_F(FolderCommands, APathAtTheShellsLimitIsNotTakenForGone) {
  Dir("bar/a");
  paths.RootPath = Win("bar") + "\\";
  Show();
  std::string cut = Win("bar/a") + "\\";
  cut.append(kShellPathLimit - 1 - cut.size(), 'D');
  EXPECT_FALSE(commands.FallBackFrom(cut));
  EXPECT_TRUE(host.errors.empty());
  EXPECT_EQ(paths.CurrentPath, Win("bar"));
  const std::string why = FolderProblemText(cut, "The shell cannot list it.");
  EXPECT_NE(why.find("(its path reaches the shell's limit of 260 characters)."), std::string::npos)
      << why;
}

TEST(NearestExistingFolder, NeverAboveTheRoot) {
  const auto only = [](std::initializer_list<const char*> existing) {
    return [existing](const std::string& p) {
      for (const char* e : existing) {
        if (p == e) return true;
      }
      return false;
    };
  };
  EXPECT_EQ(NearestExistingFolder("C:\\r\\a\\b", "C:\\R\\", only({"C:\\r\\a"})), "C:\\r\\a");
  EXPECT_EQ(NearestExistingFolder("C:\\r\\a\\b", "C:\\r\\", only({})), "C:\\r");
  EXPECT_EQ(NearestExistingFolder("C:\\other\\x", "C:\\r", only({"C:\\other"})), "C:\\r");
  EXPECT_EQ(NearestExistingFolder("C:\\rx\\y", "C:\\r", only({"C:\\rx"})), "C:\\r");
  EXPECT_EQ(NearestExistingFolder("C:\\a\\b", "C:\\", only({"C:\\a"})), "C:\\a");
  EXPECT_EQ(NearestExistingFolder("C:\\a", "", only({})), "C:\\a");  // no root: nowhere to go
}

TEST_F(FolderCommands, NothingHappensBeforeAFolderIsShown) {
  commands.MakeNewFolder();
  commands.MakeNewShortcut();
  commands.DeleteSelectedItem();
  commands.OpenShortcutsFolder();
  commands.UpdateBar();
  commands.ListViewEdited(0, "x");
  EXPECT_TRUE(files.directoriesRequested.empty());
  EXPECT_TRUE(chooser.shown.empty());
  EXPECT_TRUE(launcher.requests.empty());
  EXPECT_EQ(Enumerations(), 0);
}

}  // namespace
}  // namespace olb
