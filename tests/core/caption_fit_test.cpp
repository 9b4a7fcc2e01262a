#include <gtest/gtest.h>

#include "core/layout/caption_fit.h"

namespace olb {
namespace {

// A list control as it places labels: 6 pixels a character, a label 4
// pixels wider than its text, right of a 16-pixel icon in small icons (a
// column of `column` pixels at most) or below a 32-pixel icon in large
// icons, wrapped to lines of `column` pixels, 10 pixels a line.
struct ModelControl : CaptionMeasure {
  bool smallIcons = true;
  Point at;
  int32_t column = 60;
  bool placesLabels = true;

  int32_t TextWidth(std::string_view text) override {
    return 6 * static_cast<int32_t>(text.size());
  }
  std::optional<Rect> CandidateLabel(std::string_view text) override {
    if (!placesLabels) return std::nullopt;
    const int32_t width = TextWidth(text) + 4;
    if (smallIcons) return Rect{at.x + 16, at.y, at.x + 16 + std::min(width, column), at.y + 10};
    const int32_t lines = (width + column - 1) / column;
    return Rect{at.x, at.y + 32, at.x + column, at.y + 32 + 10 * lines};
  }
};

TEST(FitSmallIconCaption, CutsToTheColumnAndTheListsEdgeAsInTheFirstColumn) {
  ModelControl control;
  const CaptionPlace first{{0, 0}, {0, 0}, {0, 0, 200, 100}};
  EXPECT_EQ(FitSmallIconCaption("Notes", first, control), "Notes");
  // 56 pixels of text at most: six characters and "...".
  EXPECT_EQ(FitSmallIconCaption("Quarterly report", first, control), "Quarte...");
  // A column scrolled away right measures as the first one does.
  control.at = {300, 0};
  EXPECT_EQ(FitSmallIconCaption("Quarterly report", {{300, 0}, {0, 0}, first.client}, control),
            "Quarte...");
  // A list narrower than the column: the label ends inside the list.
  control.at = {0, 0};
  control.column = 200;
  EXPECT_EQ(FitSmallIconCaption("Quarterly report", {{0, 0}, {0, 0}, {0, 0, 70, 100}}, control),
            "Quart...");
  control.placesLabels = false;
  EXPECT_EQ(FitSmallIconCaption(std::string(50, 'a'), first, control),
            std::string(48, 'a') + "...");
}

TEST(FitLargeIconCaption, KeepsTheLinesThatFitBelowTheIconInTheFirstRow) {
  ModelControl control;
  control.smallIcons = false;
  // Room for two lines below the icon: up to 120 pixels of label.
  const CaptionPlace first{{0, 0}, {0, 0}, {0, 0, 60, 52}};
  EXPECT_EQ(FitLargeIconCaption("Notes", first, control), "Notes");
  const std::string fitted =
      FitLargeIconCaption("The quarterly report of the year", first, control);
  EXPECT_EQ(fitted, "The quarterly re...");
  control.at = {0, 80};
  EXPECT_EQ(FitLargeIconCaption("The quarterly report of the year", {{0, 80}, {0, 0}, first.client},
                                control),
            fitted);
}

TEST(CaptionShowsCut, WhenTheTextOutgrowsItsLabelOrTheLabelLeavesTheList) {
  const Rect client{0, 0, 100, 100};
  const Rect label{10, 10, 60, 30};
  EXPECT_FALSE(CaptionShowsCut({51, 21}, label, client));  // a pixel of slack
  EXPECT_TRUE(CaptionShowsCut({50, 22}, label, client));
  EXPECT_TRUE(CaptionShowsCut({52, 20}, label, client));
  EXPECT_TRUE(CaptionShowsCut({10, 10}, {90, 10, 101, 30}, client));
  EXPECT_TRUE(CaptionShowsCut({10, 10}, {-1, 10, 40, 30}, client));
}

}  // namespace
}  // namespace olb
