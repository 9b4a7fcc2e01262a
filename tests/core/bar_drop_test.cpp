// Files dropped onto the bar, over real folders through the simulated shell.
#include "core/dragdrop/bar_drop.h"

#include "core/commands/file_operation.h"
#include "core/commands/new_names.h"
#include "core/dragdrop/shortcut_launch.h"
#include "core/paths/path_text.h"

#include "commands_fixture.h"
#include "core/dragdrop/drag_start.h"
#include "sim/drop_doubles.h"

namespace olb::testing {
namespace {

class BarDropTest : public CommandsFixture {
 protected:
  BarDropTest() {
    Dir("desk");
    // A vertical bar at (100, 100) with its list at (20, 24), 100 wide;
    // rows of 40 pixels.
    host.windowOrigin = {100, 100};
    host.geometry = {true, {}, {20, 24, 120, 300}, {0, 0}, Edge::Left, 40, 0};
    host.count = [this] { return model.ItemCount(); };
    PointAtEmptySpace();
  }
  void PointAtEmptySpace() { host.cursor = {100 + 60, 100 + 290}; }
  // The middle of `row` of the list.
  void PointAtRow(int32_t row) { host.cursor = {100 + 60, 100 + 24 + row * 40 + 20}; }
  // A drop with the effect the target chooses for `keys` when the source
  // allows copy, move and link.
  uint32_t Drop(const FileList& files, TShiftState keys = {}) {
    using enum TDropEffect;
    return DropEffectsTodwEffect(drop.DropFiles(
        files, {keys, ChooseDropEffect(keys, {deCopy, deMove, deLink}, kBarDropEffects)}));
  }

  sim::RecordingProgramStarter programs;
  sim::ScriptedDropHost host;
  BarDrop drop{{model, files, programs, list, host}};
};

TEST_F(BarDropTest, FilesAndFoldersMoveIntoTheFolderShown) {
  File("desk/a.txt");
  Dir("desk/tools");
  File("bar/zz.txt");
  Show();
  EXPECT_EQ(Drop({Win("desk/a.txt"), Win("desk/missing.txt"), Win("desk/tools")}), kDropEffectNone)
      << "a move is done here: the source must not delete anything";
  EXPECT_EQ(DiskNames(), (std::vector<std::string>{"a.txt", "tools", "zz.txt"}));
  ASSERT_EQ(files.operations.size(), 2u) << "the missing path is skipped";
  EXPECT_EQ(files.operations[0],
            BuildFileOperation(Win("desk/a.txt"), Win("bar") + "\\a.txt", kFoMove, kFofNoErrorUi));
  EXPECT_EQ(files.operations[1].flags, kFofAllowUndo) << "folders can be undone";
  EXPECT_EQ(Names(), (std::vector<std::string>{"tools", "a.txt", "zz.txt"})) << "re-read";
  EXPECT_EQ(list.focused, std::nullopt) << "the last path moved away";
  EXPECT_EQ(host.slideOuts, 1);
  EXPECT_EQ(host.stripUpdates, 1);
}

TEST_F(BarDropTest, CtrlCopiesAndTheCopyGetsTheFocus) {
  for (const char* name : {"b.txt", "c.txt", "d.txt", "e.txt"}) File(std::string("bar/") + name);
  File("desk/Editor.lnk");
  Show();
  EXPECT_EQ(Drop({Win("desk/Editor.lnk")}, {TShift::Ctrl}), kDropEffectCopy);
  EXPECT_TRUE(std::filesystem::exists(root() / "desk/Editor.lnk"));
  EXPECT_TRUE(OnDisk("Editor.lnk"));
  EXPECT_EQ(list.focused, Row("Editor")) << "found by its caption without .lnk";
  EXPECT_EQ(list.madeVisible, std::vector<int32_t>{Row("Editor")});
}

TEST_F(BarDropTest, ProgramsAndLinkDropsMakeShortcutsAndLeaveTheOriginals) {
  File("desk/tool.exe");
  File("desk/run.CMD");
  File("desk/notes.txt");
  File("bar/tool.lnk");
  Show();
  EXPECT_EQ(Drop({Win("desk/tool.exe")}), kDropEffectLink) << "a plain drop of a program";
  EXPECT_EQ(programs.links[Win("bar/tool (2).lnk")].target, Win("desk/tool.exe"));
  EXPECT_EQ(list.focused, Row("tool (2)")) << "the new shortcut has the focus";
  EXPECT_EQ(Drop({Win("desk/notes.txt"), Win("desk/run.CMD")}, {TShift::Ctrl, TShift::Shift}),
            kDropEffectLink);
  EXPECT_EQ(programs.links[Win("bar/notes.txt.lnk")].target, Win("desk/notes.txt"));
  EXPECT_EQ(programs.links[Win("bar/run.lnk")].target, Win("desk/run.CMD"));
  EXPECT_TRUE(files.operations.empty());
  EXPECT_TRUE(std::filesystem::exists(root() / "desk/tool.exe"));

  EXPECT_EQ(Drop({Win("desk/tool.exe")}, {TShift::Shift}), kDropEffectNone) << "Shift moves it";
  EXPECT_TRUE(OnDisk("tool.exe"));
}

TEST_F(BarDropTest, TheDropsOwnEffectDecidesEachPath) {
  File("desk/a.txt");
  Show();
  using enum TDropEffect;
  EXPECT_EQ(drop.DropFiles({Win("desk/a.txt")}, {{TShift::Ctrl}, {deNone, deCopy}}),
            TDropEffects({deNone, deCopy}));
  EXPECT_EQ(drop.DropFiles({Win("desk/a.txt")}, {{}, {deNone}}), TDropEffects{deNone});
  EXPECT_EQ(files.operations.size(), 1u) << "no effect, nothing done";
  EXPECT_EQ(files.operations[0].function, kFoCopy);
}

TEST_F(BarDropTest, AFileWhoseNewPathWouldPassTheLimitStaysWithAMessage) {
  const std::string name(261 - (Win("bar") + "\\").size(), 'n');
  File("desk/" + name);
  Show();
  Drop({Win("desk/" + name)});
  EXPECT_TRUE(std::filesystem::exists(root() / "desk" / name));
  EXPECT_EQ(host.errors, std::vector<std::string>{PathTooLongMessage("put \"" + name + "\" here")});
}

TEST_F(BarDropTest, DropOnAFolderItemMovesIntoIt) {
  Dir("bar/Games");
  File("bar/x.txt");
  File("desk/a.txt");
  Show();
  PointAtRow(0);
  Drop({Win("desk/a.txt")});
  EXPECT_TRUE(OnDisk("Games/a.txt"));
  EXPECT_EQ(list.focused, std::nullopt);
  Drop({Win("bar/Games")});
  PointAtRow(1);
  Drop({Win("bar/x.txt")});
  EXPECT_EQ(files.operations.size(), 1u) << "items dropped back where they are stay";
  // x.txt is no shortcut: the folder shown takes the drop.
  File("desk/b.txt");
  Drop({Win("desk/b.txt")});
  EXPECT_TRUE(OnDisk("b.txt"));
}

TEST_F(BarDropTest, ATakenNameIsReplacedOnlyWhenTheShellsQuestionIsAnsweredYes) {
  Write("bar/a.txt", "old");
  Show();
  for (const sim::Answer answer : {sim::Answer::No, sim::Answer::Yes}) {
    Write("desk/a.txt", "new");
    files.answer = answer;
    files.confirmations.clear();
    Drop({Win("desk/a.txt")});
    ASSERT_EQ(files.confirmations.size(), 1u) << "the drop lets the shell ask";
    EXPECT_EQ(files.confirmations[0].kind, sim::Confirmation::Kind::Replace);
    const bool yes = answer == sim::Answer::Yes;
    EXPECT_EQ(Read(Bar("a.txt")), yes ? "new" : "old");
    EXPECT_EQ(std::filesystem::exists(root() / "desk/a.txt"), !yes) << "No leaves the source";
  }
  for (const ShellFileOperation& op : files.operations) {
    EXPECT_FALSE(op.flags & kFofNoConfirmation);
  }
}

TEST_F(BarDropTest, DocumentsDroppedOnAProgramsShortcutStartItWithItsOwnArguments) {
  File("bar/Tool.lnk");
  File("desk/tool.EXE");
  File("desk/a doc.txt");
  File("desk/b.txt");
  File("desk/Other.lnk");
  Show();
  programs.links[Win("bar/Tool.lnk")] = {Win("desk/tool.EXE"), "-x \"y z\"", "C:\\work"};
  PointAtRow(0);
  Drop({Win("desk/a doc.txt"), Win("desk/Other.lnk"), Win("desk/b.txt")});
  ASSERT_EQ(programs.started.size(), 1u);
  EXPECT_EQ(programs.started[0],
            (ProgramStart{Win("desk/tool.EXE"),
                          "\"" + Win("desk/tool.EXE") + "\" -x \"y z\" \"" + Win("desk/a doc.txt") +
                              "\" \"" + Win("desk/b.txt") + "\"",
                          "C:\\work"}));
  EXPECT_TRUE(std::filesystem::exists(root() / "desk/a doc.txt")) << "handed over, not moved";
  EXPECT_TRUE(OnDisk("Other.lnk")) << "a shortcut dropped with them is moved";
  EXPECT_EQ(Names(), (std::vector<std::string>{"Other", "Tool"})) << "and shown";
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(BarDropTest, ShortcutsThatCouldRunSomethingElseAreRefusedWithAMessage) {
  File("bar/Tool.lnk");
  File("desk/run.bat");
  File("desk/100%PATH%.txt");
  File("desk/a.txt");
  Show();
  const struct {
    ShortcutLink link;
    std::string document;
  } cases[] = {
      {{"C:\\windows\\system32\\cmd.exe\" /c echo INJECTED> C:\\injected.txt & rem x.exe", "", ""},
       "a.txt"},
      {{Win("desk/missing.exe"), "", ""}, "a.txt"},
      {{Win("desk/run.bat"), "", ""}, "100%PATH%.txt"},
  };
  PointAtRow(0);
  for (const auto& c : cases) {
    programs.links[Win("bar/Tool.lnk")] = c.link;
    host.errors.clear();
    Drop({Win("desk/" + c.document)});
    ASSERT_EQ(host.errors.size(), 1u) << c.link.target;
    EXPECT_EQ(host.errors[0].rfind("\"Tool\" cannot start its program: ", 0), 0u) << host.errors[0];
  }
  EXPECT_TRUE(programs.started.empty());
  programs.links[Win("bar/Tool.lnk")] = {Win("desk/run.bat"), "", ""};
  Drop({Win("desk/a.txt")});
  EXPECT_EQ(programs.started.size(), 1u) << "a batch file takes names without %";
}

TEST_F(BarDropTest, ShortcutToADocumentTakesNothing) {
  File("bar/Notes.lnk");
  File("desk/a.txt");
  Show();
  programs.links[Win("bar/Notes.lnk")] = {"C:\\notes.txt", "", ""};
  PointAtRow(0);
  const int reads = Enumerations();
  Drop({Win("desk/a.txt")});
  EXPECT_TRUE(programs.started.empty());
  EXPECT_TRUE(files.operations.empty());
  EXPECT_TRUE(host.errors.empty());
  EXPECT_EQ(Enumerations(), reads) << "nothing changed, nothing re-read";
}

TEST(ShortcutLaunch, QuotedArgumentsReadBackAsThemselves) {
  EXPECT_EQ(QuoteArgument("C:\\a b"), "\"C:\\a b\"");
  EXPECT_EQ(QuoteArgument("C:\\dir\\"), "\"C:\\dir\\\\\"") << "the backslash doubled";
  EXPECT_EQ(TrimArguments(" \t a b \x01"), "a b");
}

TEST_F(BarDropTest, DropOffTheBarOrOfNothingChangesNothing) {
  File("desk/a.txt");
  Show();
  host.geometry.onWindow = false;
  Drop({Win("desk/a.txt")});
  host.geometry.onWindow = true;
  Drop({});
  EXPECT_TRUE(files.operations.empty());
  EXPECT_EQ(host.slideOuts, 1) << "files slide the bar out, an empty list does not";
}

TEST(DropHitRow, RowsAlongTheBarAndTheListsExtentAcross) {
  DropGeometry g{true, {}, {20, 24, 120, 300}, {0, 0}, Edge::Left, 40, 5};
  auto at = [&](int32_t x, int32_t y) {
    g.pointer = {x, y};
    return DropHitRow(g);
  };
  EXPECT_EQ(at(30, 24), 0) << "the list's first pixel row is item 0's";
  EXPECT_EQ(at(30, 24 + 39), 0);
  EXPECT_EQ(at(30, 24 + 40), 1);
  EXPECT_EQ(at(30, 23), std::nullopt);
  EXPECT_EQ(at(120, 30), std::nullopt) << "across: at the far edge";
  EXPECT_EQ(at(30, 24 + 5 * 40), std::nullopt) << "past the last item";
  g.viewOrigin = {0, -80};  // scrolled by two rows
  EXPECT_EQ(at(30, 24), 2);
  g = {true, {}, {30, 0, 400, 50}, {-10, 0}, Edge::Top, 0, 9};  // horizontal, no pitch yet
  EXPECT_EQ(at(30 - 10 + 75, 10), 1) << "75 while none is measured";
  g = {true, {}, {20, 24, 900, 92}, {0, 0}, Edge::Bottom, 128, 9, 4, 17};  // columns of four
  EXPECT_EQ(at(20 + 130, 24 + 20), 5);
  EXPECT_EQ(at(20 + 260, 24 + 20), std::nullopt) << "past the last item";
}

TEST(BetweenItems, TheCellsOuterQuartersButNeverALeadingIcon) {
  DropGeometry g{true, {}, {0, 0, 900, 92}, {0, 0}, Edge::Top, 100, 9};
  auto between = [&](int32_t x) {
    g.pointer = {x, 10};
    return BetweenItems(g);
  };
  EXPECT_TRUE(between(105));
  EXPECT_FALSE(between(150));
  EXPECT_TRUE(between(180));
  g.iconLeads = true;  // small icons: the icon stands at 100-116
  EXPECT_FALSE(between(105)) << "a drop on the icon goes to its item";
  EXPECT_TRUE(between(180)) << "the far quarter is still the gap";
}

TEST(DragStart, TenPixelsWithOnlyOneButtonStartTheDrag) {
  DragStartTracker t;
  const TShiftState left{TShift::Left};
  EXPECT_FALSE(t.OnMove(left, {50, 50}, true)) << "no press";
  t.OnPress(false, {0, 0});
  EXPECT_FALSE(t.armed()) << "a press on empty space";
  t.OnPress(true, {0, 0});
  EXPECT_FALSE(t.OnMove(left, {9, 9}, true));
  EXPECT_TRUE(t.OnMove(left, {10, 0}, true));
  EXPECT_TRUE(t.OnMove(left, {0, -10}, true));
  EXPECT_TRUE(t.OnMove({TShift::Right}, {0, -10}, true));
  EXPECT_FALSE(t.OnMove({TShift::Left, TShift::Ctrl}, {20, 0}, true));
  EXPECT_FALSE(t.OnMove({TShift::Left, TShift::Right}, {20, 0}, true));
  EXPECT_FALSE(t.OnMove(left, {20, 0}, false)) << "selection gone";
  t.Reset();
  EXPECT_FALSE(t.OnMove(left, {20, 0}, true));

  EXPECT_FALSE(RereadAfterDrag({TDropEffect::deNone, TDropEffect::deCopy}));
  EXPECT_TRUE(RereadAfterDrag({TDropEffect::deNone, TDropEffect::deMove}));
  EXPECT_TRUE(RereadAfterDrag({TDropEffect::deNone}));
  EXPECT_TRUE(RereadAfterDrag({TDropEffect::deNone, TDropEffect::deCopy, TDropEffect::deScroll}));
}

}  // namespace
}  // namespace olb::testing
