// Finding items anywhere under the root by part of their name.
#include <gtest/gtest.h>

#include "core/find/find_indexer.h"
#include "fs_fixture.h"
#include "sim/linux/unicode_text_case.h"
#include "sim/queued_tree_source.h"

namespace olb::testing {
namespace {

std::vector<ListedEntry> Files(std::initializer_list<const char*> names) {
  std::vector<ListedEntry> entries;
  for (const char* n : names) entries.push_back({n, std::string(n) + ".lnk", false});
  return entries;
}

std::vector<std::string> Found(const std::vector<FindHit>& hits) {
  std::vector<std::string> names;
  for (const FindHit& h : hits) names.push_back(h.category + "|" + h.name);
  return names;
}

TEST(FindIndexTest, RanksWordStartsFirstThenTheRootThenEachFoldersOrder) {
  sim::UnicodeTextCase fold;
  FindIndex index;
  EXPECT_EQ(index.PutFolder("", {{"Games", "Games", true}, {"Tools", "Tools", true}}, fold),
            (std::vector<std::string>{"Games", "Tools"}));
  index.PutFolder("", Files({"Notepad", "Ship Tool", "Toolbox"}), fold);
  index.PutFolder("Games", Files({"Zebra Tool", "Atool"}), fold);
  index.PutFolder("Games 2", Files({"Retool"}), fold);
  index.PutFolder("Games\\Old", Files({"My tool-kit"}), fold);
  EXPECT_EQ(Found(index.Query("TOOL", fold, "C:\\R", 10)),
            (std::vector<std::string>{"|Ship Tool", "|Toolbox", "Games|Zebra Tool",
                                      "Games\\Old|My tool-kit", "Games|Atool", "Games 2|Retool"}));
  EXPECT_EQ(Found(index.Query("tool", fold, "C:\\R", 2)),
            (std::vector<std::string>{"|Ship Tool", "|Toolbox"}));
  const std::vector<FindHit> deep = index.Query("kit", fold, "C:\\R", 10);
  ASSERT_EQ(deep.size(), 1u);
  EXPECT_EQ(deep[0].path, "C:\\R\\Games\\Old\\My tool-kit.lnk");
  EXPECT_TRUE(index.Query("", fold, "C:\\R", 10).empty());
}

TEST(FindIndexTest, FoldsCaseAndAccentsAsTheSystemSorts) {
  sim::UnicodeTextCase fold;
  FindIndex index;
  index.PutFolder("", Files({"Développement", "Ærøskøbing", "Straße", "Cafe\xCC\x81 Noir"}), fold);
  EXPECT_EQ(Found(index.Query("DEVE", fold, "R", 9)), (std::vector<std::string>{"|Développement"}));
  EXPECT_EQ(Found(index.Query("aerø", fold, "R", 9)), (std::vector<std::string>{"|Ærøskøbing"}));
  EXPECT_EQ(Found(index.Query("STRASS", fold, "R", 9)), (std::vector<std::string>{"|Straße"}));
  EXPECT_EQ(Found(index.Query("café", fold, "R", 9)),
            (std::vector<std::string>{"|Cafe\xCC\x81 Noir"}));
  // Ø does not decompose: it is no O.
  EXPECT_TRUE(index.Query("aero", fold, "R", 9).empty());
}

TEST(FindIndexTest, StaysWithinItsMemoryBound) {
  sim::UnicodeTextCase fold;
  std::vector<ListedEntry> many;
  for (int i = 0; i < 1000; ++i)
    many.push_back({"Item " + std::to_string(i), "f" + std::to_string(i), false});
  FindIndex index(20000);
  index.PutFolder("", {{"A", "A", true}, {"B", "B", true}}, fold);
  index.PutFolder("A", many, fold);
  EXPECT_TRUE(index.full());
  EXPECT_LE(index.bytes(), 20000u);
  EXPECT_GT(index.itemCount(), 50u);
  // A folder read again is counted once; one dropped makes room.
  const size_t held = index.bytes();
  index.PutFolder("A", many, fold);
  EXPECT_EQ(index.bytes(), held);
  index.PutFolder("", {{"B", "B", true}}, fold);
  EXPECT_FALSE(index.HasFolder("A"));
  EXPECT_LT(index.bytes(), 1000u);
  EXPECT_FALSE(index.full());
}

class FindIndexerTest : public FsFixture {
 protected:
  // Reads every folder asked for until nothing is left to read.
  void Settle() {
    for (int round = 0; round < 20 && (source.asked() || indexer.building()); ++round) {
      source.Deliver();
      indexer.OnNews();
    }
    EXPECT_FALSE(indexer.building());
  }
  std::vector<std::string> Find(const char* text) { return Found(indexer.Query(text, 50)); }

  sim::TrackingAllocator allocator;
  sim::FsNamespace shell{allocator};
  sim::UnicodeTextCase fold;
  sim::QueuedTreeSource source{shell};
  FindIndexer indexer{source, fold};
};

TEST_F(FindIndexerTest, KeepsTheIndexCurrentWithChangesInACategory) {
  Dir("Games/Emulators");
  File("Games/Emulators/Zephyr Tool.exe");
  File("Top.exe");
  indexer.Start(Win() + "\\");
  EXPECT_EQ(source.watched, Win());
  Settle();
  EXPECT_EQ(Find("phyr"), (std::vector<std::string>{"Games\\Emulators|Zephyr Tool.exe"}));
  EXPECT_EQ(indexer.Query("phyr", 1)[0].path, Win("Games/Emulators/Zephyr Tool.exe"));

  File("Games/Emulators/Zephyrine.exe");
  std::filesystem::rename(root() / "Games/Emulators/Zephyr Tool.exe",
                          root() / "Games/Emulators/Gale.exe");
  source.Changed(Win("Games/Emulators"));
  indexer.OnNews();
  Settle();
  EXPECT_EQ(Find("phyr"), (std::vector<std::string>{"Games\\Emulators|Zephyrine.exe"}));
  EXPECT_EQ(Find("gale").size(), 1u);

  // A category made and one deleted, seen as changes of their parents.
  Dir("Games/New");
  File("Games/New/Zephyr Two.exe");
  std::filesystem::remove_all(root() / "Games/Emulators");
  source.Changed(Win("Games"));
  indexer.OnNews();
  Settle();
  EXPECT_EQ(Find("phyr"), (std::vector<std::string>{"Games\\New|Zephyr Two.exe"}));
  EXPECT_FALSE(indexer.index().HasFolder("Games\\Emulators"));
}

}  // namespace
}  // namespace olb::testing
