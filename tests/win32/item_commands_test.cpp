// The menu commands and the in-place rename on real folders in a real bar.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <filesystem>

#include "folder_fixture.h"
#include "test_support.h"
#include "win32/base/com_ptr.h"

namespace olb::win {
namespace {

class ItemCommandsTest : public FolderViewTest {
 protected:
  // The path a shell link points at.
  static std::string LinkTarget(const std::string& link) {
    ComPtr<IShellLinkW> shellLink;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                shellLink.PutVoid()))) {
      return {};
    }
    ComPtr<IPersistFile> file;
    if (FAILED(shellLink->QueryInterface(IID_IPersistFile, file.PutVoid()))) return {};
    if (FAILED(file->Load(Widen(link).c_str(), STGM_READ))) return {};
    wchar_t target[MAX_PATH] = L"";
    shellLink->GetPath(target, MAX_PATH, nullptr, 0);
    return Narrow(target);
  }

  int IndexOf(const std::wstring& caption) {
    for (int i = 0; i < Count(); ++i)
      if (Caption(i) == caption) return i;
    return -1;
  }
  int Next(UINT state) {
    return static_cast<int>(SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), state));
  }
  // The selected and the focused row.
  std::pair<int, int> Marks() { return {Next(LVNI_SELECTED), Next(LVNI_FOCUSED)}; }

  // The list's label edit ending with `text`, as the control reports it.
  void EditLabel(int row, const std::wstring& text) {
    std::wstring buffer = text;
    NMLVDISPINFOW info{};
    info.hdr.hwndFrom = List();
    info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(List()));
    info.hdr.code = LVN_ENDLABELEDITW;
    info.item.iItem = row;
    info.item.pszText = buffer.data();
    SendMessageW(bar->hwnd(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
  }
};

TEST_F(ItemCommandsTest, NewFolderCreatesItOnceAndMarksItEachTime) {
  root.AddFile("a.txt");
  StartAtRoot();
  bar->RunCommand(CommandId::NewFolder1);
  ASSERT_TRUE(root.Exists("NewFolder"));
  const int row = IndexOf(L"NewFolder");
  ASSERT_GE(row, 0);
  EXPECT_EQ(Marks(), std::make_pair(row, row));
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  bar->RunCommand(CommandId::NewFolder1);
  EXPECT_EQ(Count(), 2) << "nothing new the second time";
  EXPECT_EQ(Marks(), std::make_pair(row, row));
}

TEST_F(ItemCommandsTest, NewShortcutMakesALinkToTheChosenFileAndFocusesIt) {
  TempFolder elsewhere;
  elsewhere.AddFile("tool.exe", 64);
  StartAtRoot();
  DialogWatcher typist =
      TypeIntoOpenDialog(L"Select shortcut for placing to the Bar", elsewhere.PathOf("tool.exe"));
  bar->RunCommand(CommandId::NewShortut1);
  EXPECT_EQ(typist.handled(), 1);
  EXPECT_FALSE(root.Exists("tool.exe")) << "the program stays where it is";
  ASSERT_TRUE(root.Exists("tool.lnk"));
  EXPECT_EQ(LinkTarget(root.PathOf("tool.lnk")), elsewhere.PathOf("tool.exe"));
  const auto [selected, focused] = Marks();
  EXPECT_EQ(selected, -1);
  EXPECT_GE(focused, 0);
}

TEST_F(ItemCommandsTest, RenameOntoATakenNameIsRefusedAndBothFilesStay) {
  root.AddFile("a.txt", 3);
  root.AddFile("b.txt", 7);
  root.AddFolder("Games");
  StartAtRoot();
  DialogWatcher box = CloseErrorBoxes();
  const int a = IndexOf(L"a.txt") >= 0 ? IndexOf(L"a.txt") : IndexOf(L"a");
  ASSERT_GE(a, 0);
  EditLabel(a, L"b.txt");
  EditLabel(a, L"Games");
  EXPECT_EQ(std::filesystem::file_size(root.Native("a.txt")), 3u);
  EXPECT_EQ(std::filesystem::file_size(root.Native("b.txt")), 7u);
  EXPECT_FALSE(root.Exists("Games\\a.txt"));
  EXPECT_FALSE(root.Exists("Games\\b.txt"));
  EXPECT_EQ(box.handled(), 2);
}

TEST_F(ItemCommandsTest, RenameEndsWithTheRightFileAndTheRowMarked) {
  root.AddFolder("Games");
  ASSERT_TRUE(root.AddShortcut("Notepad.lnk", root.PathOf("memo.txt")));
  root.AddFile("memo.txt", 3);
  StartAtRoot();

  EditLabel(IndexOf(L"Games"), L"Spiele");
  EXPECT_TRUE(root.Exists("Spiele"));
  EXPECT_FALSE(root.Exists("Games"));
  EXPECT_EQ(Marks(), std::make_pair(IndexOf(L"Spiele"), IndexOf(L"Spiele")));

  EditLabel(IndexOf(L"Notepad"), L"Editor");
  EXPECT_TRUE(root.Exists("Editor.lnk"));
  EXPECT_FALSE(root.Exists("Notepad.lnk"));
  EXPECT_EQ(Marks(), std::make_pair(IndexOf(L"Editor"), IndexOf(L"Editor")));

  const int memo = IndexOf(L"memo.txt") >= 0 ? IndexOf(L"memo.txt") : IndexOf(L"memo");
  ASSERT_GE(memo, 0);
  EditLabel(memo, IndexOf(L"memo") >= 0 ? L"note" : L"note.txt");
  EXPECT_TRUE(root.Exists("note.txt")) << "the document keeps its extension";
  EXPECT_FALSE(root.Exists("memo.txt"));
  const int note = IndexOf(L"note.txt") >= 0 ? IndexOf(L"note.txt") : IndexOf(L"note");
  EXPECT_EQ(Marks(), std::make_pair(note, note));
}

TEST_F(ItemCommandsTest, RenameOfADocumentWhoseCaptionHidesItsExtension) {
  // As on a default Windows: extensions of known types hidden.
  HKEY key = nullptr;
  const wchar_t* path = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
  RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  const DWORD hide = 1;
  RegSetValueExW(key, L"HideFileExt", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&hide), 4);
  root.AddFile("report.txt", 3);
  StartAtRoot();
  const int row = IndexOf(L"report");
  if (row >= 0) {
    EditLabel(row, L"summary");
    EXPECT_TRUE(root.Exists("summary.txt"));
    EXPECT_FALSE(root.Exists("report.txt"));
    EXPECT_GE(IndexOf(L"summary"), 0);
  }
  RegDeleteValueW(key, L"HideFileExt");
  RegCloseKey(key);
  if (row < 0) GTEST_SKIP() << "this shell shows the extension whatever HideFileExt says";
}

TEST_F(ItemCommandsTest, DeleteSendsTheSelectedItemAwayAndOtherwiseOnlyRereads) {
  root.AddFile("old.txt");
  root.AddFile("keep.txt");
  StartAtRoot();
  auto yes = AnswerYes();
  bar->RunCommand(CommandId::Delete1);
  EXPECT_TRUE(root.Exists("old.txt")) << "nothing selected: nothing deleted";

  root.AddFile("late.txt");
  bar->RunCommand(CommandId::Delete1);
  EXPECT_EQ(Count(), 3) << "the re-read shows a file made behind the bar's back";

  const int row = IndexOf(L"old.txt") >= 0 ? IndexOf(L"old.txt") : IndexOf(L"old");
  ASSERT_GE(row, 0);
  LVITEMW select{};
  select.stateMask = select.state = LVIS_SELECTED;
  SendMessageW(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&select));
  bar->RunCommand(CommandId::Delete1);
  EXPECT_FALSE(root.Exists("old.txt"));
  EXPECT_TRUE(root.Exists("keep.txt"));
  EXPECT_EQ(Count(), 2);
}

TEST_F(ItemCommandsTest, UpdateBarShowsAFileCreatedBehindItsBack) {
  StartAtRoot();
  EXPECT_EQ(Count(), 0);
  root.AddFile("new.txt");
  bar->RunCommand(CommandId::UpdateBar1);
  EXPECT_EQ(Count(), 1);
}

}  // namespace
}  // namespace olb::win
