#include <windows.h>

#include <iterator>
#include <string>

#include "bar_fixture.h"
#include "win32/bar/bar_menu.h"
#include "win32/base/gdi.h"

namespace olb::win {
namespace {

std::wstring MenuText(HMENU menu, int index) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, static_cast<UINT>(index), text, 128, MF_BYPOSITION);
  return text;
}

bool Checked(HMENU menu, CommandId id) {
  return GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED;
}

TEST(ViewsMenu, HasEveryEntryInOrderWithItsCaption) {
  PopupMenu menu;
  BuildViewsMenu(menu.get(), DefaultOptions({}), ViewMode::LargeIcons);
  const wchar_t* expected[] = {L"&Large Icons",
                               L"&Extra Large Icons",
                               L"&Small Icons",
                               L"Sort by Name",
                               nullptr,
                               L"AutoHide",
                               L"Always on Top",
                               L"Fit Bar to Items",
                               L"Open Categories as Menus",
                               nullptr,
                               L"New Folder",
                               L"New Shortcut",
                               L"Delete",
                               L"Open real folder with shortcuts",
                               L"Update Bar",
                               nullptr,
                               L"Autoload",
                               L"Settings\u2026",
                               L"Help",
                               L"About",
                               nullptr,
                               L"Exit"};
  const int count = static_cast<int>(std::size(expected));
  ASSERT_EQ(GetMenuItemCount(menu.get()), count);
  for (int i = 0; i < count; ++i) {
    const UINT state = GetMenuState(menu.get(), static_cast<UINT>(i), MF_BYPOSITION);
    if (expected[i]) {
      EXPECT_EQ(MenuText(menu.get(), i), expected[i]);
      EXPECT_FALSE(state & MF_SEPARATOR) << i;
    } else {
      EXPECT_TRUE(state & MF_SEPARATOR) << i;
    }
  }
}

TEST(ViewsMenu, CheckMarksFollowTheRecordAndTheViewMode) {
  for (uint32_t autoHide : {0u, 1u}) {
    for (uint32_t onTop : {0u, 1u}) {
      BarOptions o = DefaultOptions({});
      o.AutoHide = autoHide;
      o.AlwaysOnTop = onTop;
      PopupMenu menu;
      BuildViewsMenu(menu.get(), o, ViewMode::SmallIcons);
      EXPECT_EQ(Checked(menu.get(), CommandId::AutoHide1), autoHide != 0);
      EXPECT_EQ(Checked(menu.get(), CommandId::Alwaysontop1), onTop != 0);
      EXPECT_TRUE(Checked(menu.get(), CommandId::SmallIcons1));
      EXPECT_FALSE(Checked(menu.get(), CommandId::LargeIcons1));
      EXPECT_FALSE(Checked(menu.get(), CommandId::ExtraLargeIcons1));
      EXPECT_FALSE(Checked(menu.get(), CommandId::Exit1));
    }
  }
}

// Pixels of the bar's client area as painted on screen.
class TitleStripTest : public BarTest {
 protected:
  struct Pixels {
    HWND w;
    COLORREF at(int x, int y) const {
      WindowDc dc(w);
      return GetPixel(dc.get(), x, y);
    }
    // Whether any pixel of the box is dark, as text is.
    bool DarkIn(int left, int top, int right, int bottom) const {
      WindowDc dc(w);
      for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
          const COLORREF c = GetPixel(dc.get(), x, y);
          if (c != CLR_INVALID && GetRValue(c) + GetGValue(c) + GetBValue(c) < 240) return true;
        }
      return false;
    }
  };

  Pixels Painted(Edge edge) {
    if (edge != Edge::Float) Store(Docked(edge));
    Start();
    bar->Show();
    RedrawWindow(bar->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    Pump();
    return {bar->hwnd()};
  }
};

constexpr COLORREF kOuter = RGB(213, 237, 252);
constexpr COLORREF kMiddle = RGB(168, 192, 217);

TEST_F(TitleStripTest, VerticalStripRunsTheGradientAcrossAndTextRisesFromTheBottom) {
  for (Edge edge : {Edge::Left, Edge::Float}) {
    const Pixels p = Painted(edge);
    const Rect g = bar->layout().grip;
    SCOPED_TRACE(testing::Message() << ToInt(edge) << " grip " << g.left << "," << g.top << ","
                                    << g.right << "," << g.bottom);
    // Below the Up button's panel, which covers the strip's first 30 pixels.
    EXPECT_EQ(p.at(g.left, g.top + 40), kOuter);
    EXPECT_EQ(p.at(g.left + 9, g.top + 40), kMiddle);
    EXPECT_EQ(p.at(g.right - 1, g.top + 40), kOuter);
    const int end = g.bottom - 30;  // the text's reference point
    EXPECT_TRUE(p.DarkIn(g.left, end - 60, g.right, end + 1));
    EXPECT_FALSE(p.DarkIn(g.left, end + 2, g.right, g.bottom));
    bar.reset();
  }
}

TEST_F(TitleStripTest, RightStripTextDescendsFromFiftyPixelsBelowTheTop) {
  const Pixels p = Painted(Edge::Right);
  const Rect g = bar->layout().grip;
  // The Up button's panel covers the strip's first 30 pixels.
  EXPECT_EQ(p.at(g.left + 10, g.top + 40), kMiddle);
  EXPECT_TRUE(p.DarkIn(g.left, g.top + 50, g.right, g.top + 110));
  EXPECT_FALSE(p.DarkIn(g.left, g.top + 30, g.right, g.top + 48));
}

TEST_F(TitleStripTest, HorizontalStripRunsTheGradientDownAndTextIsLevel) {
  const Pixels p = Painted(Edge::Top);
  const Rect g = bar->layout().grip;
  EXPECT_GT(g.Width(), g.Height()) << "the strip runs along a top bar";
  // The Up button's panel covers the strip's first 24 pixels.
  EXPECT_EQ(p.at(g.right - 5, g.top), kOuter);
  EXPECT_EQ(p.at(g.right - 5, g.top + 9), kMiddle);
  EXPECT_TRUE(p.DarkIn(g.left + 30, g.top + 3, g.left + 90, g.top + 17));
  EXPECT_FALSE(p.DarkIn(g.left + 24, g.top, g.left + 28, g.bottom));
}

}  // namespace
}  // namespace olb::win
