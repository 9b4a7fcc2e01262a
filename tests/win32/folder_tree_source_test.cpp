// The find index's platform side: names folded by the system's tables, the
// worker that reads folders, and the watch of the tree telling which folder
// a name came to.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "temp_folder.h"
#include "win32/adapters/win32_folder_tree_source.h"
#include "win32/adapters/win32_text_case.h"

namespace olb::win {
namespace {

TEST(Win32FoldTest, DropsCaseAndMarksAndSpellsOutLigatures) {
  Win32TextCase fold;
  EXPECT_EQ(fold.Fold("Développement"), "developpement");
  EXPECT_EQ(fold.Fold("ÆRØ"), "aerø");
  EXPECT_EQ(fold.Fold("Straße"), "strasse");
  EXPECT_EQ(fold.Fold("Cafe\xCC\x81 NOIR"), "cafe noir");
}

// Waits up to five seconds for news that `done` accepts, gathering it all.
template <typename Done>
bool WaitFor(Win32FolderTreeSource& source, TreeNews& all, Done done) {
  for (int i = 0; i < 100 && !done(all); ++i) {
    Sleep(50);
    TreeNews news = source.Take();
    for (FolderListing& l : news.listed) all.listed.push_back(std::move(l));
    for (std::string& c : news.changed) all.changed.push_back(std::move(c));
  }
  return done(all);
}

TEST(Win32FolderTreeSourceTest, ReadsAFolderAsTheBarShowsItAndTellsOfANameMadeInIt) {
  TempFolder root;
  root.AddFolder("Games\\Emulators");
  root.AddFile("Games\\Board.txt");
  Win32FolderTreeSource source(nullptr, WM_APP);
  source.Watch(root.Path());
  source.List(root.PathOf("Games"));
  TreeNews all;
  ASSERT_TRUE(WaitFor(source, all, [](const TreeNews& n) { return !n.listed.empty(); }));
  const FolderListing& games = all.listed.front();
  ASSERT_TRUE(games.ok);
  ASSERT_EQ(games.entries.size(), 2u);
  EXPECT_TRUE(games.entries[0].isFolder);  // folders first, as the bar shows them
  EXPECT_EQ(games.entries[0].fileName, "Emulators");
  EXPECT_EQ(games.entries[1].fileName, "Board.txt");

  root.AddFile("Games\\New.txt");
  const std::string folder = root.PathOf("Games");
  EXPECT_TRUE(WaitFor(source, all, [&](const TreeNews& n) {
    return std::find(n.changed.begin(), n.changed.end(), folder) != n.changed.end();
  }));
}

}  // namespace
}  // namespace olb::win
