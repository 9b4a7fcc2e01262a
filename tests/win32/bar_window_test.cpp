#include <gtest/gtest.h>
#include <windows.h>

#include "bar_fixture.h"
#include "win32/app/single_instance.h"

namespace olb::win {
namespace {

using BarWindowTest = BarTest;

TEST_F(BarWindowTest, IsAnOwnedTopLevelWindowOfTheBarClassWithoutCaption) {
  Start();
  EXPECT_EQ(ClassOf(bar->hwnd()), L"TOVB_Form1");
  EXPECT_EQ(GetWindowTextLengthW(bar->hwnd()), 0);
  EXPECT_EQ(GetWindow(bar->hwnd(), GW_OWNER), app.handle());
  EXPECT_EQ(ClassOf(app.handle()), L"TApplication");
  EXPECT_TRUE(GetWindowLongW(app.handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  const LONG style = GetWindowLongW(bar->hwnd(), GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_BORDER) << "caption removed, border kept";
  EXPECT_TRUE(style & WS_THICKFRAME);
}

TEST_F(BarWindowTest, FirstStartFloatsAtTheDesignedPlaceHundredWide) {
  Start();
  const RECT designed = BarWindow::DesignedRect();
  const RECT r = WindowRectOf(bar->hwnd());
  EXPECT_EQ(r.left, 277);
  EXPECT_EQ(r.top, 204);
  EXPECT_EQ(r.right - r.left, 100);
  EXPECT_EQ(r.bottom - r.top, designed.bottom - designed.top);
  EXPECT_EQ(bar->options().Edge, Edge::Float);
  EXPECT_EQ(bar->options().FloatRect, (Rect{277, 204, 377, designed.bottom}));
  EXPECT_FALSE(registry.Read(RegistryRoot::CurrentUser, kOptionsKey, kOptionsValueName))
      << "starting writes nothing";
}

TEST_F(BarWindowTest, StoredTopBarIsPlacedAtTheTopWithItsThickness) {
  BarOptions o = DefaultOptions({});
  o.Edge = Edge::Top;
  o.AutoHide = 0;
  o.AlwaysOnTop = 0;
  o.DockSize = {100, 64, 100, 100};
  Store(o);
  Start();
  const RECT r = WindowRectOf(bar->hwnd());
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.bottom - r.top, 64);
  EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));
}

TEST_F(BarWindowTest, UnreachableRecordIsPlacedWithinReachButKeptAsStored) {
  BarOptions o = DefaultOptions({});
  o.Edge = Edge::Left;
  o.AutoHide = 0;
  o.DockSize = {0, 0, 0, 0};
  Store(o);
  Start();
  const RECT r = WindowRectOf(bar->hwnd());
  EXPECT_EQ(r.right - r.left, 20);
  EXPECT_EQ(bar->options().DockSize[0], 0u);
}

TEST_F(BarWindowTest, SingleInstanceSearchFindsTheBarWhateverItsCaption) {
  Start();
  SetWindowTextW(bar->hwnd(), L"renamed");
  EXPECT_EQ(FindPrevInstance(kBarClassName, L""), bar->hwnd());
  EXPECT_EQ(FindPrevInstance(kBarClassName, nullptr), bar->hwnd());
  EXPECT_EQ(FindPrevInstance(L"", L""), nullptr);
  EXPECT_EQ(FindPrevInstance(L"", L"renamed"), bar->hwnd());
  EXPECT_TRUE(ActivatePrevInstance(kBarClassName, L""));
  EXPECT_TRUE(IsWindowVisible(app.handle())) << "the walk ends at the application window";
}

TEST_F(BarWindowTest, NoSearchHitWithoutABar) {
  EXPECT_EQ(FindPrevInstance(kBarClassName, L""), nullptr);
  EXPECT_FALSE(ActivatePrevInstance(kBarClassName, L""));
}

}  // namespace
}  // namespace olb::win
