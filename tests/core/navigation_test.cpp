#include <gtest/gtest.h>

#include "core/platform/com_error.h"
#include "core/folder/launch_rules.h"
#include "core/folder/list_keys.h"
#include "core/folder/navigator.h"
#include "core/paths/path_text.h"
#include "fs_fixture.h"

namespace olb {
namespace {

TEST(LaunchRules, LaunchSetTakesTheDefaultVerbOthersOpenInTheirFolder) {
  for (const char* path : {"C:\\b\\Link.LNK", "C:\\b\\site.url"}) {
    const ShellOpenRequest r = LaunchRequestFor(path);
    EXPECT_EQ(r, (ShellOpenRequest{false, std::nullopt, path, std::nullopt, std::nullopt, 1}))
        << path;
  }
  // A program starts in its own folder.
  for (const char* path : {"C:\\b\\App.EXE", "C:\\b\\x.com", "C:\\b\\r.bat"}) {
    const ShellOpenRequest r = LaunchRequestFor(path);
    EXPECT_EQ(r, (ShellOpenRequest{false, std::nullopt, path, std::nullopt, "C:\\b", 1})) << path;
  }
  for (const char* path : {"C:\\b\\notes.txt", "C:\\b\\noext", "C:\\a.exe\\file"}) {
    const ShellOpenRequest r = LaunchRequestFor(path);
    EXPECT_EQ(r, (ShellOpenRequest{true, "Open", path, "", PathFolder(path), 1})) << path;
  }
  EXPECT_EQ(LaunchRequestFor("C:\\notes.txt").directory, "C:\\");
}

TEST(LaunchRules, UpIsDisabledOnlyExactlyAtTheRoot) {
  EXPECT_FALSE(UpEnabledAt("C:\\Root", "C:\\Root\\"));
  EXPECT_TRUE(UpEnabledAt("C:\\root", "C:\\Root\\")) << "letter case counts";
  EXPECT_TRUE(UpEnabledAt("C:\\Root\\Games", "C:\\Root\\"));
  EXPECT_TRUE(UpEnabledAt("C:\\Roo", "C:\\Root\\"));
  EXPECT_TRUE(UpEnabledAt("C:\\Root", "C:\\Root"));
  EXPECT_TRUE(UpEnabledAt("", ""));
}

TEST(ListKeys, ExactModifierSets) {
  const uint32_t sa = kModShift | kModAlt;
  const struct {
    uint16_t key;
    uint32_t mods;
    ListKeyAction action;
  } cases[] = {
      {kVkBack, sa, ListKeyAction::UpOneLevel},
      {kVkBack, 0, ListKeyAction::UpUnlessAtRoot},
      {kVkF2, 0, ListKeyAction::RenameSelected},
      {kVkF2, kModCtrl, ListKeyAction::None},
      {kVkDelete, 0, ListKeyAction::DeleteSelected},
      {kVkDelete, kModShift, ListKeyAction::None},
      {kVkF5, 0, ListKeyAction::Reread},
      {kVkF10, kModShift, ListKeyAction::ShowMenu},
      {kVkF10, 0, ListKeyAction::None},
      {kVkApps, 0, ListKeyAction::ShowMenu},
      {kVkF1, 0, ListKeyAction::ShowHelp},
      {kVkF1, kModShift, ListKeyAction::None},
      {kVkBack, kModShift, ListKeyAction::None},
      {kVkBack, kModAlt, ListKeyAction::None},
      {kVkBack, sa | kModCtrl, ListKeyAction::None},
      {kVkReturn, 0, ListKeyAction::OpenSelected},
      {kVkReturn, sa | kModCtrl, ListKeyAction::OpenSelected},
      {kVkF11, sa, ListKeyAction::WriteAutoload},
      {kVkF11, kModShift, ListKeyAction::None},
      {kVkF12, sa, ListKeyAction::ShowAutoHiddenBar},
      {kVkF12, sa | kModCtrl, ListKeyAction::None},
      {kVkF12, 0, ListKeyAction::None},
      {'A', sa, ListKeyAction::None},
      {0x2D /* Insert */, 0, ListKeyAction::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ListKeyActionFor(c.key, c.mods), c.action) << c.key << " " << c.mods;
  }
}

struct RecordingHost : NavigationHost {
  void SetUpButtonEnabled(bool enabled) override { upEnabled = enabled; }
  void UpdateScrollStrips() override { calls += "S"; }
  void ReapplyListExtent() override { calls += "E"; }
  void UpdateTitle() override { calls += "T"; }
  void WriteAutoloadValue() override { calls += "W"; }
  void ShowAutoHiddenBar() override { calls += "B"; }
  void ShowError(const std::string& message) override { errors.push_back(message); }
  bool upEnabled = false;
  std::string calls;
  std::vector<std::string> errors;
};

class NavigationTest : public testing::ModelFixture {
 protected:
  void SetUp() override {
    Dir("Root/Games/Arcade");
    Dir("Root/Tools.lnk");
    File("Root/App.EXE");
    File("Root/Link.lnk");
    File("Root/notes.txt");
    paths.RootPath = Win("Root") + "\\";
    model.OpenFolderByPath(paths.RootPath);
  }
  void Select(const std::string& name) {
    list.selected = IndexOf(name);
    ASSERT_GE(*list.selected, 0) << name;
  }
  void Open(const std::string& name) {
    Select(name);
    nav.ListViewDblClick();
  }

  sim::RecordingLauncher launcher;
  RecordingHost host;
  Navigator nav{model, launcher, host};
};

TEST_F(NavigationTest, OpeningAFolderShowsItAndEnablesUp) {
  Open("Games");
  EXPECT_EQ(paths.CurrentPath, Win("Root\\Games"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Arcade"}));
  EXPECT_TRUE(host.upEnabled);
  EXPECT_EQ(host.calls, "ST");
  EXPECT_EQ(list.styles,
            (std::vector<ListViewStyle>{ListViewStyle::Report, ListViewStyle::LargeIcons}));
  EXPECT_TRUE(launcher.requests.empty());
}

TEST_F(NavigationTest, AFolderNamedLikeAShortcutOpensInPlace) {
  Open("Tools.lnk");
  EXPECT_EQ(paths.CurrentPath, Win("Root\\Tools.lnk"));
  EXPECT_TRUE(launcher.requests.empty());
}

TEST_F(NavigationTest, FilesGoToTheShellAndTheBarStaysPut) {
  Open("App.EXE");
  Open("Link");
  Open("notes.txt");
  ASSERT_EQ(launcher.requests.size(), 3u);
  EXPECT_EQ(launcher.requests[0], LaunchRequestFor(Win("Root\\App.EXE")));
  EXPECT_FALSE(launcher.requests[0].verb);
  EXPECT_EQ(launcher.requests[1].file, Win("Root\\Link.lnk")) << "the parse name keeps .lnk";
  EXPECT_FALSE(launcher.requests[1].verb);
  EXPECT_EQ(launcher.requests[2].verb, "Open");
  EXPECT_EQ(launcher.requests[2].directory, Win("Root"));
  EXPECT_EQ(paths.CurrentPath, Win("Root"));
  EXPECT_EQ(*list.selected, IndexOf("notes.txt"));
  EXPECT_EQ(host.calls, "");
}

TEST_F(NavigationTest, NothingSelectedDoesNothing) {
  list.selected.reset();
  nav.ListViewDblClick();
  EXPECT_TRUE(launcher.requests.empty());
  EXPECT_EQ(paths.CurrentPath, Win("Root"));
  EXPECT_TRUE(list.styles.empty());
}

TEST_F(NavigationTest, UpStopsBeingEnabledAtTheRoot) {
  Open("Games");
  Open("Arcade");
  nav.UpOneLevel();
  EXPECT_EQ(paths.CurrentPath, Win("Root\\Games"));
  EXPECT_TRUE(host.upEnabled);
  nav.UpOneLevel();
  EXPECT_EQ(paths.CurrentPath, Win("Root"));
  EXPECT_FALSE(host.upEnabled);
  EXPECT_EQ(host.calls,
            "STST"
            "EST"
            "EST");
  EXPECT_EQ(list.style, ListViewStyle::LargeIcons);
}

TEST_F(NavigationTest, RootInAnotherLetterCaseLeavesUpEnabled) {
  paths.RootPath = Win("ROOT") + "\\";
  Open("Games");
  nav.UpOneLevel();
  EXPECT_EQ(paths.CurrentPath, Win("Root"));
  EXPECT_TRUE(host.upEnabled);
}

TEST_F(NavigationTest, KeyClimbsAboveTheRootWhileTheButtonIsDisabled) {
  EXPECT_FALSE(nav.ListViewKeyDown(kVkBack, kModShift));
  EXPECT_EQ(paths.CurrentPath, Win("Root"));
  EXPECT_TRUE(nav.ListViewKeyDown(kVkBack, kModShift | kModAlt));
  EXPECT_EQ(paths.CurrentPath, Win());
  EXPECT_TRUE(host.upEnabled);
  // Back down into the root from its parent: the button follows the folder.
  Open("Root");
  EXPECT_EQ(paths.CurrentPath, Win("Root"));
  EXPECT_FALSE(host.upEnabled);
}

TEST_F(NavigationTest, BackspaceClimbsToTheRootAndNoFurther) {
  Open("Games");
  Open("Arcade");
  EXPECT_TRUE(nav.ListViewKeyDown(kVkBack, 0));
  EXPECT_TRUE(nav.ListViewKeyDown(kVkBack, 0));
  EXPECT_EQ(paths.CurrentPath, Win("Root"));
  EXPECT_TRUE(nav.ListViewKeyDown(kVkBack, 0));
  EXPECT_EQ(paths.CurrentPath, Win("Root"));
}

TEST_F(NavigationTest, UpFromADesktopChildDoesNothing) {
  model.OpenFolderByPath("Z:\\");
  EXPECT_EQ(paths.CurrentPath, "Z:\\");
  const int enumerations = shell.calls().enumerations;
  host.upEnabled = true;
  nav.UpOneLevel();
  EXPECT_EQ(paths.CurrentPath, "Z:\\");
  EXPECT_EQ(shell.calls().enumerations, enumerations);
  EXPECT_TRUE(host.upEnabled) << "the button keeps its state";
  EXPECT_EQ(host.calls, "EST");
}

TEST_F(NavigationTest, FailedBindKeepsTheFolderAndRestoresTheStyle) {
  list.style = ListViewStyle::SmallIcons;
  shell.faults().bind = kResultAccessDenied;
  Select("Games");
  EXPECT_THROW(nav.ListViewDblClick(), ComError);
  EXPECT_THROW(nav.UpOneLevel(), ComError);
  EXPECT_EQ(paths.CurrentPath, Win("Root"));
  EXPECT_EQ(list.style, ListViewStyle::SmallIcons);
  EXPECT_FALSE(host.upEnabled);
  EXPECT_EQ(host.calls, "");
}

TEST_F(NavigationTest, FailureWhilePreparingALaunchIsShownAndNothingStarts) {
  Select("notes.txt");
  allocator.FailAllocations(1);
  nav.ListViewDblClick();
  EXPECT_TRUE(launcher.requests.empty());
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0], "Cannot open \"notes.txt\": " + shell.MessageText(kResultOutOfMemory))
      << "the box names the item";
}

TEST_F(NavigationTest, UpWithoutMemoryRaisesAndStays) {
  Open("Games");
  allocator.FailAllocations(1);
  EXPECT_THROW(nav.UpOneLevel(), ComError);
  EXPECT_EQ(paths.CurrentPath, Win("Root\\Games"));
  EXPECT_EQ(list.style, ListViewStyle::LargeIcons);
}

TEST_F(NavigationTest, RefusedLaunchNamesTheItem) {
  launcher.answer = 2;  // the shell's "file not found"
  Open("notes.txt");
  EXPECT_EQ(launcher.requests.size(), 1u);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0], "Cannot open \"notes.txt\": the file cannot be found.");
  launcher.answer = 33;
  Open("notes.txt");
  EXPECT_EQ(host.errors.size(), 1u) << "an opened item says nothing";
  // A broken shortcut, whichever way the shell refuses it.
  EXPECT_EQ(LaunchFailureMessage("Tool", "C:\\b\\Tool.LNK", 31).value_or(""),
            "Cannot open \"Tool\": the program or file the shortcut points to cannot be found. "
            "It may have been moved or removed.");
}

TEST_F(NavigationTest, AutoloadAndShowBarKeysReachTheHost) {
  EXPECT_TRUE(nav.ListViewKeyDown(kVkF11, kModShift | kModAlt));
  EXPECT_TRUE(nav.ListViewKeyDown(kVkF12, kModShift | kModAlt));
  EXPECT_FALSE(nav.ListViewKeyDown(kVkF12, kModAlt));
  EXPECT_EQ(host.calls, "WB");
}

}  // namespace
}  // namespace olb
