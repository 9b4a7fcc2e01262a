// The user's order of a folder's items: merging a stored order with what
// the shell lists, moving items, and reading back what the registry holds.
#include <gtest/gtest.h>

#include "core/folder/item_order.h"
#include "core/settings/options_store.h"
#include "core/settings/order_store.h"
#include "sim/memory_registry.h"

namespace olb::testing {
namespace {

using Names = std::vector<std::string>;

Names Shown(const Names& listed, const Names& stored) {
  Names shown;
  for (size_t i : OrderByStoredNames(listed, stored)) shown.push_back(listed[i]);
  return shown;
}

TEST(ItemOrder, StoredNamesComeFirstAndTheRestFollowInTheShellsOrder) {
  const Names listed{"a.lnk", "B.lnk", "c.lnk", "d.lnk", "new.lnk"};
  // Case folds, unknown names and repeats count for nothing.
  EXPECT_EQ(Shown(listed, {"D.LNK", "gone.lnk", "b.lnk", "d.lnk", "a.lnk"}),
            (Names{"d.lnk", "B.lnk", "a.lnk", "c.lnk", "new.lnk"}));
  EXPECT_EQ(Shown(listed, {}), listed);
  EXPECT_EQ(Shown({}, {"a.lnk"}), Names{});
}

TEST(ItemOrder, MovedItemsStandTogetherBeforeTheTarget) {
  const Names names{"a", "b", "c", "d", "e"};
  MovedNames m = MoveNames(names, {2}, 0);
  EXPECT_EQ(m.names, (Names{"c", "a", "b", "d", "e"}));
  EXPECT_EQ(m.first, 0);
  m = MoveNames(names, {3, 0, 3, 9, -1}, 5);  // repeats and rows outside are ignored
  EXPECT_EQ(m.names, (Names{"b", "c", "e", "a", "d"}));
  EXPECT_EQ(m.first, 3);
  EXPECT_EQ(m.count, 2);
  m = MoveNames(names, {1}, 3);  // before "d": after "c"
  EXPECT_EQ(m.names, (Names{"a", "c", "b", "d", "e"}));
  EXPECT_EQ(m.first, 2);
}

TEST(OrderStore, KeepsEachFolderApartAndReadsBackWhatWasWritten) {
  sim::MemoryRegistry registry;
  ASSERT_TRUE(WriteItemOrder(registry, "", {"b.lnk", "a.lnk"}));
  ASSERT_TRUE(WriteItemOrder(registry, "Games", {"x.lnk"}));
  EXPECT_EQ(ReadItemOrder(registry, ""), (Names{"b.lnk", "a.lnk"}));
  EXPECT_EQ(ReadItemOrder(registry, "GAMES"), Names{"x.lnk"});
  EXPECT_TRUE(ReadItemOrder(registry, "Tools").empty());
  ASSERT_TRUE(ClearItemOrder(registry, "Games"));
  EXPECT_TRUE(ReadItemOrder(registry, "Games").empty());
  EXPECT_EQ(ReadItemOrder(registry, ""), (Names{"b.lnk", "a.lnk"}));
}

TEST(OrderStore, AHostileOrBrokenValueIsNoOrder) {
  const auto bytes = [](std::string_view s) { return std::vector<uint8_t>(s.begin(), s.end()); };
  using std::string_literals::operator""s;
  EXPECT_EQ(DecodeOrder(bytes("Games\0a\0A\0b\0"s), "games"), (Names{"a", "b"}));
  EXPECT_TRUE(DecodeOrder(bytes("Tools\0a\0"s), "Games").empty()) << "another folder's";
  EXPECT_TRUE(DecodeOrder(bytes("..\0a\0"s), "..").empty()) << "leaves the root";
  EXPECT_TRUE(DecodeOrder(bytes("\0a\0..\\x\0"s), "").empty()) << "a name with a path";
  EXPECT_TRUE(DecodeOrder(bytes("\0a"s), "").empty()) << "cut short";
  EXPECT_TRUE(DecodeOrder({}, "").empty());
  std::vector<uint8_t> huge(kMaxOrderBytes + 2, 'a');
  huge[0] = 0;
  huge.back() = 0;
  EXPECT_TRUE(DecodeOrder(huge, "").empty()) << "far too long";

  sim::MemoryRegistry registry;
  registry.Write(RegistryRoot::CurrentUser, kOptionsKey, OrderValueName(""),
                 {static_cast<uint32_t>(RegistryType::String), bytes("\0a\0"s)});
  EXPECT_TRUE(ReadItemOrder(registry, "").empty()) << "another type";
  EXPECT_FALSE(WriteItemOrder(registry, "", Names(6000, std::string(700, 'n'))));
}

TEST(OrderStore, OnlyFoldersBelowTheRootHaveAPlace) {
  EXPECT_EQ(RelativeFolderPath("C:\\R", "C:\\R\\"), "");
  EXPECT_EQ(RelativeFolderPath("C:\\r\\Games\\Old", "C:\\R\\"), "Games\\Old");
  EXPECT_EQ(RelativeFolderPath("C:\\Rx", "C:\\R\\"), std::nullopt);
  EXPECT_EQ(RelativeFolderPath("C:\\R\\..\\Windows", "C:\\R\\"), std::nullopt);
  EXPECT_EQ(RelativeFolderPath("C:\\Other", "C:\\R\\"), std::nullopt);
}

}  // namespace
}  // namespace olb::testing
