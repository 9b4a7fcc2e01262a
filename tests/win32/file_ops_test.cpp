#include <gtest/gtest.h>
#include <windows.h>

#include "core/commands/file_operation.h"
#include "core/commands/shortcut_dialog.h"
#include "temp_folder.h"
#include "test_support.h"
#include "win32/adapters/win32_file_chooser.h"
#include "win32/adapters/win32_file_ops.h"

namespace olb::win {
namespace {

TEST(Win32FileOps, MovesAndCopiesNamesInAnyScript) {
  TempFolder dir;
  const std::string name =
      "\xD0\x97\xD0\xB0\xD0\xBC\xD0\xB5\xD1\x82\xD0\xBA\xD0\xB0 \xF0\x9F\x9A\x80.txt";
  dir.AddFile(name, 5);
  Win32FileOps ops;
  EXPECT_TRUE(
      FileOperation(ops, dir.PathOf(name), dir.PathOf("moved.txt"), kFoMove, kFofAllowUndo));
  EXPECT_FALSE(dir.Exists(name));
  EXPECT_TRUE(dir.Exists("moved.txt"));
  EXPECT_TRUE(
      FileOperation(ops, dir.PathOf("moved.txt"), dir.PathOf(name), kFoCopy, kFofNoErrorUi));
  EXPECT_TRUE(dir.Exists(name));
  EXPECT_TRUE(dir.Exists("moved.txt"));
}

TEST(Win32FileOps, DeleteRemovesTheFileAnsweringAnyConfirmation) {
  TempFolder dir;
  dir.AddFile("gone.txt");
  Win32FileOps ops;
  auto yes = AnswerYes();
  DeleteSH(ops, dir.PathOf("gone.txt"));
  EXPECT_FALSE(dir.Exists("gone.txt"));
  // Whether the shell asks first depends on its version; it never blocks here.
}

TEST(Win32FileOps, TellsFilesFromFolders) {
  TempFolder dir;
  dir.AddFile("f.txt");
  Win32FileOps ops;
  EXPECT_TRUE(ops.MakeDirectory(dir.PathOf("NewFolder")));
  EXPECT_FALSE(ops.MakeDirectory(dir.PathOf("NewFolder"))) << "exists already";
  EXPECT_TRUE(ops.DirectoryExists(dir.PathOf("NewFolder")));
  EXPECT_FALSE(ops.FileExists(dir.PathOf("NewFolder")));
  EXPECT_TRUE(ops.FileExists(dir.PathOf("f.txt")));
  EXPECT_FALSE(ops.DirectoryExists(dir.PathOf("f.txt")));
  EXPECT_FALSE(ops.FileExists(dir.PathOf("nothing")));
}

// The real dialog, found by its title; a name is typed into it and OK pressed.
TEST(Win32FileChooser, ReturnsTheFileTypedIntoTheRealDialog) {
  TempFolder dir;
  dir.AddFile("tool.exe");
  Win32FileChooser chooser(nullptr);
  DialogWatcher typist =
      TypeIntoOpenDialog(L"Select shortcut for placing to the Bar", dir.PathOf("tool.exe"));
  ShortcutDialog dialog;
  const auto chosen = dialog.Execute(chooser);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(*chosen, dir.PathOf("tool.exe"));
  EXPECT_EQ(typist.handled(), 1);
  EXPECT_EQ(dialog.request().fileName, dir.PathOf("tool.exe")) << "the next use starts with it";
}

}  // namespace
}  // namespace olb::win
