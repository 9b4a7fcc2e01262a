#include <windows.h>

#include "bar_fixture.h"

namespace olb::win {
namespace {

using DockingTest = BarTest;

RECT Moving(HWND w, RECT drag) {
  SendMessageW(w, WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&drag));
  return drag;
}

TEST_F(DockingTest, MoveLoopProposesEdgesAndTheEndAppliesAndSaves) {
  Start();
  const HWND w = bar->hwnd();
  const RECT start = WindowRectOf(w);
  SendMessageW(w, WM_ENTERSIZEMOVE, 0, 0);

  SetMessagePos(1020, 400);  // inside the right margin: the right edge
  RECT drag = Moving(w, start);
  EXPECT_EQ(drag.left, 1024 - 100);
  EXPECT_EQ(drag.right, 1024);
  EXPECT_EQ(drag.top, 0);
  EXPECT_EQ(drag.bottom, 768);

  SetMessagePos(500, 400);  // the middle: floating, centred under the pointer
  drag = Moving(w, drag);
  EXPECT_EQ(drag.left, 500 - (start.right - start.left) / 2);
  EXPECT_EQ(drag.top, 400);
  EXPECT_EQ(drag.bottom - drag.top, start.bottom - start.top);

  SetMessagePos(512, 2);  // the top margin: the top edge
  drag = Moving(w, drag);
  EXPECT_EQ(drag.top, 0);
  EXPECT_EQ(drag.bottom, 100);
  EXPECT_EQ(drag.right - drag.left, 1024);

  SetWindowPos(w, nullptr, drag.left, drag.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(w, WM_EXITSIZEMOVE, 0, 0);
  Pump();
  // A first start has auto-hide on: the bar docks hidden at the top edge,
  // two border widths showing.
  const RECT r = WindowRectOf(w);
  EXPECT_EQ(r.top, 2 * GetSystemMetrics(SM_CYBORDER) - 100);
  EXPECT_EQ(r.bottom, 2 * GetSystemMetrics(SM_CYBORDER));
  EXPECT_EQ(r.right - r.left, 1024);
  EXPECT_EQ(Saved().Edge, Edge::Top);
}

TEST_F(DockingTest, DockedBarSizesOnlyAtItsInnerBorder) {
  struct Case {
    Edge edge;
    int inner;
  };
  for (const Case& c : {Case{Edge::Left, HTRIGHT}, Case{Edge::Top, HTBOTTOM},
                        Case{Edge::Right, HTLEFT}, Case{Edge::Bottom, HTTOP}}) {
    Store(Docked(c.edge));
    Start();
    const RECT r = WindowRectOf(bar->hwnd());
    const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
    auto hit = [&](int x, int y) {
      return static_cast<int>(SendMessageW(bar->hwnd(), WM_NCHITTEST, 0, MAKELPARAM(x, y)));
    };
    const int left = hit(r.left, midY), right = hit(r.right - 1, midY);
    const int top = hit(midX, r.top), bottom = hit(midX, r.bottom - 1);
    SCOPED_TRACE(ToInt(c.edge));
    int found = 0;
    for (int h : {left, right, top, bottom}) {
      EXPECT_TRUE(h == HTBORDER || h == c.inner) << h;
      found += h == c.inner;
    }
    EXPECT_EQ(found, 1);
    bar.reset();
  }
}

TEST_F(DockingTest, FloatingBarKeepsEverySizingBorder) {
  Start();
  const RECT r = WindowRectOf(bar->hwnd());
  const int midY = (r.top + r.bottom) / 2;
  EXPECT_EQ(SendMessageW(bar->hwnd(), WM_NCHITTEST, 0, MAKELPARAM(r.left, midY)), HTLEFT);
  EXPECT_EQ(SendMessageW(bar->hwnd(), WM_NCHITTEST, 0, MAKELPARAM(r.right - 1, midY)), HTRIGHT);
}

TEST_F(DockingTest, WidthNeverGoesBelowTwenty) {
  Start();
  MINMAXINFO info{};
  SendMessageW(bar->hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 20);
  SetWindowPos(bar->hwnd(), nullptr, 0, 0, 5, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const RECT r = WindowRectOf(bar->hwnd());
  EXPECT_EQ(r.right - r.left, 20);
}

TEST_F(DockingTest, ResizeOfADockedBarIsStoredForItsEdge) {
  Store(Docked(Edge::Left));
  Start();
  const HWND w = bar->hwnd();
  SendMessageW(w, WM_ENTERSIZEMOVE, 0, 0);
  RECT r = WindowRectOf(w);
  r.right = r.left + 130;
  SendMessageW(w, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&r));
  SetWindowPos(w, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(w, WM_EXITSIZEMOVE, 0, 0);
  Pump();
  const BarOptions saved = Saved();
  EXPECT_EQ(saved.DockSize[0], 130u);
  EXPECT_EQ(saved.DockSize[2], 90u) << "other edges keep their thickness";
  EXPECT_EQ(WindowRectOf(w).right, 130);
}

TEST_F(DockingTest, AlwaysOnTopToggleSetsTheZOrderAndWritesAtOnce) {
  Store(Docked(Edge::Right));
  Start();
  const HWND w = bar->hwnd();
  EXPECT_FALSE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
  bar->RunCommand(CommandId::Alwaysontop1);
  EXPECT_TRUE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(Saved().AlwaysOnTop, 1u);
  bar->RunCommand(CommandId::Alwaysontop1);
  EXPECT_FALSE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindow(w, GW_OWNER), app.handle()) << "the owner stays";
  EXPECT_EQ(Saved().AlwaysOnTop, 0u);
}

TEST_F(DockingTest, AutoHideToggleWritesAtOnce) {
  Store(Docked(Edge::Bottom));
  Start();
  bar->RunCommand(CommandId::AutoHide1);
  EXPECT_EQ(Saved().AutoHide, 1u);
  EXPECT_EQ(Saved().Size, 48u);
  bar->RunCommand(CommandId::AutoHide1);
  EXPECT_EQ(Saved().AutoHide, 0u);
  const RECT r = WindowRectOf(bar->hwnd());
  EXPECT_EQ(r.bottom, 768) << "docked normally again, fully on screen";
  EXPECT_EQ(r.bottom - r.top, 70);
}

}  // namespace
}  // namespace olb::win
