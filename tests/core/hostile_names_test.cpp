// Typed names that are paths or devices, and items whose names the Win32
// path rules would read as another item's.
#include <gtest/gtest.h>

#include "commands_fixture.h"
#include "core/commands/item_names.h"

namespace olb {
namespace {

TEST(TypedName, PathsDevicesAndEmptyNamesAreRefusedInExplorersWords) {
  const struct {
    const char* typed;
    std::optional<std::string_view> problem;
  } cases[] = {
      {"..\\..\\escaped", kBadCharactersText},
      {"Games\\x", kBadCharactersText},
      {"a/b", kBadCharactersText},
      {"C:x", kBadCharactersText},
      {"what?", kBadCharactersText},
      {"tab\there", kBadCharactersText},
      {"", kNoNameText},
      {".", kNoNameText},
      {"..", kNoNameText},
      {". .", kNoNameText},
      {"CON", kDeviceNameText},
      {"nul.txt", kDeviceNameText},
      {"Com1 .log", kDeviceNameText},
      {"lpt9", kDeviceNameText},
      {"CONOUT$", kDeviceNameText},
      {"COM0", std::nullopt},
      {"CONSOLE", std::nullopt},
      {"..hidden", std::nullopt},
      {"Grüße", std::nullopt},
      {"a.b.c", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(TypedNameProblem(c.typed), c.problem) << c.typed;
}

TEST(TypedName, NamesTheWin32RulesChangeAreNotExact) {
  for (const char* name : {"trail.", "trail ", "CON", "aux.txt", ""})
    EXPECT_FALSE(NamesItemExactly(name)) << name;
  for (const char* name : {"trail", ".profile", "a .b", "CONSOLE.txt"})
    EXPECT_TRUE(NamesItemExactly(name)) << name;
  EXPECT_EQ(AsideName("x.", [](const std::string& n) { return n == "~x.~"; }), "~x.~2");
}

using HostileRename = testing::CommandsFixture;

TEST_F(HostileRename, PathsAndDevicesAreRefusedAndTheItemStays) {
  Dir("bar/Games");
  File("bar/Tool.lnk");
  Show();
  for (const char* typed : {"..\\..\\escaped", "Games\\x", "CON", ".."}) {
    commands.ListViewEdited(Row("Tool"), typed);
  }
  EXPECT_TRUE(files.operations.empty());
  EXPECT_EQ(DiskNames(), (std::vector<std::string>{"Games", "Tool.lnk"}));
  EXPECT_TRUE(std::filesystem::is_empty(Bar("Games")));
  ASSERT_EQ(host.errors.size(), 4u);
  EXPECT_EQ(host.errors[2], "Cannot rename \"Tool\" to \"CON\": " + std::string(kDeviceNameText));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Games", "Tool"}));
}

using ExactDelete = testing::CommandsFixture;

TEST_F(ExactDelete, TrailingDotItemGoesAndItsNamesakeStays) {
  Write("bar/trail", "keep");
  Write("bar/trail.", "goes");
  Write("bar/blank ", "goes too");
  Show();
  list.selected = Row("trail.");
  commands.DeleteSelectedItem();
  list.selected = Row("blank ");
  commands.DeleteSelectedItem();
  EXPECT_EQ(DiskNames(), std::vector<std::string>{"trail"});
  EXPECT_EQ(Read(Bar("trail")), "keep");
  EXPECT_EQ(Read(root() / "RecycleBin" / "~trail.~"), "goes") << "recycled, not erased";
  EXPECT_EQ(host.questions.at(0), "Are you sure you want to send \"trail.\" to the Recycle Bin?");
}

TEST_F(ExactDelete, DeclinedDeleteLeavesTheItemUnderItsName) {
  File("bar/trail.");
  Show();
  host.yes = false;
  list.selected = 0;
  commands.DeleteSelectedItem();
  EXPECT_EQ(DiskNames(), std::vector<std::string>{"trail."});
  EXPECT_TRUE(files.operations.empty());
}

TEST_F(ExactDelete, RenamingAnItemWhoseNameIsNotExactIsRefused) {
  File("bar/trail");
  File("bar/trail.");
  Show();
  commands.ListViewEdited(Row("trail."), "other");
  EXPECT_EQ(DiskNames(), (std::vector<std::string>{"trail", "trail."}));
  EXPECT_EQ(host.errors.size(), 1u);
}

}  // namespace
}  // namespace olb
