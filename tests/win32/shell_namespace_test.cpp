// The shell namespace adapters against real folders made by the test, read
// through the folder model as the bar reads them.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <vector>

#include "core/platform/com_error.h"
#include "core/folder/folder_model.h"
#include "core/folder/pidl.h"
#include "sim/view_doubles.h"
#include "temp_folder.h"
#include "win32/adapters/strret_text.h"
#include "win32/adapters/win32_icon_fetcher.h"
#include "win32/adapters/win32_shell_allocator.h"
#include "win32/adapters/win32_shell_namespace.h"
#include "win32/adapters/win32_time_format.h"

namespace olb::win {
namespace {

std::string NotepadPath() {
  wchar_t dir[MAX_PATH] = {};
  GetSystemDirectoryW(dir, MAX_PATH);
  return Narrow(dir) + "\\notepad.exe";
}

class ShellNamespaceTest : public ::testing::Test {
 protected:
  Win32ShellAllocator allocator;
  Win32ShellNamespace shell{allocator, nullptr};
  sim::ListControl list;
  sim::Cursor cursor;
  Win32TimeFormat time;
  FolderPaths paths;
  FolderModel model{FolderServices{shell, allocator, list, cursor, time}, paths};
  TempFolder folder;

  void SetUp() override { model.InitFolderView(); }

  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int32_t i = 0; i < model.ItemCount(); ++i) names.push_back(model.NamedItem(i)->ItemName);
    return names;
  }
  int32_t IndexOf(const std::string& name) {
    for (int32_t i = 0; i < model.ItemCount(); ++i) {
      if (model.NamedItem(i)->ItemName == name) return i;
    }
    return -1;
  }
  std::string ParseNameOf(int32_t index) {
    const ShellItem& item = *model.GetItem(index);
    OwnedPidl absolute = ConcatPidls(allocator, model.CurrentPidl(), item.RelPidl.get());
    return model.GetDisplayName(*model.DesktopFolder(), absolute.get(), true);
  }
};

TEST_F(ShellNamespaceTest, ListsFoldersFirstThenNamesWithoutCaseAndHidesShortcutExtensions) {
  folder.AddFolder("zeta");
  folder.AddFile("beta.txt");
  folder.AddFile("Alpha.txt");
  ASSERT_TRUE(folder.AddShortcut("Gamma.lnk", NotepadPath()));
  folder.AddFolder("Delta");

  model.OpenFolderByPath(folder.Path());

  EXPECT_EQ(Names(), (std::vector<std::string>{"Delta", "zeta", "Alpha.txt", "beta.txt", "Gamma"}));
  EXPECT_EQ(list.itemCount, 5);
  EXPECT_EQ(paths.CurrentPath, folder.Path());
  EXPECT_EQ(cursor.shape, CursorShape::Default) << "the hourglass is gone again";
  ShellFolder& current = *model.CurrentFolder();
  EXPECT_TRUE(model.ItemIsFolder(current, model.GetItem(IndexOf("zeta"))->RelPidl.get()));
  EXPECT_FALSE(model.ItemIsFolder(current, model.GetItem(IndexOf("Gamma"))->RelPidl.get()));
  EXPECT_EQ(ParseNameOf(IndexOf("Gamma")), folder.PathOf("Gamma.lnk"));
  EXPECT_EQ(ParseNameOf(IndexOf("zeta")), folder.PathOf("zeta"));
}

TEST_F(ShellNamespaceTest, NamesBeyondTheCodePageSurviveTheWholeWay) {
  const std::string name =
      "\xC3\x9Cn\xC3\xAF c\xC3\xB8"
      "d\xC3\xA9 \xE2\x9C\x93 \xE6\x97\xA5.txt";
  folder.AddFile(name, 10);
  model.OpenFolderByPath(folder.Path());
  ASSERT_EQ(Names(), std::vector<std::string>{name});
  EXPECT_EQ(ParseNameOf(0), folder.PathOf(name));
}

TEST_F(ShellNamespaceTest, IdentifierListsFromTheShellAreWalkedWithinTheirBlocks) {
  folder.AddFile("one.txt");
  model.OpenFolderByPath(folder.Path());
  ASSERT_EQ(model.ItemCount(), 1);
  const uint8_t* relative = model.GetItem(0)->RelPidl.get();
  EXPECT_GE(allocator.GetSize(relative), PidlSize(allocator, relative));
  EXPECT_EQ(PidlElementCount(PidlBlock(allocator, relative)), 1u);
  EXPECT_GT(PidlElementCount(PidlBlock(allocator, model.CurrentPidl())), 1u)
      << "an absolute list has an element per level";
}

TEST_F(ShellNamespaceTest, DetailsComeFromTheFileAndAreFilledOnce) {
  folder.AddFolder("Sub");
  folder.AddFile("data.txt", 2500);
  folder.AddFile("empty.txt", 0);
  model.OpenFolderByPath(folder.Path());
  list.style = ListViewStyle::Report;  // the style that shows every detail
  model.FillItemDetails(0, model.ItemCount() - 1);

  const ShellItem& data = *model.GetItem(IndexOf("data.txt"));
  const ShellItem& empty = *model.GetItem(IndexOf("empty.txt"));
  const ShellItem& sub = *model.GetItem(IndexOf("Sub"));
  EXPECT_FALSE(data.NeedsInfo);
  EXPECT_EQ(data.SizeKB, 2);
  EXPECT_EQ(empty.SizeKB, 1) << "never below 1";
  EXPECT_FALSE(data.Modified.empty());
  EXPECT_FALSE(data.FileType.empty());
  EXPECT_EQ(data.FileAttributes & kFileDirectory, 0u);
  EXPECT_NE(sub.FileAttributes & kFileDirectory, 0u);
  EXPECT_NE(sub.IconIndex, data.IconIndex) << "a folder and a text file look different";

  FindData found;
  ASSERT_EQ(shell.GetFindData(*model.CurrentFolder(), data.RelPidl.get(), &found), S_OK);
  EXPECT_EQ(found.size, 2500u);
  EXPECT_NE(found.lastWriteTime, 0u);

  const int64_t fills = model.detailFills();
  model.FillItemDetails(0, model.ItemCount() - 1);
  EXPECT_EQ(model.detailFills(), fills);
}

TEST_F(ShellNamespaceTest, HiddenAndSystemFilesAreListedWithTheirAttributes) {
  folder.AddFile("hidden.txt");
  folder.AddFile("system.txt");
  folder.AddFile("plain.txt");
  SetFileAttributesW(folder.Native("hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesW(folder.Native("system.txt").c_str(),
                     FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
  model.OpenFolderByPath(folder.Path());
  ASSERT_EQ(model.ItemCount(), 3);
  model.FillItemDetails(0, 2);
  const uint32_t hidden = model.GetItem(IndexOf("hidden.txt"))->FileAttributes;
  const uint32_t system = model.GetItem(IndexOf("system.txt"))->FileAttributes;
  EXPECT_EQ(hidden & (kFileHidden | kFileSystem), kFileHidden);
  EXPECT_EQ(system & (kFileHidden | kFileSystem), kFileHidden | kFileSystem);
  EXPECT_EQ(model.GetItem(IndexOf("plain.txt"))->FileAttributes & kFileHidden, 0u);
}

TEST_F(ShellNamespaceTest, EmptyFolderGivesNoRecords) {
  model.OpenFolderByPath(folder.Path());
  EXPECT_EQ(model.ItemCount(), 0);
  EXPECT_EQ(list.itemCount, 0);
  EXPECT_EQ(list.selectionClears, 0);
}

TEST_F(ShellNamespaceTest, MissingPathRaisesComErrorWithTextAndKeepsTheFolderShown) {
  folder.AddFile("kept.txt");
  model.OpenFolderByPath(folder.Path());
  try {
    model.OpenFolderByPath(folder.PathOf("missing"));
    FAIL() << "no error raised";
  } catch (const ComError& e) {
    EXPECT_LT(e.result(), 0);
    EXPECT_GT(std::string(e.what()).size(), 3u);
  }
  EXPECT_EQ(paths.CurrentPath, folder.Path());
  EXPECT_EQ(Names(), std::vector<std::string>{"kept.txt"});
}

TEST_F(ShellNamespaceTest, FileDataOfAForeignFolderIsRefused) {
  struct Foreign : ShellFolder {
    HResult ParseDisplayName(std::string_view, OwnedPidl*) override { return E_FAIL; }
    HResult BindToFolder(const uint8_t*, std::shared_ptr<ShellFolder>*) override { return E_FAIL; }
    HResult EnumObjects(uint32_t, std::unique_ptr<ShellEnumerator>*) override { return E_FAIL; }
    HResult CompareIDs(int32_t, const uint8_t*, const uint8_t*) override { return E_FAIL; }
    HResult GetDisplayNameOf(const uint8_t*, uint32_t, std::string*) override { return E_FAIL; }
    HResult GetAttributesOf(const uint8_t*, uint32_t*) override { return E_FAIL; }
  } foreign;
  const uint8_t pidl[4] = {};
  FindData data;
  data.size = 7;
  EXPECT_EQ(shell.GetFindData(foreign, pidl, &data), E_INVALIDARG);
  EXPECT_EQ(data.size, 0u);
}

// --- STRRET answers --------------------------------------------------------

TEST(StrRetText, OffsetTextStopsAtTheEndOfTheIdentifierListsBlock) {
  Win32ShellAllocator allocator;
  OwnedPidl pidl = AllocPidl(allocator, 8);
  ASSERT_TRUE(pidl);
  const uint8_t bytes[8] = {6, 0, 'a', 'b', 'c', 'd', 'e', 'f'};  // no terminator anywhere
  std::memcpy(pidl.get(), bytes, 8);
  // The allocator may round the block up; whatever follows the eight bytes
  // is inside the block and may be read, nothing beyond it.
  const size_t block = allocator.GetSize(pidl.get());
  STRRET value{};
  value.uType = STRRET_OFFSET;
  value.uOffset = 2;
  const std::string text = TakeStrRetText(value, pidl.get(), allocator);
  EXPECT_EQ(text.substr(0, 6), "abcdef");
  EXPECT_LE(text.size(), block - 2);
  value.uOffset = static_cast<UINT>(block + 100);
  EXPECT_EQ(TakeStrRetText(value, pidl.get(), allocator), "");
}

TEST(StrRetText, OwnBufferWithoutTerminatorIsReadToItsEndOnly) {
  Win32ShellAllocator allocator;
  STRRET value{};
  value.uType = STRRET_CSTR;
  std::memset(value.cStr, 'q', sizeof value.cStr);
  EXPECT_EQ(TakeStrRetText(value, nullptr, allocator), std::string(sizeof value.cStr, 'q'));
}

TEST(StrRetText, WideStringIsTakenOverAndFreed) {
  Win32ShellAllocator allocator;
  const wchar_t source[] = L"caf\u00e9";
  auto* wide = static_cast<wchar_t*>(allocator.Alloc(sizeof source));
  std::memcpy(wide, source, sizeof source);
  STRRET value{};
  value.uType = STRRET_WSTR;
  value.pOleStr = wide;
  EXPECT_EQ(TakeStrRetText(value, nullptr, allocator), "caf\xC3\xA9");
  EXPECT_EQ(value.pOleStr, nullptr);
  value.uType = 77;  // an unknown kind
  EXPECT_EQ(TakeStrRetText(value, nullptr, allocator), "");
}

TEST(ShellAllocatorAdapter, SizesItsOwnBlocks) {
  Win32ShellAllocator allocator;
  void* block = allocator.Alloc(10);
  ASSERT_NE(block, nullptr);
  EXPECT_GE(allocator.GetSize(block), 10u);
  EXPECT_EQ(allocator.GetSize(nullptr), 0u);
  allocator.Free(block);
  allocator.Free(nullptr);
}

TEST_F(ShellNamespaceTest, FetchedIconsAreTheShellsOwnAndClosingWithLookupsQueuedReturns) {
  folder.AddFolder("Sub");
  ASSERT_TRUE(folder.AddShortcut("Pad.lnk", NotepadPath()));
  folder.AddFile("data.txt", 1);
  constexpr UINT kFetched = WM_APP + 1;
  const HWND sink =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(sink);
  {
    Win32IconFetcher fetcher(sink, kFetched);
    FolderModel async{FolderServices{shell, allocator, list, cursor, time, &fetcher}, paths};
    async.InitFolderView();
    async.OpenFolderByPath(folder.Path());
    async.FillItemDetails(0, 2);
    const ShellItem& pad = *async.GetItem(1);
    std::vector<IconAnswer> answers;
    for (int wait = 0; wait < 1000 && answers.size() < 3; ++wait) {
      MSG msg;
      if (!PeekMessageW(&msg, sink, kFetched, kFetched, PM_REMOVE)) {
        Sleep(5);
        continue;
      }
      for (const IconAnswer& a : fetcher.TakeAnswers()) answers.push_back(a);
    }
    ASSERT_EQ(answers.size(), 3u);
    for (int32_t i = 0; i < 3; ++i) {
      EXPECT_EQ(answers[i].index, i) << "in the order asked";
      EXPECT_EQ(answers[i].iconIndex,
                shell.SystemIconIndex(async.GetItem(i)->AbsPidl.get(), false));
    }

    // Many lookups queued, then the fetcher goes: it must neither hang nor
    // answer into the gone model.
    std::vector<IconRequest> many;
    for (int i = 0; i < 200; ++i) many.push_back({7, 1, PidlToBytes(allocator, pad.AbsPidl.get())});
    fetcher.Request(std::move(many));
  }
  DestroyWindow(sink);
}

}  // namespace
}  // namespace olb::win
