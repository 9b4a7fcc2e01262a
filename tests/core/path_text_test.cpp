#include <gtest/gtest.h>

#include "core/paths/path_text.h"

namespace olb {
namespace {

TEST(PathText, ExtensionAfterTheLastDotUnlessAPathSeparatorFollows) {
  const struct {
    const char* path;
    const char* ext;
  } cases[] = {{"C:\\x\\App.EXE", ".exe"},    {"C:\\a.b\\file", ""},
               {"C:\\x\\notes.txt", ".txt"},  {"file", ""},
               {"C:\\x\\.hidden", ".hidden"}, {"C:a.b:stream", ""},
               {"C:\\x\\b.TxT", ".txt"},      {"C:\\x\\b.", "."},
               {"C:\\x\\Ä.ÄB", ".Äb"}};
  for (const auto& c : cases) EXPECT_EQ(PathExtension(c.path), c.ext) << c.path;
}

TEST(PathText, FolderIsEverythingBeforeTheLastBackslash) {
  const struct {
    const char* path;
    const char* folder;
  } cases[] = {{"C:\\x", "C:\\"},
               {"C:\\a\\x", "C:\\a"},
               {"Z:\\", "Z:\\"},
               {"x", ""},
               {"C:x", "C:"},
               {"\\\\srv\\share\\x", "\\\\srv\\share"},
               {"C:\\a\\b\\c.txt", "C:\\a\\b"}};
  for (const auto& c : cases) EXPECT_EQ(PathFolder(c.path), c.folder) << c.path;
}

TEST(PathText, FolderEndsKeepOneBackslashOnlyWhereTheyNeedIt) {
  EXPECT_EQ(FolderPrefix("C:\\Bar\\Games"), "C:\\Bar\\Games\\");
  EXPECT_EQ(FolderPrefix("C:\\"), "C:\\");
  EXPECT_EQ(FolderPrefix("\\\\server\\share"), "\\\\server\\share\\");
  EXPECT_EQ(FolderPrefix("C:"), "C:\\");
  EXPECT_EQ(WithoutTrailingBackslashes("C:\\Bar\\\\"), "C:\\Bar");
  EXPECT_EQ(WithoutTrailingBackslashes("C:\\"), "C:\\");
  EXPECT_EQ(WithoutTrailingBackslashes("\\"), "\\");
}

TEST(PathText, NamesFollowTheLastBackslashOrForALeafAlsoAColon) {
  EXPECT_EQ(FileNamePart("C:\\a\\b.exe"), "b.exe");
  EXPECT_EQ(FileNamePart("b.exe"), "b.exe");
  EXPECT_EQ(FileNamePart("C:\\a\\"), "");
  EXPECT_EQ(FileNamePart("C:name.txt"), "C:name.txt");
  EXPECT_EQ(LeafName("C:name.txt"), "name.txt");
  EXPECT_EQ(LeafName("C:\\a\\b"), "b");
}

TEST(PathText, NoCaseComparisonsFoldOnlyAToZ) {
  EXPECT_TRUE(EqualNoCase("C:\\Bar\\Tools.LNK", "c:\\bar\\tools.lnk"));
  EXPECT_FALSE(EqualNoCase("\xC3\x84", "\xC3\xA4")) << "UTF-8 letters keep their case";
  EXPECT_FALSE(EqualNoCase("@", "`")) << "only letters fold";
  EXPECT_FALSE(EqualNoCase("abc", "ab"));
  EXPECT_TRUE(StartsWithNoCase("Games", "gA"));
  EXPECT_FALSE(StartsWithNoCase("Ga", "Games"));
  EXPECT_TRUE(EndsWithNoCase("x.URL", ".url"));
  EXPECT_FALSE(EndsWithNoCase("rl", ".url"));
}

}  // namespace
}  // namespace olb
