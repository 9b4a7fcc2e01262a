#include <gtest/gtest.h>

#include <set>

#include "core/layout/caption_text.h"
#include "core/folder/item_presentation.h"
#include "core/folder/list_answers.h"
#include "fs_fixture.h"
#include "sim/view_doubles.h"

namespace olb {
namespace {

TEST(SizeColumn, WholeSizeInThousandsNeverBelowOne) {
  const struct {
    uint64_t bytes;
    int64_t kb;
    const char* text;
  } cases[] = {{0, 1, "1KB"},
               {1, 1, "1KB"},
               {1999, 1, "1KB"},
               {2000, 2, "2KB"},
               {12345, 12, "12KB"},
               {5000000000ull, 5000000, "5000000KB"},
               {UINT64_MAX, 18446744073709551, "18446744073709551KB"}};
  for (const auto& c : cases) {
    EXPECT_EQ(SizeKBFromBytes(c.bytes), c.kb) << c.bytes;
    EXPECT_EQ(SizeText(SizeKBFromBytes(c.bytes)), c.text) << c.bytes;
  }
}

TEST(AttributeColumnAndColour, FollowTheAttributeBits) {
  const struct {
    uint32_t attributes;
    const char* letters;
    ItemColor color;
  } cases[] = {
      {0, "", ItemColor::ListFont},
      {kFileArchive, "A", ItemColor::ListFont},
      {kFileDirectory, "", ItemColor::ListFont},
      {kFileReadOnly | kFileArchive, "RA", ItemColor::Highlight},
      {kFileHidden, "H", ItemColor::GrayText},
      {kFileHidden | kFileSystem, "HS", ItemColor::Highlight},
      {kFileReadOnly | kFileHidden, "RH", ItemColor::GrayText},
      {kFileSystem, "S", ItemColor::Highlight},
      {0x27, "RHSA", ItemColor::Highlight},
      {0x80, "", ItemColor::ListFont},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AttributeLetters(c.attributes), c.letters) << c.attributes;
    EXPECT_EQ(ItemTextColor(c.attributes), c.color) << c.attributes;
  }
}

// Answers a fixed local time, for the formatting rules alone.
class FixedTime : public TimeFormat {
 public:
  std::optional<SystemTime> FileTimeToLocal(uint64_t) override { return local; }
  std::string ShortDate(const SystemTime& t) override { return "D" + std::to_string(t.day); }
  std::string LongTime(const SystemTime& t) override { return "T" + std::to_string(t.hour); }
  std::optional<SystemTime> local;
};

TEST(ModifiedText, DateAloneAtMidnightAndEmptyWhenUnknown) {
  FixedTime fixed;
  const SystemTime noon{2020, 2, 0, 29, 12, 0, 0, 0};
  const SystemTime midnight{2020, 2, 0, 29, 0, 0, 0, 0};
  const SystemTime justAfter{2020, 2, 0, 29, 0, 0, 0, 1};
  const SystemTime notLeap{1900, 2, 0, 29, 12, 0, 0, 0};
  const SystemTime month13{2020, 13, 0, 1, 12, 0, 0, 0};
  const SystemTime yearZero{0, 1, 0, 1, 12, 0, 0, 0};
  const SystemTime hour24{2020, 1, 0, 1, 24, 0, 0, 0};
  const struct {
    std::optional<SystemTime> local;
    uint64_t fileTime;
    const char* text;
  } cases[] = {{noon, 1, "D29 T12"}, {midnight, 1, "D29"},  {justAfter, 1, "D29 T0"},
               {noon, 0, ""},        {std::nullopt, 1, ""}, {notLeap, 1, ""},
               {month13, 1, ""},     {yearZero, 1, ""},     {hour24, 1, ""}};
  for (const auto& c : cases) {
    fixed.local = c.local;
    EXPECT_EQ(ModifiedText(fixed, c.fileTime), c.text);
  }
}

TEST(ModifiedText, ConvertsFileTimesToTheLocalZone) {
  // 2020-01-02 03:04:05 UTC.
  const uint64_t fileTime = (1577934245ull + 11644473600ull) * 10000000ull;
  sim::FixedZoneTimeFormat utc, plusTwo(120), minusFour(-4 * 60);
  EXPECT_EQ(ModifiedText(utc, fileTime), "1/2/2020 3:04:05 AM");
  EXPECT_EQ(ModifiedText(plusTwo, fileTime), "1/2/2020 5:04:05 AM");
  EXPECT_EQ(ModifiedText(minusFour, fileTime), "1/1/2020 11:04:05 PM");
  const uint64_t midnight = (1577923200ull + 11644473600ull) * 10000000ull;
  EXPECT_EQ(ModifiedText(utc, midnight), "1/2/2020");
  EXPECT_EQ(ModifiedText(utc, 1ull << 63), "") << "the conversion refuses it";
}

class FindTest : public ::testing::Test {
 protected:
  std::optional<int32_t> Find(std::string_view text, int32_t start, bool wrap) {
    visited.clear();
    return FindByPrefix(
        static_cast<int32_t>(names.size()),
        [this](int32_t i) -> std::string_view {
          EXPECT_TRUE(i >= 0 && i < static_cast<int32_t>(names.size())) << i;
          EXPECT_TRUE(visited.insert(i).second) << "visited twice: " << i;
          order.push_back(i);
          return names.at(static_cast<size_t>(i));
        },
        text, start, wrap);
  }
  std::vector<std::string> names{"Alpha", "beta", "Gamma"};
  std::set<int32_t> visited;
  std::vector<int32_t> order;
};

TEST_F(FindTest, PrefixWithoutCaseFromTheStartThenWrapping) {
  const struct {
    const char* text;
    int32_t start;
    bool wrap;
    std::optional<int32_t> found;
  } cases[] = {
      {"B", 2, true, 1},
      {"B", 2, false, std::nullopt},
      {"a", 0, false, 0},
      {"GAM", 0, false, 2},
      {"alphabet", 0, true, std::nullopt},
      {"x", 1, true, std::nullopt},
      {"a", 3, true, 0},
      {"a", 3, false, std::nullopt},
      {"a", 1000, true, 0},
      {"g", -5, false, 2},
      {"be", -1, true, 1},
      {"", 1, false, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Find(c.text, c.start, c.wrap), c.found)
        << c.text << " from " << c.start << (c.wrap ? " wrapping" : "");
  }
  // Starting at the last record checks it first, then wraps to the top.
  order.clear();
  EXPECT_EQ(Find("alpha", 2, true), 0);
  EXPECT_EQ(order, (std::vector<int32_t>{2, 0}));
}

TEST_F(FindTest, OnlyLettersAToZFoldCase) {
  names = {"\xC3\xA9t\xC3\xA9", "_x", "[y"};
  EXPECT_EQ(Find("\xC3\x89", 0, true), std::nullopt) << "É is not é";
  EXPECT_EQ(Find("\xC3\xA9T", 0, true), 0);
  EXPECT_EQ(Find("_X", 0, true), 1);
  EXPECT_EQ(Find("{", 0, true), std::nullopt) << "[ is not {";
}

TEST(FindKindFromFlags, MapsTheControlsFlags) {
  EXPECT_EQ(FindKindFromFlags(0x0002), FindKind::ExactString);
  EXPECT_EQ(FindKindFromFlags(0x000A), FindKind::PartialString);
  EXPECT_EQ(FindKindFromFlags(0x0001), FindKind::Data);
  EXPECT_EQ(FindKindFromFlags(0x0040), FindKind::Nearest);
}

TEST(CacheHintInRange, BothEndsInsideTheRecords) {
  EXPECT_TRUE(CacheHintInRange(0, 2, 3));
  EXPECT_FALSE(CacheHintInRange(0, 3, 3));
  EXPECT_FALSE(CacheHintInRange(-1, 1, 3));
  EXPECT_FALSE(CacheHintInRange(0, -1, 3));
  EXPECT_FALSE(CacheHintInRange(0, 0, 0));
}

class ListAnswersTest : public testing::ModelFixture {
 protected:
  void SetUp() override {
    Dir("Games");
    File("empty.txt", 0);
    File("Tool.exe", 12345);
    model.OpenFolderByPath(Win());
  }
};

TEST_F(ListAnswersTest, ReportStyleAddsFourSubitems) {
  list.style = ListViewStyle::Report;
  CacheHint(model, 0, 2);
  const auto folder = ListViewData(model, 0, true);
  ASSERT_TRUE(folder);
  EXPECT_EQ(folder->caption, "Games");
  EXPECT_EQ(folder->iconIndex, 3);
  ASSERT_EQ(folder->subItems.size(), 4u);
  EXPECT_EQ(folder->subItems[0], "") << "a folder shows no size";
  EXPECT_EQ(folder->subItems[1], "File folder");
  EXPECT_EQ(folder->subItems[3], "");
  const auto file = ListViewData(model, 1, true);
  EXPECT_EQ(file->subItems[0], "1KB");
  EXPECT_EQ(file->subItems[3], "A");
  EXPECT_FALSE(file->subItems[2].empty());
  EXPECT_TRUE(ListViewData(model, 2, false)->subItems.empty());
}

TEST_F(ListAnswersTest, RequestsOutsideTheRecordsAreIgnored) {
  for (int32_t bad : {-1, 3, 1000, INT32_MIN, INT32_MAX}) {
    EXPECT_FALSE(ListViewData(model, bad, true)) << bad;
    EXPECT_EQ(ItemCaption(model, bad), "") << bad;
    EXPECT_EQ(ItemDrawColor(model, bad), ItemColor::ListFont) << bad;
  }
  EXPECT_EQ(ItemDrawColor(model, std::nullopt), ItemColor::ListFont);
}

TEST_F(ListAnswersTest, DataFillsAnUnhintedItemAndHintsPastTheEndFillNothing) {
  CacheHint(model, 0, 3);  // end equals the count: not even the valid part
  CacheHint(model, -1, 1);
  EXPECT_EQ(model.detailFills(), 0);
  EXPECT_EQ(ListViewData(model, 0, false)->iconIndex, 3);
  EXPECT_EQ(model.detailFills(), 1);
  ListViewData(model, 0, false);
  EXPECT_EQ(model.detailFills(), 1);  // once
  CacheHint(model, 1, 2);
  EXPECT_EQ(model.detailFills(), 3);
  EXPECT_EQ(model.GetItem(2)->IconIndex, 2);
}

TEST_F(ListAnswersTest, FindAnswersOnlyTheStringKinds) {
  EXPECT_EQ(FindItem(model, FindKind::PartialString, "to", 0, false), 2);
  EXPECT_EQ(FindItem(model, FindKind::ExactString, "EMP", 0, false), 1);
  EXPECT_EQ(FindItem(model, FindKind::Data, "to", 0, false), std::nullopt);
  EXPECT_EQ(FindItem(model, FindKind::Nearest, "to", 0, false), std::nullopt);
  EXPECT_EQ(FindItem(model, FindKind::PartialString, "g", 3, true), 0);
}

TEST(CaptionText, LongNamesAreCutInSmallIconsAndWrappedInTips) {
  const std::string cyrillic = "\xD0\x96";  // one character, two bytes
  std::string name;
  for (size_t i = 0; i < kSmallIconCaptionChars; ++i) name += cyrillic;
  EXPECT_EQ(SmallIconCaption(name), name) << "a name that fits stays whole";
  EXPECT_EQ(SmallIconCaption(name + "x"), name + "...") << "cut between characters";
  const auto sixBytes = [](std::string_view text) { return text.size() <= 6; };
  EXPECT_EQ(CaptionThatFits("abcdef", sixBytes), "abcdef");
  EXPECT_EQ(CaptionThatFits("abcdefg", sixBytes), "abc...");
  EXPECT_EQ(CaptionThatFits(cyrillic + cyrillic + cyrillic + cyrillic, sixBytes), cyrillic + "...")
      << "cut between characters";
  EXPECT_EQ(CaptionThatFits("abcdefg", [](std::string_view) { return false; }), "...");
  EXPECT_EQ(CaptionThatFits("ab. cdefg", [](std::string_view t) { return t.size() <= 7; }), "ab...")
      << "no dot or blank before the cut";
  EXPECT_EQ(BreakLongRuns("abcdefg hi", 3), "abc\ndef\ng hi");
  EXPECT_EQ(BreakLongRuns(cyrillic + cyrillic + cyrillic, 2),
            cyrillic + cyrillic + "\n" + cyrillic);
}

}  // namespace
}  // namespace olb
