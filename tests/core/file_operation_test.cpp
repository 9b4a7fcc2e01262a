#include <gtest/gtest.h>

#include <string_view>

#include "core/commands/file_operation.h"
#include "core/platform/utf16.h"
#include "fs_fixture.h"
#include "sim/linux/fs_file_ops.h"

namespace olb {
namespace {

using namespace std::string_literals;

// The code units the shell reads from the adapter's `c_str()`: the list and
// the string's own terminator.
std::u16string AsPassed(const std::u16string& list) {
  return std::u16string(list.c_str(), list.size() + 1);
}

TEST(PathList, IsThePathInUtf16FollowedByTwoNulsAndTheTerminator) {
  struct Case {
    std::string path;
    std::u16string passed;
  } cases[] = {
      {"", u"\0\0\0"s},
      {"C:\\a", u"C:\\a\0\0\0"s},
      {"C:\\\xC3\x84pfel", u"C:\\\u00C4pfel\0\0\0"s},
      {"Z:\\\xF0\x9F\x98\x80", u"Z:\\\xD83D\xDE00\0\0\0"s},
      {"bad\xFF", u"bad\xFFFD\0\0\0"s},
  };
  for (const Case& c : cases) {
    const std::u16string list = PathList(c.path);
    EXPECT_EQ(list.size() + 1, c.passed.size()) << c.path;
    EXPECT_EQ(AsPassed(list), c.passed) << c.path;
  }
}

TEST(Utf16, RoundTripsAndReplacesWhatIsMalformed) {
  for (std::string text : {"", "plain", "Caf\xC3\xA9", "\xE2\x82\xAC 5", "\xF0\x9F\x98\x80"}) {
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
  }
  struct Case {
    std::string in;
    std::u16string out;
  } bad[] = {
      {"\xC0\xAF", u"\xFFFD\xFFFD"},                      // overlong "/"
      {"\xED\xA0\x80", u"\xFFFD\xFFFD\xFFFD"},            // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\xFFFD\xFFFD\xFFFD\xFFFD"},  // beyond U+10FFFF
      {"a\xE2\x82", u"a\xFFFD\xFFFD"},                    // cut short
  };
  for (const Case& c : bad) EXPECT_EQ(Utf8ToUtf16(c.in), c.out);
  EXPECT_EQ(Utf16ToUtf8(u"x\xD800y"), "x\xEF\xBF\xBDy");  // a lone surrogate
}

TEST(ProgressTitle, NamesTheFourOperationsAndNothingElse) {
  EXPECT_EQ(ProgressTitle(kFoMove), u"Moving...");
  EXPECT_EQ(ProgressTitle(kFoCopy), u"Copying...");
  EXPECT_EQ(ProgressTitle(kFoDelete), u"Deleting...");
  EXPECT_EQ(ProgressTitle(kFoRename), u"Renaming...");
  for (int32_t other : {0, 5, -1, 0x10001}) EXPECT_FALSE(ProgressTitle(other)) << other;
}

TEST(BuildFileOperation, PassesTheCodeAsGivenAndKeepsTheLowSixteenFlagBits) {
  const ShellFileOperation odd = BuildFileOperation("a", "b", 7, 0x00010040);
  EXPECT_EQ(odd.function, 7);
  EXPECT_FALSE(odd.progressTitle);
  EXPECT_EQ(odd.flags, kFofAllowUndo);
  EXPECT_EQ(FlagsWord(static_cast<int32_t>(0xFFFF0400u)), kFofNoErrorUi);
  EXPECT_EQ(FlagsWord(0x0000FFFF), 0xFFFF);
  const ShellFileOperation move = BuildFileOperation("a", "b", kFoMove, kFofAllowUndo);
  EXPECT_EQ(move.from, u"a\0\0"s);
  EXPECT_EQ(move.to, u"b\0\0"s);
  EXPECT_EQ(move.progressTitle, u"Moving...");
}

class FileOperationOnDisk : public testing::FsFixture {
 protected:
  sim::FsFileOps files{root() / "RecycleBin"};
};

TEST_F(FileOperationOnDisk, IsTrueExactlyWhenTheShellSucceeds) {
  File("a.txt");
  Dir("into");
  EXPECT_TRUE(FileOperation(files, Win("a.txt"), Win("into"), kFoMove, kFofAllowUndo));
  EXPECT_TRUE(std::filesystem::exists(root() / "into" / "a.txt"));
  EXPECT_FALSE(FileOperation(files, Win("a.txt"), Win("b.txt"), kFoMove, kFofAllowUndo));
  EXPECT_FALSE(FileOperation(files, Win("into/a.txt"), Win("into/a.txt"), kFoCopy, 0));
  EXPECT_EQ(files.operations.size(), 3u);
}

TEST_F(FileOperationOnDisk, RefusesAPathHoldingANulBeforeTheShellSeesIt) {
  File("keep.txt");
  File("a.txt");
  // Passed on, the NUL would make the shell delete keep.txt as a second path.
  const std::string twoPaths = Win("a.txt") + '\0' + Win("keep.txt");
  EXPECT_FALSE(FileOperation(files, twoPaths, "", kFoDelete, kFofAllowUndo));
  EXPECT_FALSE(FileOperation(files, Win("a.txt"), "x\0y"s, kFoMove, 0));
  EXPECT_TRUE(files.operations.empty());
  EXPECT_TRUE(std::filesystem::exists(root() / "keep.txt"));
}

TEST_F(FileOperationOnDisk, DeleteGuardsAreExactWholeStringsAndOneCaseSensitiveSubstring) {
  Dir("Control Panel");
  Dir("NetHood");
  struct Case {
    std::string path;
    bool guarded;
  } cases[] = {
      {"", true},
      {"Control Panel", true},
      {"Recycle Bin", true},
      {"control panel", false},
      {"Recycle bin", false},
      {" Control Panel", false},
      {"C:\\x\\nethood", true},
      {"C:\\Users\\me\\mynethoodstuff.txt", true},
      {Win("NetHood"), false},
      {Win("Control Panel"), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsDeleteGuarded(c.path), c.guarded) << c.path;
    files.operations.clear();
    DeleteSH(files, c.path);
    ASSERT_EQ(files.operations.size(), c.guarded ? 0u : 1u) << c.path;
    if (c.guarded) continue;
    const ShellFileOperation& op = files.operations.front();
    EXPECT_EQ(op.function, kFoDelete);
    EXPECT_EQ(op.flags, kFofAllowUndo);
    EXPECT_EQ(op.from, PathList(c.path));
    EXPECT_EQ(AsPassed(op.to), std::u16string(3, u'\0'));
  }
  // The folders reached the shell, which sent them to the recycle bin.
  EXPECT_TRUE(std::filesystem::exists(root() / "RecycleBin" / "NetHood"));
  EXPECT_TRUE(std::filesystem::exists(root() / "RecycleBin" / "Control Panel"));
}

}  // namespace
}  // namespace olb
