// Files dragged onto a real bar, and onto the general drop target, by
// another program running a real OLE drag with given keys and effects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drag_source_process.h"
#include "folder_fixture.h"
#include "win32/dragdrop/drop_target.h"

namespace olb::win {
namespace {

class DragFromProcessTest : public FolderViewTest {
 protected:
  TempFolder desk;

  // Past the last item: the list is cut to whole pitches, so its far end
  // may lie on the last item.
  POINT EmptySpace() {
    RECT item{};
    item.left = LVIR_BOUNDS;
    POINT p{0, 5};
    if (Count() > 0 && SendMessageW(List(), LVM_GETITEMRECT, static_cast<WPARAM>(Count() - 1),
                                    reinterpret_cast<LPARAM>(&item))) {
      p = {(item.left + item.right) / 2, item.bottom + 5};
    }
    ClientToScreen(List(), &p);
    return p;
  }
  std::string DragOnto(POINT at, const std::string& keys, DWORD allowed,
                       const std::vector<std::string>& files) {
    return DragFromAnotherProcess(at, keys, allowed, files, [] { Pump(); });
  }
};

TEST_F(DragFromProcessTest, TheDropsKeysAndTheSourcesEffectsDecide) {
  desk.AddFile("ctrl.txt", 3);
  desk.AddFile("copyonly.txt", 3);
  desk.AddFile("linkonly.txt", 3);
  desk.AddFile("tool.exe", 3);
  StartAtRoot();
  const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

  EXPECT_EQ(DragOnto(EmptySpace(), "ctrl", all, {desk.PathOf("ctrl.txt")}), "result=0 effect=1");
  EXPECT_TRUE(desk.Exists("ctrl.txt")) << "a Ctrl drop copies: the original stays";
  EXPECT_TRUE(root.Exists("ctrl.txt"));

  EXPECT_EQ(DragOnto(EmptySpace(), "none", DROPEFFECT_COPY, {desk.PathOf("copyonly.txt")}),
            "result=0 effect=1");
  EXPECT_TRUE(desk.Exists("copyonly.txt"));
  EXPECT_TRUE(root.Exists("copyonly.txt")) << "a source allowing only copy gets a copy";

  EXPECT_EQ(DragOnto(EmptySpace(), "none", DROPEFFECT_LINK, {desk.PathOf("linkonly.txt")}),
            "result=0 effect=4");
  EXPECT_TRUE(desk.Exists("linkonly.txt"));
  EXPECT_TRUE(root.Exists("linkonly.txt.lnk")) << "only link: a shortcut";
  EXPECT_FALSE(root.Exists("linkonly.txt"));

  EXPECT_EQ(DragOnto(EmptySpace(), "none", all, {desk.PathOf("tool.exe")}), "result=0 effect=4");
  EXPECT_TRUE(desk.Exists("tool.exe")) << "the program stays where it was installed";
  ASSERT_TRUE(root.Exists("tool.lnk"));
  EXPECT_EQ(Count(), 4) << "the bar shows the copies and both shortcuts";
  const int focused = static_cast<int>(
      SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  EXPECT_EQ(Caption(focused), L"tool") << "the new shortcut has the focus";
}

// A plain window of this program as a drop target.
class TargetWindow {
 public:
  TargetWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OlbTestDropWindow";
    RegisterClassW(&wc);
    hwnd = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 300, 500,
                           120, 80, nullptr, nullptr, wc.hInstance, nullptr);
  }
  ~TargetWindow() { DestroyWindow(hwnd); }
  POINT Middle() const { return {360, 540}; }
  HWND hwnd;
};

// Records the events of a general target as letters: E(nter), O(ver),
// L(eave), D(rop); a drop also keeps the effect it was given.
struct EventLog {
  std::string events;
  DWORD dropEffect = 99;
  void Attach(TKrDropTarget& t) {
    t.OnDragEnter = [this](IDataObject*, TShiftState, Point, TDropEffects&) {
      events += 'E';
      return S_OK;
    };
    t.OnDragOver = [this](TShiftState, Point, TDropEffects&) {
      if (events.back() != 'O') events += 'O';
      return S_OK;
    };
    t.OnDragLeave = [this] {
      events += 'L';
      return S_OK;
    };
    t.OnDrop = [this](IDataObject*, TShiftState, Point, TDropEffects& effects) {
      events += 'D';
      dropEffect = DropEffectsTodwEffect(effects);
      return S_OK;
    };
  }
};

TEST(GeneralDropTarget, ReportsTheDragAndHonoursItsFormatList) {
  TempFolder desk;
  desk.AddFile("a.txt");
  TargetWindow window;
  TKrDropTarget target;
  target.DropEffects = {TDropEffect::deNone, TDropEffect::deCopy, TDropEffect::deMove};
  target.ClpbrdFormats.Add({TDVAspect::dvaContent}, "cf_hdrop", TTymed::tiHGLOBAL);
  EventLog log;
  log.Attach(target);
  target.SetDragControl(window.hwnd);
  auto pump = [] {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
  };
  const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
  EXPECT_EQ(DragFromAnotherProcess(window.Middle(), "ctrl", all, {desk.PathOf("a.txt")}, pump),
            "result=0 effect=1");
  EXPECT_EQ(log.events, "EOD");
  EXPECT_EQ(log.dropEffect, static_cast<DWORD>(DROPEFFECT_COPY));

  // Text only: the file list is refused, and the drag only leaves.
  target.ClpbrdFormats.Clear();
  target.ClpbrdFormats.Add({TDVAspect::dvaContent}, "CF_TEXT", TTymed::tiHGLOBAL);
  log.events.clear();
  EXPECT_EQ(DragFromAnotherProcess(window.Middle(), "none", all, {desk.PathOf("a.txt")}, pump),
            "result=0 effect=0");
  EXPECT_EQ(log.events, "EOL");

  // A second target bound to the same window replaces the first.
  TKrDropTarget second;
  second.ClpbrdFormats.Add({TDVAspect::dvaContent}, "CF_HDROP", TTymed::tiHGLOBAL);
  second.DropEffects = {TDropEffect::deNone, TDropEffect::deCopy};
  EventLog secondLog;
  secondLog.Attach(second);
  second.SetDragControl(window.hwnd);
  EXPECT_EQ(target.DragControl(), nullptr);
  log.events.clear();
  EXPECT_EQ(DragFromAnotherProcess(window.Middle(), "none", all, {desk.PathOf("a.txt")}, pump),
            "result=0 effect=1")
      << "a plain drag copies where the target takes no move";
  EXPECT_EQ(log.events, "");
  EXPECT_EQ(secondLog.events, "EOD");
}

}  // namespace
}  // namespace olb::win
