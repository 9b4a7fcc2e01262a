#include <gtest/gtest.h>

#include <string>

#include "core/layout/accessible_parts.h"
#include "core/layout/arrow.h"
#include "core/layout/part_colors.h"
#include "core/layout/title.h"
#include "sim/linux/unicode_text_case.h"

namespace olb {
namespace {

constexpr std::string_view kRoot = "C:\\Users\\ann\\AppData\\Roaming\\Ovel Launch Bar\\";

std::string Below(std::string_view relative) {
  return std::string(kRoot) + std::string(relative);
}

std::string TitleText(std::string_view current, std::string_view root) {
  static sim::UnicodeTextCase letters;
  return olb::TitleText(current, root, letters);
}

TEST(TitleText, NamesTheFolderBelowTheRoot) {
  struct Case {
    std::string current;
    std::string_view title;
  } cases[] = {
      {std::string(kRoot.substr(0, kRoot.size() - 1)), "OVEL LAUNCH BAR"},
      {Below("Internet"), "OVEL LAUNCH BAR - INTERNET"},
      {Below("Games\\Racing"), "OVEL LAUNCH BAR - GAMES - RACING"},
      // Accented and other scripts' letters by the system's rules; a letter
      // without a capital of its own stays.
      {Below("D\xC3\xA9veloppement"), "OVEL LAUNCH BAR - D\xC3\x89VELOPPEMENT"},
      {Below("\xC3\xA4rger\\x1-z_9"), "OVEL LAUNCH BAR - \xC3\x84RGER - X1-Z_9"},
      {Below("\xCE\xBB\xCF\x82 Stra\xC3\x9F"
             "e"),
       "OVEL LAUNCH BAR - \xCE\x9B\xCE\xA3 STRA\xC3\x9F"
       "E"},
      {Below("Games\\"), "OVEL LAUNCH BAR - GAMES"},
      {Below("a\\\\b"), "OVEL LAUNCH BAR - A -  - B"},
      {Below("\\"), "OVEL LAUNCH BAR - "},
      // Above the root the relative part is empty.
      {"C:\\Users\\ann\\AppData\\Roaming", "OVEL LAUNCH BAR - "},
      // The root test is case-sensitive.
      {"c:\\users\\ann\\appdata\\roaming\\ovel launch bar", "OVEL LAUNCH BAR - "},
  };
  for (const Case& c : cases) EXPECT_EQ(TitleText(c.current, kRoot), c.title) << c.current;
}

TEST(TitleText, EveryLevelIsShownHoweverDeep) {
  std::string current(kRoot.substr(0, kRoot.size() - 1));
  std::string expected(kBarTitle);
  for (int i = 0; i < 25; ++i) {
    current += "\\d" + std::to_string(i);
    expected += " - D" + std::to_string(i);
  }
  EXPECT_EQ(TitleText(current, kRoot), expected);
}

TEST(TitleText, OddPathsGiveATitleWithoutFault) {
  EXPECT_EQ(TitleText("", ""), "OVEL LAUNCH BAR - ");
  EXPECT_EQ(TitleText("", "\\"), "OVEL LAUNCH BAR");
  EXPECT_EQ(TitleText("abc", ""), "OVEL LAUNCH BAR - ABC");
  EXPECT_EQ(TitleText("C:\\R", "C:\\R"), "OVEL LAUNCH BAR - ");
  EXPECT_EQ(TitleText("C:\\R", "C:\\R/"), "OVEL LAUNCH BAR - ");
  EXPECT_EQ(TitleText(std::string("C:\\R\\x\0y", 8), "C:\\R\\"),
            std::string("OVEL LAUNCH BAR - X\0Y", 21));
}

TEST(AccessibleParts, NameTheFolderShownAndWhereUpGoes) {
  const std::string root(kRoot.substr(0, kRoot.size() - 1));
  BarLayout layout;
  layout.panel = {0, 20, 100, 44};
  layout.upButton = {2, 1, 24, 23};
  StripState strips;
  strips.forwardActive = true;
  std::vector<AccessiblePart> parts = AccessibleParts(layout, strips, root, kRoot);
  ASSERT_EQ(parts.size(), 4u);
  EXPECT_EQ(parts[0].name, "Ovel Launch Bar");
  EXPECT_EQ(parts[0].role, AccessibleRole::TitleBar);
  EXPECT_EQ(parts[1].name, "Up");
  EXPECT_TRUE(parts[1].unavailable) << "no Up at the root";
  EXPECT_EQ(parts[1].bounds, (Rect{2, 21, 24, 43})) << "the button's place in the form";
  EXPECT_TRUE(parts[2].unavailable) << "nothing to scroll back to";
  EXPECT_FALSE(parts[3].unavailable);

  parts = AccessibleParts(layout, strips, Below("Games"), kRoot);
  EXPECT_EQ(parts[0].name, "Ovel Launch Bar \u2014 Games");
  EXPECT_EQ(parts[1].name, "Up to Ovel Launch Bar");
  EXPECT_FALSE(parts[1].unavailable);
  parts = AccessibleParts(layout, strips, Below("Games\\Old"), kRoot);
  EXPECT_EQ(parts[0].name, "Ovel Launch Bar \u2014 Games \u2014 Old")
      << "as written, not in capitals";
  EXPECT_EQ(parts[1].name, "Up to Games");
}

TEST(TitlePlacement, PerEdge) {
  struct Case {
    Edge edge;
    Size strip;
    std::string_view bitmap;
    Size bitmapSize;
    int32_t height, escapement;
    Point origin;
  } cases[] = {
      {Edge::Left, {20, 700}, "TITLEBAR", {20, 1}, 12, 900, {3, 670}},
      {Edge::Float, {20, 300}, "TITLEBAR", {20, 1}, 12, 900, {3, 270}},
      {Edge::Right, {20, 700}, "TITLEBAR", {20, 1}, 12, 2700, {17, 50}},
      {Edge::Top, {1000, 20}, "TITLEHOR", {1, 20}, 14, 0, {30, 3}},
      {Edge::Bottom, {640, 20}, "TITLEHOR", {1, 20}, 14, 0, {30, 3}},
      // A strip shorter than 30 puts the reference point above its top:
      // the text is simply clipped.
      {Edge::Left, {20, 20}, "TITLEBAR", {20, 1}, 12, 900, {3, -10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToInt(c.edge));
    const TitlePlacement p = PlaceTitle(c.edge, c.strip);
    EXPECT_EQ(p.bitmap, c.bitmap);
    EXPECT_EQ(p.bitmapSize, c.bitmapSize);
    EXPECT_EQ(p.target, (Rect{0, 0, c.strip.cx, c.strip.cy}));
    EXPECT_EQ(p.origin, c.origin);
    EXPECT_EQ(p.font, (TitleFont{"Arial", c.height, c.escapement, 600, 7, 2}));
    EXPECT_EQ(p.text.ColorRef(), 0x000000u);
    EXPECT_EQ(p.background.ColorRef(), 0xDEC6AEu);
  }
}

TEST(TitlePlacement, HorizontalHeightIsOnePointTwoTimesTruncated) {
  EXPECT_EQ(PlaceTitle(Edge::Top, {100, 20}, 12).font.height, 14);
  EXPECT_EQ(PlaceTitle(Edge::Top, {100, 20}, 10).font.height, 12);
  EXPECT_EQ(PlaceTitle(Edge::Top, {100, 20}, 9).font.height, 10);
  EXPECT_EQ(PlaceTitle(Edge::Left, {20, 100}, 9).font.height, 9);
}

TEST(PartColors, HighContrastPaintsInSystemColoursOnly) {
  const TitlePlacement designed = PlaceTitle(Edge::Left, {20, 300});
  TitleColors title = TitleColorsFor(designed, false);
  EXPECT_TRUE(title.picture);
  EXPECT_EQ(title.text, PartColor(designed.text));
  title = TitleColorsFor(designed, true);
  EXPECT_FALSE(title.picture);
  EXPECT_EQ(title.text, PartColor(SystemColor::ButtonText));
  EXPECT_EQ(title.background, PartColor(SystemColor::ButtonFace));

  for (StripLook look : {StripLook::Blank, StripLook::Arrow, StripLook::HoverArrow}) {
    const StripColors normal = StripColorsFor(look, false);
    EXPECT_EQ(normal.fill, PartColor(ArrowFill(look))) << "the designed blues";
    const StripColors contrast = StripColorsFor(look, true);
    EXPECT_EQ(contrast.face, PartColor(SystemColor::ButtonFace));
    EXPECT_EQ(contrast.outline, PartColor(SystemColor::ButtonText));
    EXPECT_EQ(contrast.fill, PartColor(look == StripLook::HoverArrow ? SystemColor::Highlight
                                                                     : SystemColor::ButtonText));
  }
  EXPECT_EQ(UpGlyphTint(true, false), std::nullopt) << "the designed glyph";
  EXPECT_EQ(UpGlyphTint(true, true), SystemColor::ButtonText);
  EXPECT_EQ(UpGlyphTint(false, true), SystemColor::GrayText);
}

}  // namespace
}  // namespace olb
