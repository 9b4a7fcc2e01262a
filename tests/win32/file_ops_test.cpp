#include <gtest/gtest.h>
#include <windows.h>

#include "core/commands/file_operation.h"
#include "core/commands/shortcut_dialog.h"
#include "test_support.h"
#include "win32/adapters/open_file_dialog.h"
#include "win32/adapters/shell_file_ops.h"

namespace olb::win {
namespace {

TEST(ShellFileOps, MovesAndCopiesNamesInAnyScript) {
  TempFolder dir;
  const std::string name =
      "\xD0\x97\xD0\xB0\xD0\xBC\xD0\xB5\xD1\x82\xD0\xBA\xD0\xB0 \xF0\x9F\x9A\x80.txt";
  dir.WriteFile(name, "hello");
  ShellFileOps ops;
  EXPECT_TRUE(FileOperation(ops, dir / name, dir / "moved.txt", kFoMove, kFofAllowUndo));
  EXPECT_FALSE(dir.Exists(name));
  EXPECT_TRUE(dir.Exists("moved.txt"));
  EXPECT_TRUE(FileOperation(ops, dir / "moved.txt", dir / name, kFoCopy, kFofNoErrorUi));
  EXPECT_TRUE(dir.Exists(name));
  EXPECT_TRUE(dir.Exists("moved.txt"));
}

TEST(ShellFileOps, DeleteGoesThroughTheShellsConfirmation) {
  TempFolder dir;
  dir.WriteFile("gone.txt");
  ShellFileOps ops;
  auto yes = AnswerYes();
  DeleteSH(ops, dir / "gone.txt");
  EXPECT_FALSE(dir.Exists("gone.txt"));
  EXPECT_GE(yes.handled(), 1) << "the shell asked before deleting";
}

TEST(ShellFileOps, TellsFilesFromFolders) {
  TempFolder dir;
  dir.WriteFile("f.txt");
  ShellFileOps ops;
  EXPECT_TRUE(ops.MakeDirectory(dir / "NewFolder"));
  EXPECT_FALSE(ops.MakeDirectory(dir / "NewFolder")) << "exists already";
  EXPECT_TRUE(ops.DirectoryExists(dir / "NewFolder"));
  EXPECT_FALSE(ops.FileExists(dir / "NewFolder"));
  EXPECT_TRUE(ops.FileExists(dir / "f.txt"));
  EXPECT_FALSE(ops.DirectoryExists(dir / "f.txt"));
  EXPECT_FALSE(ops.FileExists(dir / "nothing"));
}

// The real dialog, found by its title; a name is typed into it and OK pressed.
TEST(OpenFileDialog, ReturnsTheFileTypedIntoTheRealDialog) {
  TempFolder dir;
  dir.WriteFile("tool.exe");
  OpenFileDialog chooser(nullptr);
  DialogWatcher typist(
      [](HWND, const std::wstring& title) {
        return title == L"Select shortcut for placing to the Bar";
      },
      [&](HWND d) {
        const std::wstring path = Widen(dir / "tool.exe");
        // The file-name box is a combo box (newer dialogs) or an edit.
        if (!SetDlgItemTextW(d, 0x47C, path.c_str())) SetDlgItemTextW(d, 0x480, path.c_str());
        PostMessageW(d, WM_COMMAND, IDOK, 0);
      });
  ShortcutDialog dialog;
  const auto chosen = dialog.Execute(chooser);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(*chosen, dir / "tool.exe");
  EXPECT_EQ(typist.handled(), 1);
  EXPECT_EQ(dialog.request().fileName, dir / "tool.exe") << "the next use starts with it";
}

}  // namespace
}  // namespace olb::win
