#include <gtest/gtest.h>

#include "core/wizard/page_layout.h"

namespace olb {
namespace {

// A text of `length` pixels in lines 15 high, broken at any pixel.
std::function<Size(int32_t)> Text(int32_t length) {
  return [length](int32_t wrap) {
    if (wrap <= 0 || wrap >= length) return Size{length, 15};
    return Size{wrap, 15 * ((length + wrap - 1) / wrap)};
  };
}

PageControl Label(int x, int y, int length) {
  return {PageControlKind::Label, {x, y, x, y + 16}, Text(length)};
}

TEST(PageLayout, TextsThatFitKeepTheirDesignedPlacesAtTheirOwnWidth) {
  const auto placed = LayOutPage({Label(16, 8, 200), Label(16, 40, 100)}, 281);
  EXPECT_EQ(placed, (std::vector<Rect>{{16, 8, 216, 23}, {16, 40, 116, 55}}));
}

TEST(PageLayout, ALongLabelWrapsBeforeTheEdgeAndPushesOnlyOverlappedRowsDown) {
  const std::vector<PageControl> page{
      Label(16, 8, 300),   // two lines: 8..38, clear of the next row at 40
      Label(16, 40, 600),  // three lines: 40..85, over the row at 72
      {PageControlKind::CheckBox, {32, 72, 129, 89}, Text(60)},
      {PageControlKind::CheckBox, {144, 72, 241, 89}, Text(70)},
      {PageControlKind::CheckBox, {32, 88, 129, 105}, Text(60)},
      Label(16, 136, 50),
  };
  const auto placed = LayOutPage(page, 281);
  EXPECT_EQ(placed[0], (Rect{16, 8, 273, 38}));
  EXPECT_EQ(placed[1], (Rect{16, 40, 273, 85}));
  EXPECT_EQ(placed[2], (Rect{32, 85, 129, 102}));  // the row moves as one
  EXPECT_EQ(placed[3], (Rect{144, 85, 241, 102}));
  EXPECT_EQ(placed[4], (Rect{32, 102, 129, 119}));
  EXPECT_EQ(placed[5], (Rect{16, 136, 66, 151}));  // clear already: stays
  for (size_t i = 0; i < placed.size(); ++i) {
    EXPECT_LE(placed[i].right, 281 - kPageRightMargin) << i;
    for (size_t j = i + 1; j < placed.size(); ++j)
      EXPECT_TRUE(Intersection(placed[i], placed[j]).IsEmpty()) << i << " " << j;
  }
}

TEST(PageLayout, AWrappedLabelKeepsItsBoxAndGrowsDownward) {
  const PageControl wrapped{PageControlKind::Wrapped, {16, 72, 263, 98}, Text(247)};
  EXPECT_EQ(LayOutPage({wrapped}, 281)[0], (Rect{16, 72, 263, 98}));
  const PageControl longer{PageControlKind::Wrapped, {16, 72, 263, 98}, Text(700)};
  EXPECT_EQ(LayOutPage({longer}, 281)[0], (Rect{16, 72, 263, 117}));
  // Never past the margin, even where it was designed to reach further.
  const PageControl wide{PageControlKind::Wrapped, {40, 0, 287, 26}, Text(100)};
  EXPECT_EQ(LayOutPage({wide}, 281)[0], (Rect{40, 0, 273, 26}));
}

TEST(PageLayout, ACheckBoxWidensOnlyForALongerText) {
  const PageControl box{PageControlKind::CheckBox, {32, 72, 129, 89}, Text(120)};
  EXPECT_EQ(LayOutPage({box}, 281)[0], (Rect{32, 72, 152, 89}));
}

}  // namespace
}  // namespace olb
