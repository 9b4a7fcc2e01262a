#include <gtest/gtest.h>

#include "core/commands/file_operation.h"
#include <fstream>

#include "fs_fixture.h"
#include "sim/linux/fs_file_ops.h"

namespace olb {
namespace {

using namespace std::string_literals;

TEST(ReadPathList, ReadsNamesUpToTheEmptyOne) {
  using V = std::vector<std::string>;
  EXPECT_EQ(sim::ReadPathList(PathList("")), V{});
  EXPECT_EQ(sim::ReadPathList(PathList("C:\\a")), V{"C:\\a"});
  EXPECT_EQ(sim::ReadPathList(u"a\0b\0\0"s), (V{"a", "b"}));
  EXPECT_EQ(sim::ReadPathList(u"a"s), V{"a"});  // ends at the string's terminator
  EXPECT_EQ(sim::ReadPathList(u"\0a\0\0"s), V{});
}

class FsFileOpsTest : public testing::FsFixture {
 protected:
  int32_t Run(int32_t function, const std::string& from, const std::string& to,
              uint16_t flags = 0) {
    return files.Run(BuildFileOperation(from.empty() ? "" : Win(from), to.empty() ? "" : Win(to),
                                        function, flags));
  }
  void Write(const std::string& rel, const std::string& text) {
    std::ofstream(root() / rel, std::ios::binary) << text;
  }
  std::string Read(const std::string& rel) {
    std::ifstream in(root() / rel, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  bool Has(const std::string& rel) { return std::filesystem::exists(root() / rel); }

  sim::FsFileOps files{root() / "Bin"};
};

TEST_F(FsFileOpsTest, MoveAndCopyGoIntoAnExistingFolderElseToTheNameGiven) {
  Write("a.txt", "A");
  Dir("box");
  EXPECT_EQ(Run(kFoCopy, "a.txt", "box"), sim::kShellOk);
  EXPECT_EQ(Run(kFoMove, "a.txt", "b.txt"), sim::kShellOk);
  EXPECT_EQ(Read("box/a.txt"), "A");
  EXPECT_EQ(Read("b.txt"), "A");
  EXPECT_FALSE(Has("a.txt"));
  Dir("tree/sub");
  Write("tree/sub/f", "F");
  EXPECT_EQ(Run(kFoCopy, "tree", "tree2"), sim::kShellOk);
  EXPECT_EQ(Read("tree2/sub/f"), "F");
  EXPECT_TRUE(files.confirmations.empty());
}

TEST_F(FsFileOpsTest, ReplacingAFileAsksAndFollowsTheAnswer) {
  struct Case {
    sim::Answer answer;
    int32_t result;
    std::string content;
  } cases[] = {{sim::Answer::No, sim::kShellOk, "old"},
               {sim::Answer::Cancel, sim::kShellCancelled, "old"},
               {sim::Answer::Yes, sim::kShellOk, "new"}};
  for (const Case& c : cases) {
    Write("new.txt", "new");
    Write("old.txt", "old");
    files.answer = c.answer;
    files.confirmations.clear();
    EXPECT_EQ(Run(kFoCopy, "new.txt", "old.txt"), c.result);
    ASSERT_EQ(files.confirmations.size(), 1u);
    EXPECT_EQ(files.confirmations[0].kind, sim::Confirmation::Kind::Replace);
    EXPECT_EQ(Read("old.txt"), c.content);
  }
  files.answer = sim::Answer::No;
  files.confirmations.clear();
  Write("new.txt", "newer");
  EXPECT_EQ(Run(kFoCopy, "new.txt", "old.txt", kFofNoConfirmation), sim::kShellOk);
  EXPECT_TRUE(files.confirmations.empty());
  EXPECT_EQ(Read("old.txt"), "newer");
}

TEST_F(FsFileOpsTest, DeleteAsksThenRecyclesWithUndoOrRemovesWithout) {
  Dir("d");
  Write("d/x", "1");
  EXPECT_EQ(Run(kFoDelete, "d/x", "", kFofAllowUndo), sim::kShellOk);
  Write("d/x", "2");
  EXPECT_EQ(Run(kFoDelete, "d/x", "", kFofAllowUndo), sim::kShellOk);
  EXPECT_EQ(Read("Bin/x"), "1");
  EXPECT_EQ(Read("Bin/x (2)"), "2");
  Write("d/y", "3");
  EXPECT_EQ(Run(kFoDelete, "d/y", ""), sim::kShellOk);
  EXPECT_FALSE(Has("d/y"));
  EXPECT_FALSE(Has("Bin/y"));
  EXPECT_EQ(files.confirmations.size(), 3u);
  Write("d/z", "4");
  files.answer = sim::Answer::No;
  EXPECT_EQ(Run(kFoDelete, "d/z", "", kFofAllowUndo), sim::kShellCancelled);
  EXPECT_TRUE(Has("d/z"));
  EXPECT_TRUE(files.errorsShown.empty());  // a declined question is no error
}

TEST_F(FsFileOpsTest, NamesAreFoundWithoutCaseAndACaseOnlyRenameRenames) {
  Dir("tools");
  Write("tools/a", "A");
  EXPECT_EQ(Run(kFoMove, "TOOLS", "Tools"), sim::kShellOk);
  EXPECT_TRUE(std::filesystem::is_directory(root() / "Tools"));
  EXPECT_FALSE(Has("tools"));
  EXPECT_EQ(Read("Tools/a"), "A");
  EXPECT_EQ(Run(kFoMove, "Tools", "Tools"), sim::kShellSameFile);
}

TEST_F(FsFileOpsTest, FailuresAreShownUnlessNoErrorUi) {
  Dir("dir/inner");
  Write("f", "F");
  struct Case {
    int32_t function;
    std::string from, to;
    int32_t result;
  } cases[] = {
      {kFoMove, "missing", "x", sim::kShellNoSuchSource},
      {kFoMove, "dir", "dir/inner", sim::kShellDestinationInside},
      {kFoCopy, "f", "no/such/dir/f", sim::kShellInvalidFiles},
      {kFoCopy, "f", "", sim::kShellInvalidFiles},
      {kFoRename, "f", "dir", sim::kShellAlreadyExists},
      {9, "f", "g", sim::kShellInvalidParameter},
  };
  for (const Case& c : cases) {
    files.errorsShown.clear();
    EXPECT_EQ(Run(c.function, c.from, c.to), c.result) << c.from << " -> " << c.to;
    EXPECT_EQ(files.errorsShown, std::vector<int32_t>{c.result});
    files.errorsShown.clear();
    EXPECT_EQ(Run(c.function, c.from, c.to, kFofNoErrorUi), c.result);
    EXPECT_TRUE(files.errorsShown.empty());
  }
  EXPECT_EQ(Read("f"), "F");
  EXPECT_EQ(files.Run(BuildFileOperation("C:\\elsewhere", "", kFoDelete, 0)),
            sim::kShellNoSuchSource);
}

TEST_F(FsFileOpsTest, DirectoryCallsActOnTheFileSystemDirectly) {
  File("f");
  EXPECT_TRUE(files.MakeDirectory(Win("new")));
  EXPECT_FALSE(files.MakeDirectory(Win("new")));
  EXPECT_FALSE(files.MakeDirectory(Win("absent/new")));
  EXPECT_TRUE(files.DirectoryExists(Win("NEW")));
  EXPECT_FALSE(files.DirectoryExists(Win("f")));
  EXPECT_TRUE(files.FileExists(Win("F")));
  EXPECT_FALSE(files.FileExists(Win("new")));
  EXPECT_FALSE(files.FileExists("C:\\f"));
}

}  // namespace
}  // namespace olb
