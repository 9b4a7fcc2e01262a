// Files dropped onto a real bar: OLE's calls made directly on the bar's drop
// target with a real data object holding a real file-list block.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "folder_fixture.h"
#include "win32/dragdrop/hdrop.h"

namespace olb::win {
namespace {

class DropTargetTest : public FolderViewTest {
 protected:
  TempFolder desk;

  // The empty list below the items.
  POINT EmptySpace() {
    const RECT r = WindowRectOf(List());
    return {(r.left + r.right) / 2, r.bottom - 3};
  }

  // A drag entering at `at` with `keys` and dropped there; the effect the
  // target reported to the source.
  DWORD DragAndDrop(const FileList& files, POINT at, DWORD keys = MK_LBUTTON) {
    const ComPtr<IDataObject> data = NewFileDataObject(files);
    SetCursorPos(at.x, at.y);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(Target()->DragEnter(data.get(), keys | MK_LBUTTON, {at.x, at.y}, &effect), S_OK);
    EXPECT_NE(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(Target()->Drop(data.get(), keys, {at.x, at.y}, &effect), S_OK);
    return effect;
  }
};

TEST_F(DropTargetTest, KeysChooseTheEffectShownWhileDragging) {
  StartAtRoot();
  const ComPtr<IDataObject> data = NewFileDataObject({desk.PathOf("a.txt")});
  const struct {
    DWORD keys, effect;
  } cases[] = {{MK_LBUTTON, DROPEFFECT_MOVE},
               {MK_LBUTTON | MK_SHIFT, DROPEFFECT_MOVE},
               {MK_LBUTTON | MK_CONTROL, DROPEFFECT_COPY},
               {MK_LBUTTON | MK_CONTROL | MK_SHIFT, DROPEFFECT_LINK}};
  for (const auto& c : cases) {
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    Target()->DragEnter(data.get(), c.keys, {0, 0}, &effect);
    EXPECT_EQ(effect, c.effect) << c.keys;
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    Target()->DragOver(c.keys, {0, 0}, &effect);
    EXPECT_EQ(effect, c.effect) << c.keys;
  }
  EXPECT_EQ(Target()->DragLeave(), S_OK);
}

TEST_F(DropTargetTest, FilesMoveIntoTheFolderShownAndCopyWithCtrl) {
  root.AddFile("b.txt");
  desk.AddFile("a.txt", 3);
  desk.AddFile("Grüße.txt", 4);
  desk.AddFolder("Games");
  StartAtRoot();
  EXPECT_EQ(DragAndDrop({desk.PathOf("a.txt"), desk.PathOf("Games")}, EmptySpace()),
            static_cast<DWORD>(DROPEFFECT_NONE))
      << "moved here already: the source must not delete";
  EXPECT_TRUE(root.Exists("a.txt"));
  EXPECT_TRUE(root.Exists("Games"));
  EXPECT_FALSE(desk.Exists("a.txt"));
  EXPECT_EQ(Count(), 3) << "the list was re-read";

  const DWORD effect = DragAndDrop({desk.PathOf("Grüße.txt")}, EmptySpace(), MK_CONTROL);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_TRUE(desk.Exists("Grüße.txt"));
  EXPECT_TRUE(root.Exists("Grüße.txt"));
  const int focused = static_cast<int>(
      SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  ASSERT_GE(focused, 0);
  EXPECT_EQ(Caption(focused).substr(0, 5), L"Grüße") << "the copy has the focus";
}

TEST_F(DropTargetTest, DocumentsDroppedOnAProgramsShortcutAreItsArguments) {
  desk.AddFolder("tool dir");
  const std::filesystem::path marker = desk.Native("tool dir") / L"marker.exe";
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::filesystem::copy_file(
      std::filesystem::path(exe).parent_path().parent_path() / L"e2e" / L"olb_launch_marker.exe",
      marker);
  ASSERT_TRUE(root.AddShortcut("Tool.lnk", Narrow(marker.wstring())));
  desk.AddFile("my doc.txt");
  desk.AddFile("b.txt");
  StartAtRoot();
  DragAndDrop({desk.PathOf("my doc.txt"), desk.PathOf("b.txt")}, ItemCenter(0));

  const std::filesystem::path written = desk.Native("tool dir") / L"marker.txt";
  ASSERT_TRUE(PumpUntil([&] { return std::filesystem::exists(written); }, 15000))
      << "the program was not started";
  std::string commandLine;
  std::getline(std::ifstream(written), commandLine);
  // The program, then each dropped file, each quoted.
  std::string expected;
  for (const std::string& part :
       {Narrow(marker.wstring()), desk.PathOf("my doc.txt"), desk.PathOf("b.txt")}) {
    if (!expected.empty()) expected += ' ';
    expected.append(1, '"').append(part).append(1, '"');
  }
  EXPECT_EQ(commandLine, expected);
  EXPECT_TRUE(desk.Exists("my doc.txt")) << "handed over, not moved";
}

TEST_F(DropTargetTest, AnUnreadableFileListIsRefusedWithNoEffect) {
  StartAtRoot();
  // A list whose names would start past the block's end.
  TKrDropSource source;
  source.ClpbrdFormats.Add({TDVAspect::dvaContent}, "CF_HDROP", TTymed::tiHGLOBAL);
  source.OnGetData = [](FORMATETC&, STGMEDIUM& medium) -> HRESULT {
    DROPFILES header{};
    header.pFiles = 0x7FFF0000;
    header.fWide = TRUE;
    medium = {};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof header + 4);
    std::memcpy(GlobalLock(medium.hGlobal), &header, sizeof header);
    GlobalUnlock(medium.hGlobal);
    return S_OK;
  };
  const ComPtr<IDataObject> data = source.NewDataObject();
  const POINT at = EmptySpace();
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  ASSERT_EQ(Target()->DragEnter(data.get(), MK_LBUTTON, {at.x, at.y}, &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE)) << "a file list is offered";
  effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  EXPECT_EQ(Target()->Drop(data.get(), 0, {at.x, at.y}, &effect), DV_E_FORMATETC);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE)) << "the source must delete nothing";
}

TEST(FileListBlock, ThePlatformReadsOursAndWeReadAnsiBlocks) {
  GlobalMemory wide = NewFileListBlock({"C:\\a.lnk", "C:\\日本.txt"});
  const auto drop = static_cast<HDROP>(wide.get());
  ASSERT_EQ(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0), 2u);
  wchar_t name[MAX_PATH] = {};
  DragQueryFileW(drop, 1, name, MAX_PATH);
  EXPECT_EQ(Narrow(name), "C:\\日本.txt");

  const char ansi[] = "\x14\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0C:\\a\0D:\\b\0";
  GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, sizeof ansi));
  std::memcpy(GlobalLock(block.get()), ansi, sizeof ansi);
  GlobalUnlock(block.get());
  EXPECT_EQ(ReadFileListBlock(block.get()), (FileList{"C:\\a", "D:\\b"}));
}

TEST(FileDataObject, OffersTheFileListInGlobalMemory) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  TKrFileDropSource source;
  source.Files = {Narrow(self)};
  const ComPtr<IDataObject> data = source.NewDataObject();
  FORMATETC f{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL | TYMED_ISTREAM};
  STGMEDIUM medium{};
  ASSERT_EQ(data->GetData(&f, &medium), S_OK);
  EXPECT_EQ(medium.tymed, static_cast<DWORD>(TYMED_HGLOBAL));
  EXPECT_EQ(ReadFileListBlock(medium.hGlobal), source.Files);
  ReleaseStgMedium(&medium);
  f.lindex = 0;
  EXPECT_EQ(data->GetData(&f, &medium), DV_E_LINDEX);
  f = {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  EXPECT_EQ(data->QueryGetData(&f), DV_E_FORMATETC);

  ComPtr<IEnumFORMATETC> formats;
  ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, formats.Put()), S_OK);
  FORMATETC got[3] = {};
  ULONG fetched = 9;
  EXPECT_EQ(formats->Next(3, got, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 2u) << "the file list and the shell's item list";
  EXPECT_EQ(got[0].cfFormat, CF_HDROP);
  EXPECT_EQ(got[1].cfFormat, RegisterClipboardFormatW(CFSTR_SHELLIDLIST));
  ASSERT_EQ(data->GetData(&got[1], &medium), S_OK);
  const auto* ida = static_cast<const CIDA*>(GlobalLock(medium.hGlobal));
  EXPECT_EQ(ida->cidl, 1u);
  wchar_t path[MAX_PATH] = {};
  SHGetPathFromIDListW(
      reinterpret_cast<PCIDLIST_ABSOLUTE>(reinterpret_cast<const BYTE*>(ida) + ida->aoffset[1]),
      path);
  GlobalUnlock(medium.hGlobal);
  ReleaseStgMedium(&medium);
  EXPECT_EQ(std::wstring(path), self) << "an absolute list under the desktop";
  ComPtr<IEnumFORMATETC> none;
  EXPECT_EQ(data->EnumFormatEtc(DATADIR_SET, none.Put()), E_NOTIMPL);
  EXPECT_FALSE(none);
}

}  // namespace
}  // namespace olb::win
