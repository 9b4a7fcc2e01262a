#include <gtest/gtest.h>

#include "core/commands/item_paths.h"

namespace olb {
namespace {

TEST(FolderRenameMove, MovesPrefixPlusCaptionToPrefixPlusText) {
  EXPECT_EQ(FolderRenameMove("C:\\Bar\\", "Games", "Toys"),
            (RenameMove{"C:\\Bar\\Games", "C:\\Bar\\Toys", false}));
  EXPECT_EQ(FolderRenameMove("C:\\", "Games", ""), (RenameMove{"C:\\Games", "C:\\", false}));
}

TEST(FileRenameMove, GivesEachKindOfFileItsDestination) {
  const std::string p = "C:\\Bar\\";
  struct Case {
    const char* what;
    std::string caption, file, typed, to;
    bool hid;
  } cases[] = {
      {"shortcut, LNK lower-cased", "Editor", "Editor.LNK", "Tools", "Tools.lnk", false},
      {"internet shortcut", "Site", "Site.url", "Web", "Web.url", false},
      {"shortcut, typed ext not doubled", "Ed", "Ed.lnk", "Tools.LNK", "Tools.lnk", false},
      {"hidden ext kept", "report", "report.txt", "memo", "memo.txt", true},
      {"hidden ext kept as stored", "Report", "Report.TXT", "memo", "memo.TXT", true},
      {"typed ext not doubled", "report", "report.txt", "memo.TXT", "memo.TXT", true},
      {"typed other ext", "report", "report.txt", "memo.doc", "memo.doc.txt", true},
      {"last ext only", "a.tar", "a.tar.gz", "b.tar", "b.tar.gz", true},
      {"hidden twice-ext", "a.txt", "a.txt.txt", "b", "b.txt", true},
      {"shown ext", "notes.txt", "notes.txt", "plan", "plan", false},
      {"shown ext typed", "notes.txt", "notes.txt", "plan.txt", "plan.txt", false},
      {"no ext", "README", "README", "INFO", "INFO", false},
      {"dot file", ".profile", ".profile", "x", "x", false},
      {"other caption", "Nice Name", "x7f3.dat", "y", "y", false},
  };
  for (const Case& c : cases) {
    const RenameMove move = FileRenameMove(p, c.caption, p + c.file, c.typed);
    EXPECT_EQ(move.from, p + c.file) << c.what;
    EXPECT_EQ(move.to, p + c.to) << c.what;
    EXPECT_EQ(move.captionHidExtension, c.hid) << c.what;
  }
}

}  // namespace
}  // namespace olb
