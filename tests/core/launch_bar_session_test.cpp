// The bar's controller through a whole session on the simulated services:
// start, open a category, dock to each edge, drop files, rename, exit.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/bar/launch_bar.h"
#include "core/commands/row_finder.h"
#include "core/dragdrop/drag_start.h"
#include "core/paths/path_text.h"
#include "core/platform/com_error.h"
#include "core/folder/icon_queue.h"
#include "core/folder/list_answers.h"
#include "core/folder/list_keys.h"
#include "core/layout/nearest_item.h"
#include "core/bar/popup_menu.h"
#include "core/settings/category_menus_store.h"
#include "core/settings/options_store.h"
#include "core/bar/settings_values.h"
#include "core/settings/fit_to_items_store.h"
#include "core/settings/hotkey_store.h"
#include "core/settings/order_store.h"
#include "core/settings/view_store.h"
#include "core/wizard/root_folder.h"
#include "docking_harness.h"
#include "fs_fixture.h"
#include "sim/command_doubles.h"
#include "sim/drop_doubles.h"
#include "sim/sim_item_shell_menu.h"
#include "sim/linux/fs_file_ops.h"
#include "sim/linux/unicode_text_case.h"
#include "sim/marking_list.h"
#include "sim/queued_icon_fetcher.h"
#include "sim/sim_bar_form.h"
#include "sim/sim_folder_watcher.h"
#include "sim/sim_hotkey_port.h"
#include "sim/sim_list_view.h"
#include "sim/sim_strip_surface.h"

namespace olb::testing {
namespace {

// The owner-data list and the control's geometry are one control.
struct SessionList : sim::MarkingList {
  void SetItemCount(int32_t count) override {
    MarkingList::SetItemCount(count);
    view.SetItemCount(count);
  }
  sim::SimListView view;
};

// Answers the first-start wizard with OK on every page.
struct AcceptingWizard : WizardWindow {
  bool ShowPage(WizardPage) override { return true; }
  void PresetChoices(const WizardChoices&) override {}
  WizardChoices Choices() const override { return {}; }
  void ReportError(std::string_view) override {}
};

class LaunchBarSession : public FsFixture {
 protected:
  LaunchBarSession() {
    Dir("AppData/Ovel Launch Bar/Games");
    for (int i = 0; i < 20; ++i)
      File("AppData/Ovel Launch Bar/Games/Game " + std::to_string(i) + ".lnk");
    world.shell.PlaceTaskbar(Edge::Bottom, 30);
    window.handler = [this](const WindowEvent& e) { return bar.OnEvent(e); };
    window.HearShell(world.shell, connection.window());
  }

  void Tick(TimerId timer) { window.Send(event::Timer{static_cast<uint32_t>(timer)}); }

  int32_t Row(const std::string& name) {
    for (int32_t i = 0; i < bar.model().ItemCount(); ++i) {
      if (bar.model().NamedItem(i)->ItemName == name) return i;
    }
    return -1;
  }

  // Drags the bar by its grip to `to` through the system's move loop.
  void DragTo(Point to) {
    const Rect r = window.WindowRect();
    Point from{r.left + 5, r.top + 5};
    Rect drag = r;
    window.Send(event::EnterSizeMove{});
    for (int step = 1; step <= 4; ++step) {
      const Point p{from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4};
      drag = drag.MovedTo(drag.left + p.x - from.x, drag.top + p.y - from.y);
      from = p;
      drag = *window.Send(event::Moving{drag, p}).drag;
      window.MoveBySystem(drag);
    }
    window.Send(event::ExitSizeMove{});
  }

  // The items run along the bar: the second item follows the first along it,
  // the list is cut to whole pitches along it, and a long folder can scroll.
  void ExpectLaidOutAlong(Edge edge) {
    SCOPED_TRACE(ToInt(edge));
    const BarLayout& l = bar.layout();
    ASSERT_EQ(l.edge, edge);
    EXPECT_EQ(bar.options().Edge, edge);
    sim::SimListView& v = list.view;
    const Point first = v.ItemPosition(0), second = v.ItemPosition(1);
    const bool horizontal = IsHorizontal(edge);
    EXPECT_EQ(horizontal ? second.y : second.x, horizontal ? first.y : first.x);
    EXPECT_GT(horizontal ? second.x : second.y, horizontal ? first.x : first.y);
    const int32_t pitch = horizontal ? bar.itemPitch().cx : bar.itemPitch().cy;
    EXPECT_EQ(pitch, 75);
    EXPECT_EQ((horizontal ? l.list.Width() : l.list.Height()) % 75, 0);
    EXPECT_TRUE(bar.strips().forwardActive);
    const Point origin = v.origin();
    bar.OnWheel(-120, {l.list.left + 5, l.list.top + 5});
    EXPECT_EQ(horizontal ? v.origin().x - origin.x : v.origin().y - origin.y, 75);
  }

  DockWorld world;
  sim::ShellConnection connection{world.shell, 1};
  sim::SimBarWindow window{kDesignedRect};
  sim::MemoryRegistry registry;
  sim::TrackingAllocator allocator;
  sim::FsNamespace shell{allocator};
  SessionList list;
  sim::SimStripSurface strips;
  sim::Cursor cursor;
  sim::FixedZoneTimeFormat time;
  sim::RecordingLauncher launcher;
  sim::FsFileOps files{root() / "RecycleBin"};
  sim::ScriptedChooser chooser;
  sim::RecordingProgramStarter programs;
  sim::SimFolderWatcher watcher;
  sim::SimBarForm form{window};
  sim::QueuedIconFetcher icons{shell, allocator};
  sim::UnicodeTextCase letters;
  sim::SimItemShellMenus itemMenus;
  sim::SimHotkeyPort hotkeys;
  LaunchBar bar{{connection, window,        world.desktop, registry,   shell,   allocator,
                 list,       list.view,     strips,        cursor,     time,    launcher,
                 files,      chooser,       list,          programs,   watcher, form,
                 letters,    "C:\\bar.exe", &icons,        &itemMenus, &hotkeys}};
  AcceptingWizard wizard;
  int wizardsMade = 0;
  std::function<WizardWindow&()> makeWizard = [this]() -> WizardWindow& {
    ++wizardsMade;
    return wizard;
  };
};

TEST_F(LaunchBarSession, WholeSession) {
  WriteOptions(registry, Record(Edge::Float, 0, 0, {100, 100, 100, 100}, {300, 100, 400, 600}));
  bar.Create();
  EXPECT_EQ(form.placements, 1) << "start-up lays the bar out once";
  bar.Start(Win("AppData"), makeWizard);
  EXPECT_TRUE(form.visible);
  EXPECT_EQ(wizardsMade, 0) << "an existing root folder needs no settings window";
  EXPECT_EQ(bar.paths().RootPath, Win("AppData/Ovel Launch Bar") + "\\");
  EXPECT_FALSE(form.upEnabled);

  // Open the category.
  list.selected = Row("Games");
  bar.OnDoubleClick();
  EXPECT_EQ(bar.paths().CurrentPath, Win("AppData/Ovel Launch Bar/Games"));
  EXPECT_EQ(bar.titleText(), "OVEL LAUNCH BAR - GAMES");
  ASSERT_EQ(bar.model().ItemCount(), 20);
  EXPECT_GT(list.view.ItemPosition(1).y, list.view.ItemPosition(0).y) << "down the floating bar";

  // Dock to each edge in turn; the items follow every change of edge.
  DragTo({512, 2});
  ExpectLaidOutAlong(Edge::Top);
  DragTo({2, 384});
  ExpectLaidOutAlong(Edge::Left);
  DragTo({512, 766});
  ExpectLaidOutAlong(Edge::Bottom);
  DragTo({1021, 384});
  ExpectLaidOutAlong(Edge::Right);
  EXPECT_EQ(bar.options().Edge, Edge::Right);
  EXPECT_EQ(form.placed, bar.layout()) << "the form placed the one layout";

  // The shell restarts, then the screen grows: the bar registers again and
  // spans the new right edge.
  world.shell.RestartShell();
  window.PumpMessages();
  EXPECT_TRUE(world.shell.IsRegistered(1));
  world.shell.SetScreenSize({1280, 800});
  window.PumpMessages();
  EXPECT_EQ(window.WindowRect(), (Rect{1180, 0, 1280, 770}));
  ExpectLaidOutAlong(Edge::Right);

  // Drop a file onto the bar: a plain drop moves it into the folder shown.
  Dir("Downloads");
  const auto dropped = File("Downloads/Tool.txt");
  const Rect w = window.WindowRect();
  form.cursor = {w.right - 10, w.top + 100};  // on the grip, off the items
  const TShiftState plain{};
  bar.OnDropFiles({Win("Downloads/Tool.txt")},
                  {plain, ChooseDropEffect(plain, {TDropEffect::deCopy, TDropEffect::deMove},
                                           kBarDropEffects)});
  EXPECT_FALSE(std::filesystem::exists(dropped));
  const auto games = root() / "AppData/Ovel Launch Bar/Games";
  EXPECT_TRUE(std::filesystem::exists(games / "Tool.txt"));
  ASSERT_EQ(bar.model().ItemCount(), 21);

  // Rename it in place.
  const int32_t tool = Row("Tool.txt") >= 0 ? Row("Tool.txt") : Row("Tool");
  ASSERT_GE(tool, 0);
  bar.OnLabelEdited(tool,
                    bar.model().NamedItem(tool)->ItemName == "Tool" ? "Hammer" : "Hammer.txt");
  EXPECT_TRUE(std::filesystem::exists(games / "Hammer.txt"));
  EXPECT_FALSE(std::filesystem::exists(games / "Tool.txt"));

  // Exit from the menu.
  form.nextChoice = CommandId::Exit1;
  bar.OnRightClick({0, 0}, {5, 5});
  EXPECT_TRUE(form.closed);
  bar.Destroy();
  EXPECT_EQ(form.timers[TimerId::SlideIn], false);
  EXPECT_EQ(ReadOptions(registry, InitialOptions(), {}).live.Edge, Edge::Right);
  EXPECT_TRUE(form.errors.empty()) << form.errors.front();
}

// The arrow keys of the icon views ask for the item nearest in their
// direction: along the bar they step a line at a time, across it they stay
// on the line; on every edge and in both views. Every edge change paints
// the labels anew.
TEST_F(LaunchBarSession, MaximiseIsRefusedAndOnlyTheProgramsOwnWindowsReactivate) {
  using event::ActivatedFrom;
  const auto maximise = [this](uint32_t command) {
    return window.Send(event::SystemCommand{command}).handled;
  };
  EXPECT_FALSE(maximise(0xF030)) << "the window as made, before the record";
  WriteOptions(registry, Record(Edge::Left, 0, 1));
  bar.Create();
  EXPECT_TRUE(maximise(0xF030));
  EXPECT_TRUE(maximise(0xF032)) << "the low bits are the system's";
  EXPECT_FALSE(maximise(0xF010)) << "a move stays the system's";

  const auto activations = [this] {
    const auto sent = world.shell.MessagesOf(connection.window());
    return std::count(sent.begin(), sent.end(), sim::AppBarMessage::Activate);
  };
  const auto before = activations();
  for (ActivatedFrom from : {ActivatedFrom::Elsewhere, ActivatedFrom::Application,
                             ActivatedFrom::Elsewhere, ActivatedFrom::Nothing}) {
    window.Send(event::Activated{from});
  }
  EXPECT_EQ(activations(), before + 1) << "the first activation counts, from anywhere";
  window.Send(event::Activated{ActivatedFrom::OwnWindow});
  EXPECT_EQ(activations(), before + 2);
}

TEST_F(LaunchBarSession, ADragRestingOnAStripArmsItsTimerOnceAndTheTimerScrolls) {
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  list.selected = Row("Games");
  bar.OnDoubleClick();
  const Rect strip = bar.layout().forwardStrip;
  ASSERT_TRUE(bar.strips().forwardActive);
  const Point on{strip.left + strip.Width() / 2, strip.top + strip.Height() / 2};
  for (int i = 0; i < 3; ++i) window.Send(event::DragOver{on});
  EXPECT_EQ(strips.restarts(StripId::Forward), 1);
  window.Send(event::DragLeft{});
  window.Send(event::DragOver{on});
  EXPECT_EQ(strips.restarts(StripId::Forward), 2) << "a drag that comes back arms it again";

  const Point origin = list.view.origin();
  strips.MoveCursor(on);
  window.Send(event::Timer{static_cast<uint32_t>(RepeatTimerOf(StripId::Forward))});
  EXPECT_NE(list.view.origin(), origin);
}

TEST_F(LaunchBarSession, ArrowKeysStepAlongAndAcrossTheBarOnEveryEdgeAndView) {
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  list.selected = Row("Games");
  bar.OnDoubleClick();
  sim::SimListView& v = list.view;
  const int32_t count = v.ItemCount();
  ASSERT_EQ(count, 20);
  // The items visited from `from` by pressing `key` until it finds none.
  const auto walk = [&](int32_t from, uint16_t key) {
    std::vector<int32_t> seen{from};
    while (seen.size() <= static_cast<size_t>(count)) {
      const std::optional<int32_t> next = NearestItem(v, v.ItemPosition(seen.back()), key);
      if (!next) break;
      seen.push_back(*next);
    }
    return seen;
  };
  for (CommandId view :
       {CommandId::LargeIcons1, CommandId::ExtraLargeIcons1, CommandId::SmallIcons1}) {
    bar.RunCommand(view);
    for (Point to :
         {Point{512, 2}, Point{2, 384}, Point{512, 766}, Point{1021, 384}, Point{500, 300}}) {
      const int listPaints = form.listPaints;
      DragTo(to);
      EXPECT_GT(form.listPaints, listPaints) << "labels painted anew for the edge";
      const bool horizontal = IsHorizontal(bar.options().Edge);
      SCOPED_TRACE(std::to_string(ToInt(bar.options().Edge)) + " " +
                   std::to_string(static_cast<int>(view)));
      const auto along = [&](int32_t i) {
        const Point p = v.ItemPosition(i);
        return horizontal ? p.x : p.y;
      };
      int32_t across = 1;  // items on a line across the bar
      while (across < count && along(across) == along(0)) ++across;
      std::vector<int32_t> lineStarts, firstLine;
      for (int32_t i = 0; i < count; i += across) lineStarts.push_back(i);
      for (int32_t i = 0; i < across; ++i) firstLine.push_back(i);
      EXPECT_EQ(walk(0, horizontal ? kVkRight : kVkDown), lineStarts);
      std::reverse(lineStarts.begin(), lineStarts.end());
      EXPECT_EQ(walk(lineStarts.front(), horizontal ? kVkLeft : kVkUp), lineStarts);
      EXPECT_EQ(walk(0, horizontal ? kVkDown : kVkRight), firstLine);
      EXPECT_EQ(walk(0, horizontal ? kVkUp : kVkLeft), std::vector<int32_t>{0});
      EXPECT_EQ(NearestItem(v, v.ItemPosition(7), kVkHome), 0);
      EXPECT_EQ(NearestItem(v, v.ItemPosition(7), kVkEnd), count - 1);
    }
  }
}

// Small icons on a horizontal bar stand in columns: a drop finds the folder
// under the pointer, not the one as many columns along as lines down.
TEST_F(LaunchBarSession, DropOntoSmallIconsInColumnsFindsTheFolderUnderThePointer) {
  for (int i = 1; i <= 8; ++i) Dir("AppData/Ovel Launch Bar/Box" + std::to_string(i));
  WriteOptions(registry, Record(Edge::Top, 0, 0, {100, 100, 100, 100}, {}));
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  bar.RunCommand(CommandId::SmallIcons1);
  const int32_t box6 = Row("Box6");
  ASSERT_EQ(list.view.ItemPosition(1).x, list.view.ItemPosition(0).x) << "in columns";
  const Rect client = window.ClientRectOnScreen();
  const Rect l = bar.layout().list;
  const Point p = list.view.ItemPosition(box6);
  EXPECT_EQ(bar.DropHighlightAt({client.left + l.left + p.x + 3, client.top + l.top + p.y + 3}),
            box6);
}

// The stored view mode is the one the bar starts in, its pitch measured for
// it; each pick from the menu is stored for the next start, and the list is
// cut to whole pitches of the mode's cells.
TEST_F(LaunchBarSession, StartsInTheStoredViewModeAndStoresEachPick) {
  WriteViewMode(registry, ViewMode::ExtraLargeIcons);
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  EXPECT_EQ(bar.viewMode(), ViewMode::ExtraLargeIcons);
  EXPECT_EQ(list.view.style(), ListViewStyle::ExtraLargeIcons);
  EXPECT_TRUE(IsMenuChecked(CommandId::ExtraLargeIcons1, bar.options(), bar.viewMode()));
  list.selected = Row("Games");
  bar.OnDoubleClick();
  const struct {
    CommandId pick;
    ViewMode mode;
    int32_t pitch;
  } picks[] = {{CommandId::ExtraLargeIcons1, ViewMode::ExtraLargeIcons, 91},
               {CommandId::LargeIcons1, ViewMode::LargeIcons, 75},
               {CommandId::SmallIcons1, ViewMode::SmallIcons, 17}};
  for (const auto& p : picks) {
    bar.RunCommand(p.pick);
    SCOPED_TRACE(p.pitch);
    EXPECT_EQ(ReadViewMode(registry), p.mode);
    EXPECT_EQ(bar.itemPitch().cy, p.pitch);
    EXPECT_EQ(bar.layout().list.Height() % p.pitch, 0);
    EXPECT_TRUE(bar.strips().forwardActive) << "20 items overflow";
  }
}

// Fitted, a docked bar starts at its edge's start, shows every item without
// a strip and is no more than a pitch longer than they need, and reserves
// exactly its window; a floating bar keeps its width. Items beyond the edge
// leave the whole edge and the strips.
TEST_F(LaunchBarSession, FitBarToItemsFollowsTheItemsOnEveryEdgeAndFloating) {
  WriteOptions(registry, Record(Edge::Top, 0, 1, {90, 250, 90, 250}));
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  EXPECT_EQ(window.WindowRect(), (Rect{0, 0, 1024, 250})) << "off: the whole edge";
  EXPECT_FALSE(bar.FitToItemsOn());
  bar.RunCommand(CommandId::FitBartoItems1);
  EXPECT_TRUE(ReadFitToItems(registry));

  const auto expectFitted = [this](bool whole) {
    const Rect w = window.WindowRect();
    const Rect work = world.shell.WorkArea();
    const Edge edge = bar.options().Edge;
    const bool horizontal = IsHorizontal(edge);
    const Rect view = list.view.ViewRect();
    const int32_t shown = horizontal ? bar.layout().list.Width() : bar.layout().list.Height();
    const int32_t needed = horizontal ? view.Width() : view.Height();
    if (edge != Edge::Float) {
      EXPECT_EQ(horizontal ? w.left : w.top, horizontal ? work.left : work.top);
      EXPECT_EQ(world.shell.Reserved(1), w) << "the strip reserved is the window";
    }
    EXPECT_EQ((horizontal ? w.Width() : w.Height()) == (horizontal ? 1024 : 738), whole);
    EXPECT_EQ(bar.strips().forwardActive, whole);
    if (!whole) {
      EXPECT_GE(shown, needed) << "every item shows";
      EXPECT_LT(shown, needed + 75) << "not a pitch more";
    }
  };
  {
    SCOPED_TRACE("the root's one category");
    expectFitted(false);
    EXPECT_EQ(window.WindowRect().Width(), 75 + kLengthBesideSpan) << "one item, as the minimum";
  }
  const int32_t oneItem = window.WindowRect().Width();
  list.selected = Row("Games");
  bar.OnDoubleClick();
  const int32_t twenty = window.WindowRect().Width();
  {
    SCOPED_TRACE("twenty items on the top edge");
    expectFitted(false);
    EXPECT_GT(twenty, oneItem);
  }
  File("AppData/Ovel Launch Bar/Games/Game 20.lnk");
  bar.RereadKeepingPlace();
  {
    SCOPED_TRACE("one more item starts a line");
    expectFitted(false);
    EXPECT_EQ(window.WindowRect().Width(), twenty + 75);
  }
  bar.RunCommand(CommandId::SmallIcons1);
  {
    SCOPED_TRACE("small icons");
    expectFitted(false);
  }
  bar.RunCommand(CommandId::LargeIcons1);
  DragTo({2, 384});
  {
    SCOPED_TRACE("the left edge: more items than it holds");
    expectFitted(true);
  }
  DragTo({512, 766});
  {
    SCOPED_TRACE("the bottom edge, above the taskbar");
    expectFitted(false);
  }
  bar.UpOneLevel();
  {
    SCOPED_TRACE("up to the root again");
    expectFitted(false);
    EXPECT_EQ(window.WindowRect().Width(), oneItem);
  }
  bar.RunCommand(CommandId::AutoHide1);
  EXPECT_EQ(world.shell.Reserved(1), Rect{}) << "auto-hidden, nothing is reserved";
  EXPECT_EQ(window.WindowRect().Width(), oneItem) << "the hidden strip is fitted too";
  bar.RunCommand(CommandId::AutoHide1);
  DragTo({500, 400});
  ASSERT_EQ(bar.options().Edge, Edge::Float);
  {
    SCOPED_TRACE("floating");
    expectFitted(false);
    EXPECT_EQ(window.WindowRect().Width(), 100) << "the width is the user's";
  }
  bar.RunCommand(CommandId::FitBartoItems1);
  EXPECT_FALSE(ReadFitToItems(registry));
  EXPECT_EQ(window.WindowRect().Height(), 400) << "off: the record's height again";
}

TEST_F(LaunchBarSession, TheUsersOrderIsKeptThroughReadsRenamesDeletesAndSortByName) {
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  list.selected = Row("Games");
  bar.OnDoubleClick();
  const auto names = [this] { return bar.model().FileNames(); };
  const std::vector<std::string> shellOrder = names();
  ASSERT_EQ(shellOrder.size(), 20u);

  // The third item dragged to the first place; then the first one a place
  // later by the keys.
  bar.MoveItems({2}, 0);
  EXPECT_EQ(names()[0], shellOrder[2]);
  EXPECT_EQ(list.SelectedIndexes(), std::vector<int32_t>{0});
  bar.OnListKey(kVkDown, kModShift | kModAlt);
  EXPECT_EQ(names()[1], shellOrder[2]);
  EXPECT_EQ(names()[0], shellOrder[0]);
  const std::vector<std::string> moved = names();

  // Read again from the stored order (as after a restart): kept; a new file
  // comes after the ordered ones.
  File("AppData/Ovel Launch Bar/Games/Aardvark.lnk");
  bar.UpOneLevel();
  list.selected = Row("Games");
  bar.OnDoubleClick();
  std::vector<std::string> now = names();
  EXPECT_EQ(std::vector<std::string>(now.begin(), now.end() - 1), moved);
  EXPECT_EQ(now.back(), "Aardvark.lnk");

  // A rename keeps the place; a delete leaves the stored order.
  bar.OnLabelEdited(1, "Renamed");
  EXPECT_EQ(names()[1], "Renamed.lnk");
  list.SelectRow(1);
  bar.RunCommand(CommandId::Delete1);
  ASSERT_EQ(names().size(), 20u);
  const std::vector<std::string> stored = ReadItemOrder(registry, "Games");
  EXPECT_EQ(stored, names()) << "the deleted name is gone from the stored order";

  bar.RunCommand(CommandId::SortbyName1);
  EXPECT_TRUE(ReadItemOrder(registry, "Games").empty());
  now = names();
  EXPECT_EQ(now[0], "Aardvark.lnk") << "the shell's order again";

  // Three items selected: a drag carries all three, Delete sends them in
  // one operation.
  list.SelectRow(1);
  list.AddRowToSelection(4);
  list.AddRowToSelection(2);
  const std::vector<std::string> three = bar.DragPathsOf(list.SelectedIndexes());
  ASSERT_EQ(three.size(), 3u);
  EXPECT_EQ(LeafName(three[2]), now[4]);
  const size_t runs = files.operations.size();
  bar.RunCommand(CommandId::Delete1);
  EXPECT_EQ(files.operations.size(), runs + 1);
  EXPECT_EQ(names().size(), now.size() - 3);
  for (const std::string& path : three) EXPECT_FALSE(files.FileExists(path)) << path;
}

// Files another program drops between two items stand there, kept in the
// stored order; the nearer side of the item under the pointer decides.
TEST_F(LaunchBarSession, FilesDroppedFromAnotherProgramTakeThePlaceTheyWereDroppedAt) {
  WriteOptions(registry, Record(Edge::Top, 0, 0));
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  Dir("Downloads");
  const auto dropAt = [&](int32_t row, int32_t along, const std::vector<std::string>& names) {
    FileList dropped;
    for (const std::string& name : names) {
      File("Downloads/" + name);
      dropped.push_back(Win("Downloads/" + name));
    }
    const Rect client = window.ClientRectOnScreen();
    const Rect l = bar.layout().list;
    const Point p = list.view.ItemPosition(row);
    form.cursor = {client.left + l.left + p.x + along, client.top + l.top + p.y + 5};
    const TShiftState plain{};
    bar.OnDropFiles(dropped,
                    {plain, ChooseDropEffect(plain, {TDropEffect::deMove}, kBarDropEffects)});
  };
  dropAt(0, 90, {"Aardvark.txt"});  // beyond the last cell
  EXPECT_EQ(bar.model().FileNames(), (std::vector<std::string>{"Games", "Aardvark.txt"}));
  EXPECT_TRUE(ReadItemOrder(registry, "").empty())
      << "past the last item of a folder in the shell's order: the shell's place";

  list.selected = Row("Games");
  bar.OnDoubleClick();

  dropAt(2, 5, {"Tool.txt"});
  std::vector<std::string> now = bar.model().FileNames();
  ASSERT_EQ(now.size(), 21u);
  EXPECT_EQ(now[2], "Tool.txt") << "before the item whose near side it was dropped on";
  EXPECT_EQ(ReadItemOrder(registry, "Games"), now);

  dropAt(5, 70, {"B.txt", "A.txt"});
  now = bar.model().FileNames();
  ASSERT_EQ(now.size(), 23u);
  EXPECT_EQ(now[6], "A.txt") << "past the far side, in the shell's order";
  EXPECT_EQ(now[7], "B.txt");
  EXPECT_EQ(now[2], "Tool.txt");
}

TEST_F(LaunchBarSession, OutsideChangesAreReadOnceKeepingTheSelection) {
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  list.selected = Row("Games");
  bar.OnDoubleClick();
  const std::string games = Win("AppData/Ovel Launch Bar/Games");
  EXPECT_EQ(watcher.watched, games) << "the folder shown is watched";
  EXPECT_FALSE(form.timers[TimerId::FolderWatch]) << "no timer while nothing changes";

  list.selected = Row("Game 7");
  File("AppData/Ovel Launch Bar/Games/Aaa.lnk");
  bar.OnFolderChanged();
  bar.OnFolderChanged();
  ASSERT_TRUE(form.timers[TimerId::FolderWatch]);
  form.busy = true;  // a caption is being edited: the re-read waits
  Tick(TimerId::FolderWatch);
  Tick(TimerId::FolderWatch);
  EXPECT_EQ(bar.model().ItemCount(), 20);
  form.busy = false;
  Tick(TimerId::FolderWatch);
  EXPECT_EQ(bar.model().ItemCount(), 21);
  EXPECT_EQ(list.selected, Row("Game 7")) << "the same item stays selected";
  Tick(TimerId::FolderWatch);
  EXPECT_FALSE(form.timers[TimerId::FolderWatch]) << "the ticks stop once read";

  // A command's modal window lets the ticks run: the re-read waits for the
  // command, whose message would otherwise end up behind the bar.
  int32_t countDuring = -1;
  chooser.whileShown = [&] {
    File("AppData/Ovel Launch Bar/Games/Bbb.lnk");
    bar.OnFolderChanged();
    Tick(TimerId::FolderWatch);
    Tick(TimerId::FolderWatch);
    countDuring = bar.model().ItemCount();
  };
  bar.RunCommand(CommandId::NewShortut1);
  EXPECT_EQ(countDuring, 21);
  Tick(TimerId::FolderWatch);
  EXPECT_EQ(bar.model().ItemCount(), 22);

  // A watcher that cannot deliver is polled on the timer.
  watcher.delivers = false;
  bar.UpOneLevel();
  EXPECT_EQ(watcher.watched, Win("AppData/Ovel Launch Bar"));
  EXPECT_TRUE(form.timers[TimerId::FolderWatch]);
  Dir("AppData/Ovel Launch Bar/Tools");
  watcher.changed = true;
  Tick(TimerId::FolderWatch);
  Tick(TimerId::FolderWatch);
  EXPECT_GE(Row("Tools"), 0);

  bar.Destroy();
  EXPECT_EQ(watcher.watched, "") << "nothing is watched after closing";
  EXPECT_TRUE(form.errors.empty()) << form.errors.front();
}

// F5 and every read set the watch again: a folder replaced under the same
// path is watched anew. A file written every 100 ms still lets the folder
// be read about once a second.
TEST_F(LaunchBarSession, TheWatchFollowsEveryReadAndASteadyWriterIsReadEverySecond) {
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  list.selected = Row("Games");
  bar.OnDoubleClick();
  const std::string games = Win("AppData/Ovel Launch Bar/Games");
  int watches = watcher.watches;
  EXPECT_TRUE(bar.OnListKey(kVkF5, 0));
  EXPECT_EQ(watcher.watches, watches + 1) << "F5 sets the watch again";

  const auto folder = root() / "AppData/Ovel Launch Bar/Games";
  std::filesystem::rename(folder, root() / "AppData/Old Games");
  Dir("AppData/Ovel Launch Bar/Games");
  watches = watcher.watches;
  bar.OnFolderChanged();  // the old folder's last change
  Tick(TimerId::FolderWatch);
  Tick(TimerId::FolderWatch);
  EXPECT_EQ(bar.model().ItemCount(), 0);
  EXPECT_EQ(watcher.watched, games);
  EXPECT_EQ(watcher.watches, watches + 1) << "the new folder is watched";

  // The simulated clock: a change every 100 ms, the timer's ticks as armed.
  int reads = 0;
  uint64_t fill = bar.model().FillTicket();
  for (form.now = 50; form.now <= 5000; form.now += 50) {
    if (form.now == 100) File("AppData/Ovel Launch Bar/Games/New.lnk");
    if (form.now % 100 == 0) bar.OnFolderChanged();
    const int64_t since = form.now - form.startedAt[TimerId::FolderWatch];
    if (form.timers[TimerId::FolderWatch] && since > 0 && since % kFolderWatchMs == 0)
      Tick(TimerId::FolderWatch);
    if (bar.model().FillTicket() != fill) ++reads;
    fill = bar.model().FillTicket();
    if (form.now == 1300) {
      EXPECT_GE(Row("New"), 0) << "shown while the writes go on";
    }
  }
  EXPECT_GE(reads, 4);
  EXPECT_LE(reads, 5) << "read once a second, not at every change";
}

// A folder and a shortcut of one caption: the item chosen stays chosen
// across a re-read, and a command on an item gone since says so.
TEST_F(LaunchBarSession, TheChosenItemIsKeptByIdentityAndAGoneOneIsNamed) {
  Dir("AppData/Ovel Launch Bar/Tools");
  File("AppData/Ovel Launch Bar/Tools.lnk");
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  const std::string link = Win("AppData/Ovel Launch Bar/Tools.lnk");
  const auto pathAt = [&](int32_t row) {
    return FullPathOf(bar.model(), *bar.model().GetItem(row));
  };
  const std::optional<int32_t> shortcut = FindRowByPath(bar.model(), link);
  ASSERT_TRUE(shortcut);
  ASSERT_EQ(bar.model().NamedItem(*shortcut)->ItemName, "Tools");
  list.selected = shortcut;
  File("AppData/Ovel Launch Bar/Aaa.lnk");
  bar.OnFolderChanged();
  Tick(TimerId::FolderWatch);
  Tick(TimerId::FolderWatch);
  ASSERT_TRUE(list.selected);
  EXPECT_EQ(pathAt(*list.selected), link);

  std::filesystem::remove(root() / "AppData/Ovel Launch Bar/Tools.lnk");
  bar.RunCommand(CommandId::Delete1);
  EXPECT_EQ(form.errors, std::vector<std::string>{
                             "Cannot delete \"Tools\": it is no longer in the folder shown."});
  EXPECT_TRUE(std::filesystem::is_directory(root() / "AppData/Ovel Launch Bar/Tools"));
  EXPECT_EQ(bar.model().ItemCount(), 3) << "read again";

  File("AppData/Ovel Launch Bar/Gone.lnk");
  bar.RereadKeepingPlace();
  list.selected = FindRowByPath(bar.model(), Win("AppData/Ovel Launch Bar/Gone.lnk"));
  std::filesystem::remove(root() / "AppData/Ovel Launch Bar/Gone.lnk");
  launcher.answer = 2;
  bar.OnDoubleClick();
  EXPECT_EQ(form.errors.back(), "Cannot open \"Gone\": it is no longer in the folder shown.");
}

// A close request while a caption is edited: the editor is cancelled and
// its end, which the closing window brings, renames nothing.
TEST_F(LaunchBarSession, ACloseWhileACaptionIsEditedKeepsTheName) {
  File("AppData/Ovel Launch Bar/item2.txt");
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  const int32_t row = Row("item2.txt") >= 0 ? Row("item2.txt") : Row("item2");
  list.selected = row;
  EXPECT_TRUE(bar.OnListKey(kVkF2, 0));
  bar.OnLabelEditBegan(row);
  EXPECT_TRUE(bar.MayClose());
  EXPECT_FALSE(list.editing) << "the editor is cancelled";
  bar.OnLabelEdited(row, "unfinished");
  EXPECT_TRUE(std::filesystem::exists(root() / "AppData/Ovel Launch Bar/item2.txt"));
  EXPECT_FALSE(std::filesystem::exists(root() / "AppData/Ovel Launch Bar/unfinished"));
}

// The root folder removed while the bar runs: its items go, the user is
// asked by its name, and it is made again when the user says so.
TEST_F(LaunchBarSession, ARootRemovedWhileRunningShowsNothingStaleAndCanBeMadeAgain) {
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  const std::string rootFolder = Win("AppData/Ovel Launch Bar");
  std::filesystem::rename(root() / "AppData/Ovel Launch Bar", root() / "AppData/Elsewhere");
  form.confirmAnswer = false;
  EXPECT_TRUE(bar.OnListKey(kVkF5, 0));
  EXPECT_EQ(bar.model().ItemCount(), 0);
  ASSERT_EQ(form.errors.size(), 1u);
  EXPECT_NE(form.errors[0].find(rootFolder), std::string::npos) << form.errors[0];
  EXPECT_FALSE(std::filesystem::exists(root() / "AppData/Ovel Launch Bar"));

  form.confirmAnswer = true;
  bar.OnFolderChanged();
  Tick(TimerId::FolderWatch);
  Tick(TimerId::FolderWatch);
  EXPECT_TRUE(std::filesystem::is_directory(root() / "AppData/Ovel Launch Bar"));
  EXPECT_EQ(bar.paths().CurrentPath, rootFolder);
  EXPECT_EQ(form.errors.size(), 2u);
}

TEST_F(LaunchBarSession, RealIconsReplaceTheKindIconsAndNeverLandOnAnotherFolder) {
  File("AppData/Ovel Launch Bar/a.txt");
  File("AppData/Ovel Launch Bar/b.txt");
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  list.selected = Row("Games");
  bar.OnDoubleClick();
  CacheHint(bar.model(), 0, 3);
  EXPECT_EQ(ListViewData(bar.model(), 2, false)->iconIndex, 0) << "shown with its kind's icon";
  EXPECT_EQ(shell.calls().iconIndexes, 0) << "no real icon looked up before the first page";
  ASSERT_EQ(icons.Waiting(), 4u);

  CacheHint(bar.model(), 10, 11);  // scrolled on before any answer came
  icons.Deliver(4);
  bar.OnIconsFetched();
  EXPECT_EQ(list.redrawn, (std::vector<int32_t>{10, 11, 0, 1})) << "what is shown now comes first";
  EXPECT_EQ(ListViewData(bar.model(), 1, false)->iconIndex, 4) << "the shortcut's own icon";
  EXPECT_EQ(bar.model().GetItem(2)->IconIndex, 0);

  // An answer for the third shortcut is on its way when the bar goes up.
  icons.Deliver(1);
  bar.UpOneLevel();
  EXPECT_EQ(icons.Waiting(), 0u) << "requests for the old folder are dropped";
  CacheHint(bar.model(), 0, 2);
  icons.Deliver();
  bar.OnIconsFetched();
  EXPECT_EQ(list.redrawn.size(), 4u) << "the root's real icons are its kind icons";
  EXPECT_EQ(bar.model().NamedItem(2)->ItemName, "b.txt");
  EXPECT_EQ(bar.model().GetItem(2)->IconIndex, 0) << "the late answer was not taken";
  EXPECT_EQ(bar.model().GetItem(0)->IconIndex, 3);
}

TEST_F(LaunchBarSession, AFastScrollKeepsAPageOrTwoOfLookupsAndDroppedRowsAskAgainWhenShown) {
  constexpr int32_t kItems = 10000, kPage = 40;
  for (int i = 0; i < kItems; ++i)
    File("AppData/Ovel Launch Bar/Games/Many " + std::to_string(i) + ".lnk");
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  list.selected = Row("Games");
  bar.OnDoubleClick();
  const int32_t count = bar.model().ItemCount();
  for (int32_t first = 0; first < count; first += kPage)
    CacheHint(bar.model(), first, std::min(first + kPage, count) - 1);
  EXPECT_LE(icons.Waiting(), IconQueue::kKeptLimit + kPage);
  icons.Deliver();
  bar.OnIconsFetched();
  EXPECT_EQ(ListViewData(bar.model(), count - 1, false)->iconIndex, 4) << "the last page's own";
  EXPECT_NE(bar.model().GetItem(0)->IconIndex, 4) << "the first page's lookups gave way";
  EXPECT_EQ(list.redrawn.front(), 0) << "a dropped row is redrawn: if shown, it asks again";

  // Scrolled back: the display request asks for the dropped row again.
  EXPECT_NE(ListViewData(bar.model(), 0, false)->iconIndex, 4);
  EXPECT_EQ(icons.Waiting(), 1u);
  icons.Deliver();
  bar.OnIconsFetched();
  EXPECT_EQ(ListViewData(bar.model(), 0, false)->iconIndex, 4);
}

TEST_F(LaunchBarSession, FileWindowKeysRenameOpenTheMenuAtTheItemAndTheHelp) {
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  list.selected = 0;
  EXPECT_TRUE(bar.OnListKey(kVkF2, 0));
  EXPECT_EQ(list.editing, 0);
  EXPECT_TRUE(bar.OnListKey(kVkApps, 0));
  EXPECT_EQ(form.menuAt, (Point{0, 0})) << "at the selected item";
  EXPECT_FALSE(bar.OnListKey(kVkF2, kModCtrl));
  EXPECT_TRUE(bar.OnListKey(kVkF1, 0));
  EXPECT_EQ(form.topics, std::vector<std::string>{"C:\\bar.CHM::/introduction.htm"});
}

// The shell's menu for an item heads the bar's menu only on an item; its
// entries run in the shell, except Delete and Rename, which are the bar's.
TEST_F(LaunchBarSession, ItemMenuOnlyOnAnItemWithDeleteAndRenameTheBars) {
  File("AppData/Ovel Launch Bar/Tom & Jerry.txt");
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  const int32_t row = Row("Tom & Jerry.txt");
  ASSERT_GE(row, 0);
  list.selected = std::nullopt;
  bar.OnListRightClick({0, 0}, {5, 5});
  EXPECT_FALSE(form.itemMenuCaption) << "on an empty spot";
  list.selected = row;
  bar.OnRightClick({0, 0}, {5, 5});
  EXPECT_FALSE(form.itemMenuCaption) << "on the grip, with an item still selected";
  EXPECT_TRUE(itemMenus.builtFor.empty());

  const auto entry = [](uint32_t offset) { return CommandId(kFirstShellCommand + offset); };
  form.nextChoice = entry(1);  // copy
  bar.OnListRightClick({0, 0}, {5, 5});
  EXPECT_EQ(form.itemMenuCaption, "Tom && Jerry.txt");
  EXPECT_EQ(itemMenus.builtFor, std::vector<std::string>{"Tom & Jerry.txt"});
  EXPECT_EQ(itemMenus.invoked, std::vector<uint32_t>{1});

  form.nextChoice = entry(3);  // rename: the bar's caption editor
  EXPECT_TRUE(bar.OnListKey(kVkApps, 0));
  EXPECT_EQ(form.itemMenuCaption, "Tom && Jerry.txt") << "the Menu key's menu is the same";
  EXPECT_EQ(list.editing, row);

  form.nextChoice = entry(2);  // delete: the bar's, through the Recycle Bin
  bar.OnListRightClick({0, 0}, {5, 5});
  EXPECT_EQ(itemMenus.invoked, std::vector<uint32_t>{1}) << "the shell ran neither";
  EXPECT_TRUE(std::filesystem::exists(root() / "RecycleBin" / "Tom & Jerry.txt"));
  EXPECT_EQ(Row("Tom & Jerry.txt"), -1);
  EXPECT_TRUE(form.errors.empty()) << form.errors.front();
}

// An extension that fails or throws costs the submenu or its one entry,
// named in a message; the bar's own entries still run.
TEST_F(LaunchBarSession, FailingShellMenusLeaveTheBarsMenuWorking) {
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  list.selected = Row("Games");
  for (const bool throws : {false, true}) {
    itemMenus.buildResult = throws ? kResultOk : kResultFail;
    itemMenus.throwOnBuild = throws;
    form.nextChoice = CommandId::SmallIcons1;
    bar.OnListRightClick({0, 0}, {5, 5});
    EXPECT_FALSE(form.itemMenuCaption) << throws;
    EXPECT_EQ(bar.viewMode(), ViewMode::SmallIcons) << throws;
    bar.RunCommand(CommandId::LargeIcons1);
  }
  itemMenus.buildResult = kResultOk;
  itemMenus.throwOnBuild = false;

  for (const bool throws : {false, true}) {
    itemMenus.invokeResult = kResultAccessDenied;
    itemMenus.throwOnInvoke = throws;
    form.errors.clear();
    form.nextChoice = CommandId(kFirstShellCommand + 4);
    bar.OnListRightClick({0, 0}, {5, 5});
    ASSERT_EQ(form.errors.size(), 1u) << throws;
    EXPECT_NE(form.errors[0].find("\"Games\""), std::string::npos) << form.errors[0];
  }
  // The user cancelling the shell's own dialog is no failure.
  itemMenus.throwOnInvoke = false;
  itemMenus.invokeResult = kResultCancelled;
  form.errors.clear();
  form.nextChoice = CommandId(kFirstShellCommand + 4);
  bar.OnListRightClick({0, 0}, {5, 5});
  EXPECT_TRUE(form.errors.empty()) << form.errors.front();
}

// A category deleted outside the bar, double-clicked before the watcher's
// re-read, is reported by name and the folder shown is read again.
TEST_F(LaunchBarSession, OpeningAVanishedCategoryNamesItAndRereadsTheFolderShown) {
  Dir("AppData/Ovel Launch Bar/Tools");
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  list.selected = Row("Games");
  std::filesystem::remove_all(root() / "AppData/Ovel Launch Bar/Games");
  bar.OnDoubleClick();
  EXPECT_EQ(bar.paths().CurrentPath, Win("AppData/Ovel Launch Bar"));
  EXPECT_EQ(Row("Games"), -1);
  EXPECT_GE(Row("Tools"), 0);
  EXPECT_FALSE(form.upEnabled);
  ASSERT_EQ(form.errors.size(), 1u);
  EXPECT_EQ(form.errors[0],
            "The folder \"Games\" was removed or renamed outside the bar. The bar now shows "
            "\"Ovel Launch Bar\".");
}

// A close request while a command waits in a modal window waits for it;
// the About window is closed for it.
TEST_F(LaunchBarSession, CloseDuringAModalCommandComesAfterIt) {
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  std::optional<bool> allowed;
  chooser.whileShown = [&] { allowed = bar.MayClose(); };
  bar.RunCommand(CommandId::NewShortut1);
  EXPECT_EQ(allowed, false);
  EXPECT_TRUE(form.closed) << "asked again once the command returned";
  EXPECT_TRUE(bar.MayClose());

  // Enter opens an item as a double click does, and waits the same way.
  File("AppData/Ovel Launch Bar/Gone.lnk");
  bar.RereadKeepingPlace();
  list.selected = Row("Gone.lnk") >= 0 ? Row("Gone.lnk") : Row("Gone");
  launcher.answer = 2;  // the shortcut's target is gone: the bar says so
  allowed.reset();
  form.closed = false;
  form.whileErrorShown = [&] { allowed = bar.MayClose(); };
  EXPECT_TRUE(bar.OnListKey(kVkReturn, 0));
  EXPECT_EQ(allowed, false);
  EXPECT_TRUE(form.closed);
  EXPECT_EQ(form.aboutClosed, 0) << "a shell dialog or message is left to the user";

  // The About window gives way at once, then the close follows.
  form.closed = false;
  allowed.reset();
  form.whileAbout = [&] { allowed = bar.MayClose(); };
  bar.RunCommand(CommandId::About1);
  EXPECT_EQ(allowed, false);
  EXPECT_EQ(form.aboutClosed, 1);
  EXPECT_TRUE(form.closed);
}

TEST_F(LaunchBarSession, TheHotkeyBringsAHiddenBarForwardAndGivesTheKeyboardBack) {
  WriteOptions(registry, Record(Edge::Left, 1, 0, {100, 100, 100, 100}, {300, 100, 400, 600}));
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  EXPECT_EQ(hotkeys.held, kDefaultHotkey);
  ASSERT_FALSE(bar.engine().state().AutoHideShown);
  constexpr WindowToken kEditor = 42;
  hotkeys.live.insert(kEditor);
  hotkeys.foreground = kEditor;

  bar.OnHotkey();
  EXPECT_TRUE(bar.engine().state().AutoHideShown) << "an auto-hidden bar slides out";
  EXPECT_EQ(hotkeys.foreground, sim::SimHotkeyPort::kBar);
  bar.OnHotkey();
  EXPECT_EQ(hotkeys.foreground, kEditor) << "the second press gives the keyboard back";

  // A press that came while the bar slid in: it ends hidden, and comes out
  // again at the next tick while it has the keyboard.
  bar.OnHotkey();
  world.desktop.SetMessagePos({900, 500});  // the pointer away from the bar
  Tick(TimerId::SlideIn);
  ASSERT_FALSE(bar.engine().state().AutoHideShown) << "not yet active: it slid in";
  form.active = true;
  Tick(TimerId::SlideIn);
  EXPECT_TRUE(bar.engine().state().AutoHideShown);
  bar.OnHotkey();
  form.active = false;

  bar.OnHotkey();
  EXPECT_TRUE(bar.OnListKey(kVkEscape, 0));
  EXPECT_EQ(hotkeys.foreground, kEditor) << "so does Esc";
  EXPECT_FALSE(bar.OnListKey(kVkEscape, 0)) << "with nowhere to go back to, Esc is the list's";

  // The user left the bar on their own: the next press brings it back.
  bar.OnHotkey();
  bar.OnDeactivate();
  bar.OnHotkey();
  EXPECT_EQ(hotkeys.foreground, sim::SimHotkeyPort::kBar);
  EXPECT_EQ(hotkeys.broughtForward, 5);
  bar.Destroy();
  EXPECT_FALSE(hotkeys.held);
}

TEST_F(LaunchBarSession, SettingsAppliesWhatWasChangedAsTheMenuWould) {
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  const SettingsValues shown = ReadSettings(bar);
  EXPECT_EQ(shown.rootFolder, bar.paths().RootPath);
  EXPECT_EQ(shown.hotkey, kDefaultHotkey);
  EXPECT_EQ(kIconSizes[shown.iconSize].mode, ViewMode::LargeIcons);
  EXPECT_TRUE(shown.monitors.empty()) << "one monitor: nothing to choose";

  SettingsValues chosen = shown;
  chosen.iconSize = 2;
  chosen.hotkey = {kHotkeyWin, 'K'};
  ApplySettings(bar, shown, chosen);
  EXPECT_EQ(bar.viewMode(), kIconSizes[2].mode);
  EXPECT_EQ(ReadViewMode(registry), kIconSizes[2].mode) << "stored as the menu's pick is";
  EXPECT_EQ(hotkeys.held, chosen.hotkey);
  EXPECT_EQ(ReadSettings(bar), chosen);
}

TEST_F(LaunchBarSession, FirstStartRunsTheWizardWithTheBarHidden) {
  std::filesystem::remove_all(root() / "AppData/Ovel Launch Bar");
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  EXPECT_TRUE(std::filesystem::is_directory(root() / "AppData/Ovel Launch Bar/Internet"));
  EXPECT_EQ(bar.options().AutoHide, 1u) << "the wizard's answers land in the live record";
  EXPECT_TRUE(form.visible);
  EXPECT_EQ(bar.model().ItemCount(), 5);
}

// On a 150% screen the form is made at its designed corner and 1.5 times
// its size; the record the wizard stores puts the next start's bar there too.
TEST_F(LaunchBarSession, FirstStartOnAScaledScreenIsWhereTheSecondStartPutsTheBar) {
  std::filesystem::remove_all(root() / "AppData/Ovel Launch Bar");
  const Rect made{277, 204, 427, 722};
  window.SetDpi(144);
  window.MoveBySystem(made);
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  ASSERT_EQ(wizardsMade, 1);
  const Rect first = window.WindowRect();
  EXPECT_EQ(first.Width(), 150);
  bar.Destroy();

  TestBar second{world, 2, made};
  second.window.SetDpi(144);
  second.registry = registry;
  second.Start(std::nullopt);
  EXPECT_EQ(second.rect(), first);
}

// A menu toggle stores the one value it changed: every other byte of the
// record, however far out of reach, is written back as it was read.
TEST_F(LaunchBarSession, ToggleOnAScaledScreenKeepsEveryOtherStoredByte) {
  const BarOptions stored = Record(Edge::Left, 0, 0, {0, 0x7FFFFFFF, 0xFFFFFFFF, 5000},
                                   {-2000000000, 5, 2000000000, 900});
  WriteOptions(registry, stored);
  window.SetDpi(288);
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  bar.RunCommand(CommandId::Alwaysontop1);
  BarOptions expected = stored;
  expected.AlwaysOnTop = 1;
  const BarOptionsBytes bytes = EncodeOptions(expected);
  const auto value = registry.Read(RegistryRoot::CurrentUser, kOptionsKey, kOptionsValueName);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->data, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

TEST_F(LaunchBarSession, MissingRootThatCannotBeMadeFailsLoudly) {
  std::filesystem::remove_all(root() / "AppData");
  File("AppData");  // a file where the folder should be
  bar.Create();
  EXPECT_THROW(bar.Start(Win("AppData"), makeWizard), ComError);
  EXPECT_FALSE(form.visible);
}

// With "Open Categories as Menus" on, a click on a category opens its items
// as a menu in the folder's order; a subfolder is listed only when its
// submenu opens, and an item chosen there starts as a double click starts it.
TEST_F(LaunchBarSession, CategoriesOpenAsMenusListedOnOpeningAndLaunchedAsADoubleClick) {
  Dir("AppData/Ovel Launch Bar/Games/Sub");
  File("AppData/Ovel Launch Bar/Games/Sub/Notes.txt");  // opened with its folder as directory
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  list.selected = Row("Games");
  bar.OnListClick({40, 50});
  EXPECT_FALSE(form.cascadeAt) << "off by default";

  registry.Write(RegistryRoot::CurrentUser, kOptionsKey, kCategoryMenusValueName,
                 {static_cast<uint32_t>(RegistryType::String), {1, 0, 0, 0}});
  EXPECT_FALSE(bar.CategoryMenusOn()) << "a value of another type is off";
  bar.RunCommand(CommandId::OpenCategoriesasMenus1);
  EXPECT_TRUE(bar.CategoryMenusOn());

  std::vector<std::string> listed;
  std::optional<size_t> sub;
  size_t levelsBeforeOpening = 0;
  form.whileCascade = [&](CascadeMenu& menu) -> std::optional<uint16_t> {
    for (const CascadeEntry& e : menu.Level(0).entries) listed.push_back(e.name);
    levelsBeforeOpening = menu.LevelCount();
    const auto at = std::find(listed.begin(), listed.end(), "Sub") - listed.begin();
    sub = menu.Submenu(0, static_cast<size_t>(at));
    if (!sub || menu.Level(*sub).entries.size() != 1) return std::nullopt;
    return menu.Level(*sub).entries[0].command;
  };
  bar.OnListClick({40, 50});
  EXPECT_EQ(form.cascadeAt, (Point{40, 50}));
  EXPECT_EQ(levelsBeforeOpening, 1u) << "the subfolder is listed when it opens";
  ASSERT_TRUE(sub);
  EXPECT_EQ(bar.paths().CurrentPath, Win("AppData/Ovel Launch Bar")) << "the bar stays";
  ASSERT_EQ(launcher.requests.size(), 1u);
  const ShellOpenRequest fromMenu = launcher.requests[0];

  // The in-place view: the same order, and a double click asks the same.
  list.selected = Row("Games");
  bar.RunCommand(CommandId::OpenCategoriesasMenus1);
  bar.OnDoubleClick();
  std::vector<std::string> shown;
  for (int32_t i = 0; i < bar.model().ItemCount(); ++i)
    shown.push_back(bar.model().NamedItem(i)->ItemName);
  EXPECT_EQ(listed, shown);
  list.selected = Row("Sub");
  bar.OnDoubleClick();
  list.selected = 0;
  bar.OnDoubleClick();
  ASSERT_EQ(launcher.requests.size(), 2u);
  EXPECT_EQ(launcher.requests[1].file, Win("AppData/Ovel Launch Bar/Games/Sub/Notes.txt"));
  EXPECT_TRUE(launcher.requests[1] == fromMenu);
  EXPECT_TRUE(form.errors.empty()) << form.errors.front();
}

// A folder of 10,000 items lists the first ones and "More…", which opens
// it in place; the shell's menu of an entry runs once the menu has closed,
// its Delete the bar's own on that item.
TEST_F(LaunchBarSession, AHugeCategoryIsCappedAndTheShellMenuOfAnEntryRunsAfterClosing) {
  Dir("AppData/Ovel Launch Bar/Huge");
  for (int i = 0; i < 10000; ++i) File("AppData/Ovel Launch Bar/Huge/" + std::to_string(i));
  bar.Create();
  bar.Start(Win("AppData"), makeWizard);
  bar.RunCommand(CommandId::OpenCategoriesasMenus1);
  list.selected = Row("Huge");
  size_t entries = 0;
  form.whileCascade = [&](CascadeMenu& menu) -> std::optional<uint16_t> {
    entries = menu.Level(0).entries.size();
    return menu.Level(0).moreCommand;
  };
  bar.OnListClick({40, 50});
  EXPECT_EQ(entries, kCascadeEntryCap);
  EXPECT_EQ(bar.paths().CurrentPath, Win("AppData/Ovel Launch Bar/Huge"));
  EXPECT_EQ(bar.model().ItemCount(), 10000);

  bar.UpOneLevel();
  list.selected = Row("Games");
  std::string named;
  form.whileCascade = [&](CascadeMenu& menu) -> std::optional<uint16_t> {
    named = menu.Level(0).entries[1].name;
    form.nextShellChoice = 2;  // delete
    EXPECT_TRUE(bar.OnCascadeRightClick(menu, 0, 1, {7, 8}));
    EXPECT_TRUE(itemMenus.invoked.empty()) << "nothing runs under the open menu";
    return std::nullopt;
  };
  bar.OnListClick({40, 50});
  EXPECT_EQ(form.shellMenuAt, (Point{7, 8}));
  EXPECT_TRUE(itemMenus.invoked.empty()) << "the bar's Delete, not the shell's";
  EXPECT_EQ(bar.paths().CurrentPath, Win("AppData/Ovel Launch Bar/Games"));
  EXPECT_EQ(Row(named), -1);
  EXPECT_TRUE(std::filesystem::exists(root() / "RecycleBin" / (named + ".lnk")) ||
              std::filesystem::exists(root() / "RecycleBin" / named));
  EXPECT_TRUE(form.errors.empty()) << form.errors.front();
}

}  // namespace
}  // namespace olb::testing
