// The folder view inside a real bar window: the owner-data list answering
// the control, opening and Up through real messages, the strips after real
// scrolling, and the view-mode switches.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <climits>
#include <cstring>
#include <string>

#include "folder_fixture.h"
#include "win32/base/error_box.h"
#include "win32/base/gdi.h"
#include "win32/base/unicode.h"
#include "test_support.h"

namespace olb::win {
namespace {

TEST_F(FolderViewTest, ListShowsTheRootsItemsInTheShellsOrder) {
  root.AddFile("beta.txt");
  root.AddFile("Alpha.txt");
  root.AddFolder("Games");
  StartAtRoot();
  ASSERT_EQ(Count(), 3);
  EXPECT_EQ(Caption(0), L"Games");
  EXPECT_EQ(Caption(1), L"Alpha.txt");
  EXPECT_EQ(Caption(2), L"beta.txt");
  EXPECT_EQ(bar->controller().paths().CurrentPath, root.Path());
  EXPECT_FALSE(IsWindowEnabled(UpButton())) << "the root has nothing above it for the bar";
  const LONG style = GetWindowLongW(List(), GWL_STYLE);
  EXPECT_EQ(style & (WS_VSCROLL | WS_HSCROLL | WS_BORDER), 0);
  EXPECT_TRUE(style & LVS_OWNERDATA);
  EXPECT_TRUE(style & LVS_SHAREIMAGELISTS);
  EXPECT_EQ(GetParent(List()), bar->hwnd());
}

TEST_F(FolderViewTest, TypeAheadSearchIsAnsweredFromTheRecords) {
  root.AddFile("Alpha.txt");
  root.AddFile("beta.txt");
  root.AddFile("Gamma.txt");
  StartAtRoot();
  EXPECT_EQ(Find(L"BE", -1, false), 1);
  EXPECT_EQ(Find(L"al", 1, false), -1) << "Alpha lies before the start";
  EXPECT_EQ(Find(L"al", 1, true), 0) << "found after wrapping";
  EXPECT_EQ(Find(L"zzz", -1, true), -1);
}

// Requests as an ANSI control sends them, and requests for items that do
// not exist, straight to the form.
TEST_F(FolderViewTest, AnsiRequestsAndIndexesOutsideTheRecordsAreAnsweredSafely) {
  root.AddFile("Alpha.txt");
  root.AddFile("beta.txt");
  StartAtRoot();
  auto ask = [&](int index, char* buffer, int capacity) {
    NMLVDISPINFOA info{};
    info.hdr = {List(), 0, static_cast<UINT>(LVN_GETDISPINFOA)};
    info.item.mask = LVIF_TEXT | LVIF_IMAGE;
    info.item.iItem = index;
    info.item.iImage = -7;
    info.item.pszText = buffer;
    info.item.cchTextMax = capacity;
    SendMessageW(bar->hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return info.item.iImage;
  };
  char text[16];
  std::memset(text, '#', sizeof text);
  ask(0, text, 6);
  EXPECT_STREQ(text, "Alpha") << "cut to the buffer, terminated";
  EXPECT_EQ(text[6], '#') << "nothing written beyond it";
  std::memset(text, '#', sizeof text);
  EXPECT_EQ(ask(2, text, 16), -7) << "one past the last record";
  EXPECT_EQ(ask(-1, text, 16), -7);
  EXPECT_EQ(ask(INT_MAX, text, 16), -7);
  EXPECT_EQ(text[0], '#');

  NMLVFINDITEMA find{};
  find.hdr = {List(), 0, static_cast<UINT>(LVN_ODFINDITEMA)};
  find.iStart = 5;  // past the end
  find.lvfi.flags = LVFI_PARTIAL | LVFI_STRING | LVFI_WRAP;
  find.lvfi.psz = "B";
  EXPECT_EQ(SendMessageW(bar->hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&find)), 1);
  find.lvfi.flags &= ~LVFI_WRAP;
  EXPECT_EQ(SendMessageW(bar->hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&find)), -1);

  NMLVCACHEHINT hint{};
  hint.hdr = {List(), 0, static_cast<UINT>(LVN_ODCACHEHINT)};
  hint.iFrom = 0;
  hint.iTo = 2;  // the end lies beyond the records: nothing is filled
  const FolderModel& model = bar->controller().model();
  const int64_t before = model.detailFills();
  SendMessageW(bar->hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&hint));
  EXPECT_EQ(model.detailFills(), before);
}

TEST_F(FolderViewTest, PaintingFillsDetailsOnlyForTheItemsShown) {
  AddFiles(30);
  StartAtRoot();
  UpdateWindow(List());
  Pump();
  FolderModel& model = bar->controller().model();
  ASSERT_EQ(model.ItemCount(), 30);
  EXPECT_FALSE(model.GetItem(0)->NeedsInfo);
  EXPECT_TRUE(model.GetItem(29)->NeedsInfo);
  EXPECT_LT(model.detailFills(), 30);
}

TEST_F(FolderViewTest, EnterOnAFolderOpensItAndUpComesBackToTheRoot) {
  root.AddFolder("D\xC3\xA9veloppement");
  root.AddFile("notes.txt");
  root.AddFile("D\xC3\xA9veloppement\\Racing.txt");
  root.AddFile("D\xC3\xA9veloppement\\Chess.txt");
  StartAtRoot();
  Select(0);
  PressEnter();
  EXPECT_EQ(bar->controller().paths().CurrentPath, root.PathOf("D\xC3\xA9veloppement"));
  EXPECT_EQ(Count(), 2);
  EXPECT_EQ(Caption(0), L"Chess.txt");
  EXPECT_TRUE(IsWindowEnabled(UpButton()));
  EXPECT_EQ(bar->controller().titleText(), "OVEL LAUNCH BAR - D\xC3\x89VELOPPEMENT")
      << "upper-cased by the system's Unicode rules";
  EXPECT_EQ(GetWindowLongW(List(), GWL_STYLE) & LVS_TYPEMASK, LVS_ICON)
      << "the report style is only passed through";

  SendMessageW(UpButton(), BM_CLICK, 0, 0);
  EXPECT_EQ(bar->controller().paths().CurrentPath, root.Path());
  EXPECT_EQ(Count(), 2);
  EXPECT_FALSE(IsWindowEnabled(UpButton()));
  EXPECT_EQ(bar->controller().titleText(), "OVEL LAUNCH BAR");
}

TEST_F(FolderViewTest, UpFromTheRootByTheNavigatorOpensItsParentAndEnablesUp) {
  StartAtRoot();
  bar->controller().UpOneLevel();
  const std::string parent = root.Path().substr(0, root.Path().find_last_of('\\'));
  EXPECT_EQ(bar->controller().paths().CurrentPath, parent);
  EXPECT_TRUE(IsWindowEnabled(UpButton()));
}

TEST_F(FolderViewTest, EnterWithNothingSelectedDoesNothing) {
  root.AddFolder("Games");
  StartAtRoot();
  PressEnter();
  EXPECT_EQ(bar->controller().paths().CurrentPath, root.Path());
}

TEST_F(FolderViewTest, StripsFollowRealScrollingByTheWheel) {
  AddFiles(12);
  StartAtRoot();
  const LaunchBar& controller = bar->controller();
  ASSERT_EQ(controller.itemPitch().cy, 75) << "Wine's large-icon spacing";
  EXPECT_EQ(bar->layout().list.Height() % 75, 0) << "cut to whole pitches";
  EXPECT_TRUE(controller.strips().listOverflows);
  EXPECT_EQ(Look(StripId::Forward), StripLook::Arrow);
  EXPECT_EQ(Look(StripId::Back), StripLook::Blank);

  Wheel(-WHEEL_DELTA);
  EXPECT_EQ(controller.strips(), (StripState{true, true, true}));
  EXPECT_EQ(ViewTop(), -75) << "one pitch per notch";

  for (int i = 0; i < 20; ++i) Wheel(-WHEEL_DELTA);
  EXPECT_EQ(Look(StripId::Forward), StripLook::Blank) << "at the end";
  EXPECT_EQ(Look(StripId::Back), StripLook::Arrow);

  bar->RunCommand(CommandId::SmallIcons1);
  EXPECT_EQ(bar->controller().viewMode(), ViewMode::SmallIcons);
  EXPECT_EQ(GetWindowLongW(List(), GWL_STYLE) & LVS_TYPEMASK, LVS_SMALLICON);
  EXPECT_EQ(Look(StripId::Back), StripLook::Blank) << "back at the top";
  EXPECT_GT(controller.itemPitch().cy, 0);
  EXPECT_LT(controller.itemPitch().cy, 75);
}

// On a thin bar in small icons the bar cuts a caption once, to what the
// list shows of its label: the control has room for the whole text given
// (no ellipsis of its own after ours) and the text ends inside the list.
TEST_F(FolderViewTest, SmallIconCaptionsOnAThinBarAreCutOnce) {
  for (const char* name : {"Notes.txt", "Plan.txt", "Readme.txt", "A rather long document.txt",
                           "\xD0\x9E\xD1\x82\xD1\x87\xD1\x91\xD1\x82.txt"}) {
    root.AddFile(name);
  }
  for (const uint32_t thickness : {100u, 220u}) {
    BarOptions o = Docked(Edge::Left);
    o.DockSize[0] = thickness;
    Store(o);
    StartAtRoot();
    bar->RunCommand(CommandId::SmallIcons1);
    RECT client{};
    GetClientRect(List(), &client);
    WindowDc dc(List());
    SelectionScope font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(List(), WM_GETFONT, 0, 0)));
    for (int i = 0; i < Count(); ++i) {
      const std::wstring caption = Caption(i);
      SCOPED_TRACE(Narrow(caption) + " at " + std::to_string(thickness));
      RECT label{};
      label.left = LVIR_LABEL;
      SendMessageW(List(), LVM_GETITEMRECT, static_cast<WPARAM>(i),
                   reinterpret_cast<LPARAM>(&label));
      SIZE text{};
      GetTextExtentPoint32W(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &text);
      EXPECT_GE(label.right - label.left, text.cx + 4) << "the label holds the text with room";
      EXPECT_LE(label.left + text.cx, client.right);
      EXPECT_FALSE(caption.ends_with(L"....")) << "one cut";
      if (caption.starts_with(L"Notes")) {
        EXPECT_EQ(caption, L"Notes.txt") << "it fits whole";
      }
    }
  }
}

// While the program's message box is up the bar takes no clicks (one would
// bring it up over the box); afterwards the keyboard is back in the list.
TEST_F(FolderViewTest, AMessageBoxDisablesTheBarAndGivesTheKeyboardBack) {
  root.AddFile("a.txt");
  StartAtRoot();
  SetForegroundWindow(bar->hwnd());
  SetFocus(List());
  const HWND form = bar->hwnd();
  std::atomic<int> enabledDuring{-1};
  wchar_t shown[2][128] = {};
  std::atomic<int> boxes{0};
  DialogWatcher box([](HWND, const std::wstring& t) { return t == L"Ovel Launch Bar"; },
                    [&](HWND d) {
                      enabledDuring = IsWindowEnabled(form) ? 1 : 0;
                      GetDlgItemTextW(d, 0xFFFF, shown[boxes % 2], 128);
                      ++boxes;
                      PostMessageW(d, WM_COMMAND, IDOK, 0);
                    },
                    true);
  ShowException(std::runtime_error("Cannot open \"a\""));
  ShowException(std::runtime_error("Not one of these:\n< > |"));
  EXPECT_STREQ(shown[0], L"Cannot open \"a\".") << "ends as a sentence";
  EXPECT_STREQ(shown[1], L"Not one of these:\n< > |") << "no dot among the characters";
  EXPECT_EQ(enabledDuring, 0);
  EXPECT_TRUE(IsWindowEnabled(form));
  EXPECT_EQ(GetFocus(), List());
}

TEST_F(FolderViewTest, RestingPointerOnTheForwardArrowScrollsEveryTick) {
  AddFiles(12);
  StartAtRoot();
  SetForegroundWindow(bar->hwnd());
  const Rect strip = bar->layout().forwardStrip;
  POINT on{strip.left + strip.Width() / 2, strip.top + 4};  // inside the arrow
  const LPARAM inForm = MAKELPARAM(on.x, on.y);
  ClientToScreen(bar->hwnd(), &on);
  SetCursorPos(on.x, on.y);
  SendMessageW(bar->hwnd(), WM_MOUSEMOVE, 0, inForm);
  EXPECT_EQ(Look(StripId::Forward), StripLook::HoverArrow);

  // Every 100 ms tick scrolls one pitch while the pointer rests there.
  EXPECT_TRUE(PumpUntil([&] { return ViewTop() <= -150; }, 3000));
  EXPECT_EQ(Look(StripId::Back), StripLook::Arrow);

  // Away from the arrow: the next tick stops the timer and puts the normal
  // colour back; nothing scrolls after that.
  SetCursorPos(0, 0);
  EXPECT_TRUE(PumpUntil([&] { return Look(StripId::Forward) == StripLook::Arrow; }, 3000));
  const LONG stopped = ViewTop();
  PumpUntil([] { return false; }, 400);
  EXPECT_EQ(ViewTop(), stopped);
}

TEST_F(FolderViewTest, UpButtonHintSaysUp) {
  StartAtRoot();
  const HWND tip = bar->folderView().upButton().tooltip();
  ASSERT_NE(tip, nullptr);
  wchar_t text[32] = {};
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = GetParent(UpButton());
  tool.uId = reinterpret_cast<UINT_PTR>(UpButton());
  tool.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, 32, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, L"Up");
}

TEST_F(FolderViewTest, ListThatFitsShowsBlankStripsAndIgnoresTheWheel) {
  AddFiles(2);
  StartAtRoot();
  EXPECT_EQ(Look(StripId::Forward), StripLook::Blank);
  EXPECT_EQ(Look(StripId::Back), StripLook::Blank);
  Wheel(-WHEEL_DELTA);
  EXPECT_EQ(ViewTop(), 0);
}

TEST_F(FolderViewTest, ClickingUpLeavesTheKeyboardWithTheList) {
  root.AddFolder("Games");
  root.AddFile("Games\\Chess.txt");
  StartAtRoot();
  SetForegroundWindow(bar->hwnd());
  Select(0);
  PressEnter();
  SetFocus(List());
  ASSERT_EQ(bar->controller().paths().CurrentPath, root.PathOf("Games"));
  // A real press and release on the button, as the mouse gives them.
  SendMessageW(UpButton(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(UpButton(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(bar->controller().paths().CurrentPath, root.Path());
  EXPECT_FALSE(IsWindowEnabled(UpButton()));
  EXPECT_EQ(GetFocus(), List());
  // Enter reaches the list again.
  Select(0);
  PressEnter();
  EXPECT_EQ(bar->controller().paths().CurrentPath, root.PathOf("Games"));
}

TEST_F(FolderViewTest, FileWindowKeysRereadClimbRenameAndDelete) {
  root.AddFolder("Games");
  root.AddFile("Games\\Chess.txt");
  root.AddFile("Games\\Go.txt");
  StartAtRoot();
  const auto key = [&](WPARAM vk) { SendMessageW(List(), WM_KEYDOWN, vk, 0); };
  Select(0);
  PressEnter();
  ASSERT_EQ(Count(), 2);
  root.AddFile("Games\\Poker.txt");
  key(VK_F5);
  EXPECT_EQ(Count(), 3);

  Select(0);
  key(VK_F2);
  const HWND edit = reinterpret_cast<HWND>(SendMessageW(List(), LVM_GETEDITCONTROL, 0, 0));
  EXPECT_NE(edit, nullptr) << "F2 edits the caption";
  if (edit) SendMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
  Pump();

  {
    DialogWatcher yes = AnswerYes();
    Select(0);
    key(VK_DELETE);
  }
  EXPECT_FALSE(root.Exists("Games\\Chess.txt"));
  EXPECT_EQ(Count(), 2);

  key(VK_BACK);
  EXPECT_EQ(bar->controller().paths().CurrentPath, root.Path());
  key(VK_BACK);
  EXPECT_EQ(bar->controller().paths().CurrentPath, root.Path()) << "never above the root";
}

TEST_F(FolderViewTest, AChangeMadeOutsideIsShownKeepingTheSelection) {
  root.AddFile("b.txt");
  root.AddFile("d.txt");
  StartAtRoot();
  Select(1);
  root.AddFile("a.txt");
  ASSERT_TRUE(PumpUntil([&] { return Count() == 3; }, 5000)) << "re-read by itself";
  const int selected = static_cast<int>(
      SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  ASSERT_GE(selected, 0);
  EXPECT_EQ(Caption(selected), L"d.txt");
}

TEST_F(FolderViewTest, SmallWheelDeltasAddUpAndTheTiltWheelScrollsAlong) {
  AddFiles(12);
  StartAtRoot();
  for (int i = 0; i < 2; ++i) Wheel(-WHEEL_DELTA / 3);
  EXPECT_EQ(ViewTop(), 0);
  Wheel(-WHEEL_DELTA / 3);
  EXPECT_EQ(ViewTop(), -75);
  const RECT r = WindowRectOf(List());
  SendMessageW(List(), WM_MOUSEHWHEEL, MAKEWPARAM(0, WHEEL_DELTA),
               MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
  EXPECT_EQ(ViewTop(), -150);
  EXPECT_EQ(Look(StripId::Back), StripLook::Arrow);
}

TEST_F(FolderViewTest, KeyboardScrollingUpdatesTheStrips) {
  AddFiles(12);
  StartAtRoot();
  Select(0);
  SendMessageW(List(), WM_KEYDOWN, VK_END, 0);
  EXPECT_LT(ViewTop(), 0);
  EXPECT_EQ(Look(StripId::Back), StripLook::Arrow);
  EXPECT_EQ(Look(StripId::Forward), StripLook::Blank);
}

// The control asks the owner for the item an arrow key moves to; type-ahead
// is the bar's, spaces included.
TEST_F(FolderViewTest, ArrowKeysAndTypeAheadWithASpaceMoveTheSelection) {
  AddFiles(6);
  root.AddFile("note a.txt");
  root.AddFile("note b.txt");
  StartAtRoot();
  const auto selected = [&] {
    return static_cast<int>(
        SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  };
  for (ListViewStyle style : {ListViewStyle::LargeIcons, ListViewStyle::SmallIcons}) {
    bar->folderView().list().SetStyle(style);
    Select(0);
    SendMessageW(List(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(selected(), 1) << static_cast<int>(style);
    SendMessageW(List(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(selected(), 0) << static_cast<int>(style);
  }
  for (wchar_t c : std::wstring(L"note b")) SendMessageW(List(), WM_CHAR, c, 0);
  EXPECT_EQ(Caption(selected()), L"note b.txt");
}

// Extra-large icons show the shell's 48-pixel list in taller cells, and
// keep it across the report style a folder is filled in.
TEST_F(FolderViewTest, ExtraLargeIconsShowTheShellsExtraLargeListInTallerCells) {
  AddFiles(3);
  StartAtRoot();
  ItemListView& list = bar->folderView().list();
  const auto iconSize = [&] {
    int cx = 0, cy = 0;
    ImageList_GetIconSize(
        reinterpret_cast<HIMAGELIST>(SendMessageW(List(), LVM_GETIMAGELIST, LVSIL_NORMAL, 0)), &cx,
        &cy);
    return cy;
  };
  const auto spacing = [&] { return SendMessageW(List(), LVM_GETITEMSPACING, FALSE, 0); };
  list.SetStyle(ListViewStyle::LargeIcons);
  const LRESULT large = spacing();
  ASSERT_EQ(iconSize(), 32);
  list.SetStyle(ListViewStyle::ExtraLargeIcons);
  list.SetStyle(ListViewStyle::Report);
  list.SetStyle(ListViewStyle::ExtraLargeIcons);
  EXPECT_EQ(list.Style(), ListViewStyle::ExtraLargeIcons);
  EXPECT_EQ(iconSize(), 48);
  EXPECT_EQ(spacing(), MAKELONG(LOWORD(large), HIWORD(large) + 16));
  list.SetStyle(ListViewStyle::LargeIcons);
  EXPECT_EQ(iconSize(), 32);
  EXPECT_EQ(spacing(), large);
}

}  // namespace
}  // namespace olb::win
