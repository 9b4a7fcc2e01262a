// Hostile input against the real bar: crafted shortcuts, typed names that
// are paths or devices, names the Win32 path rules read as others, close
// requests from another process in the middle of a menu toggle, folders
// past the shell's path limit.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "core/platform/com_error.h"
#include "drag_source_process.h"
#include "folder_fixture.h"
#include "test_support.h"
#include "win32/app/single_instance.h"
#include "win32/dragdrop/file_drop_source.h"

namespace olb::win {
namespace {

std::filesystem::path BesideTests(const wchar_t* program) {
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  return std::filesystem::path(exe).parent_path().parent_path() / L"e2e" / program;
}

// Starts the probe as a second process; its process handle, or null.
HANDLE StartProbe(const std::wstring& arguments) {
  std::wstring line = L"\"" + BesideTests(L"olb_probe.exe").wstring() + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

// Waits for a probe started by StartProbe; true when it ended with code 0.
bool ProbeSucceeded(HANDLE process) {
  if (!process) return false;
  WaitForSingleObject(process, 20000);
  DWORD code = 1;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return code == 0;
}

// Runs the probe as a second process and waits for it.
bool RunProbe(const std::wstring& arguments) {
  return ProbeSucceeded(StartProbe(arguments));
}

// Every message box of this process: its text is kept, and it is answered
// with Yes where it asks, else OK.
class MessageBoxes {
 public:
  MessageBoxes()
      : watcher_([](HWND, const std::wstring&) { return true; },
                 [this](HWND box) {
                   wchar_t text[1024] = {};
                   GetDlgItemTextW(box, 0xFFFF, text, 1024);
                   {
                     std::lock_guard<std::mutex> hold(lock_);
                     texts_.push_back(Narrow(text));
                   }
                   PostMessageW(box, WM_COMMAND, GetDlgItem(box, IDYES) ? IDYES : IDOK, 0);
                 },
                 true) {}
  std::vector<std::string> texts() {
    std::lock_guard<std::mutex> hold(lock_);
    return texts_;
  }

 private:
  std::mutex lock_;
  std::vector<std::string> texts_;
  DialogWatcher watcher_;
};

// A shortcut file whose stored path is `target` as it is, quotes and all,
// written byte by byte (the shell's own link object refuses such a path).
void WriteCraftedShortcut(const std::filesystem::path& file, const std::string& target) {
  auto u32 = [](std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
  };
  std::string lnk;
  u32(lnk, 0x4C);
  const unsigned char clsid[16] = {0x01, 0x14, 0x02, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
  lnk.append(reinterpret_cast<const char*>(clsid), 16);
  u32(lnk, 0x02);  // has link info
  u32(lnk, 0x20);
  lnk.append(24 + 4 + 4, '\0');  // times, size, icon
  u32(lnk, 1);                   // show normally
  lnk.append(12, '\0');          // hot key, reserved
  const uint32_t volumeSize = 17, header = 0x1C;
  const uint32_t pathAt = header + volumeSize;
  const uint32_t suffixAt = pathAt + static_cast<uint32_t>(target.size()) + 1;
  u32(lnk, suffixAt + 1);
  u32(lnk, header);
  u32(lnk, 1);  // volume and local base path
  u32(lnk, header);
  u32(lnk, pathAt);
  u32(lnk, 0);
  u32(lnk, suffixAt);
  u32(lnk, volumeSize);
  u32(lnk, 3);  // fixed drive
  u32(lnk, 0);
  u32(lnk, 0x10);
  lnk.push_back('\0');
  lnk += target;
  lnk.push_back('\0');
  lnk.push_back('\0');
  u32(lnk, 0);  // no extra data
  std::ofstream(file, std::ios::binary) << lnk;
}

class HostileInputTest : public FolderViewTest {
 protected:
  TempFolder desk;

  void DropOn(const FileList& files, POINT at) {
    const ComPtr<IDataObject> data = NewFileDataObject(files);
    SetCursorPos(at.x, at.y);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    Target()->DragEnter(data.get(), MK_LBUTTON, {at.x, at.y}, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    Target()->Drop(data.get(), MK_LBUTTON, {at.x, at.y}, &effect);
  }
  int RowOf(const std::wstring& caption) {
    for (int i = 0; i < Count(); ++i)
      if (Caption(i) == caption) return i;
    return -1;
  }
  // Creates a file under its exact name, trailing dot and all.
  static void AddExact(const std::filesystem::path& file, const std::string& content) {
    const HANDLE h = CreateFileW((L"\\\\?\\" + file.wstring()).c_str(), GENERIC_WRITE, 0, nullptr,
                                 CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(h);
  }
  static bool ExistsExactly(const std::filesystem::path& file) {
    return GetFileAttributesW((L"\\\\?\\" + file.wstring()).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
};

TEST_F(HostileInputTest, CraftedShortcutRunsNothingAndSaysWhy) {
  const std::string injected = desk.PathOf("injected.txt");
  WriteCraftedShortcut(
      root.Native("Crafted.lnk"),
      "C:\\windows\\system32\\cmd.exe\" /c echo INJECTED> " + injected + " & rem x.exe");
  desk.AddFile("doc.txt");
  StartAtRoot();
  MessageBoxes boxes;
  DropOn({desk.PathOf("doc.txt")}, ItemCenter(0));
  PumpUntil([&] { return !boxes.texts().empty(); }, 5000);
  Sleep(500);  // what a started command would need to write its file
  EXPECT_FALSE(desk.Exists("injected.txt")) << "the hidden command ran";
  ASSERT_EQ(boxes.texts().size(), 1u);
  EXPECT_EQ(boxes.texts()[0].rfind("\"Crafted\" cannot start its program: ", 0), 0u)
      << boxes.texts()[0];
  EXPECT_NE(boxes.texts()[0].find("cmd.exe\" /c echo"), std::string::npos)
      << "the stored target reached the check: " << boxes.texts()[0];
  EXPECT_TRUE(desk.Exists("doc.txt"));
}

TEST_F(HostileInputTest, ShortcutsOwnArgumentsComeFirstInItsWorkingDirectory) {
  desk.AddFolder("tool");
  desk.AddFolder("work dir");
  const std::filesystem::path marker = desk.Native("tool") / L"marker.exe";
  std::filesystem::copy_file(BesideTests(L"olb_launch_marker.exe"), marker);
  ComPtr<IShellLinkW> link;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                            IID_IShellLinkW, link.PutVoid()));
  link->SetPath(marker.wstring().c_str());
  link->SetArguments(L"-open \"a b\"");
  link->SetWorkingDirectory(desk.Native("work dir").wstring().c_str());
  ComPtr<IPersistFile> file;
  link->QueryInterface(IID_IPersistFile, file.PutVoid());
  ASSERT_HRESULT_SUCCEEDED(file->Save(root.Native("Tool.lnk").wstring().c_str(), TRUE));
  desk.AddFile("my doc.txt");
  StartAtRoot();
  // Dragged from another program, as a user drags a document from a folder.
  const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
  DragFromAnotherProcess(ItemCenter(0), "none", all, {desk.PathOf("my doc.txt")}, [] { Pump(); });
  const std::filesystem::path written = desk.Native("tool") / L"marker.txt";
  ASSERT_TRUE(PumpUntil([&] { return std::filesystem::exists(written); }, 15000));
  std::ifstream in(written);
  std::string commandLine, directory;
  std::getline(in, commandLine);
  std::getline(in, directory);
  std::string expected = "\"";  // built step by step: GCC 12 at -O3 warns on the chain
  expected += Narrow(marker.wstring()) + "\" -open \"a b\" \"" + desk.PathOf("my doc.txt") + "\"";
  EXPECT_EQ(commandLine, expected);
  EXPECT_EQ(directory, desk.PathOf("work dir"));
}

TEST_F(HostileInputTest, TypedPathsAndDevicesAreRefusedAndTheItemStays) {
  root.AddFolder("Games");
  root.AddFile("note.txt", 3);
  StartAtRoot();
  MessageBoxes boxes;
  for (const char* typed : {"..\\..\\escaped", "Games\\x", "CON"}) {
    bar->controller().OnLabelEdited(RowOf(L"note.txt"), typed);
  }
  EXPECT_TRUE(root.Exists("note.txt"));
  EXPECT_TRUE(std::filesystem::is_empty(root.Native("Games")));
  EXPECT_FALSE(std::filesystem::exists(root.Native("").parent_path().parent_path() / L"escaped"));
  const std::vector<std::string> texts = boxes.texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_NE(texts[1].find("A file name can't contain"), std::string::npos) << texts[1];
  EXPECT_NE(texts[2].find("\"note.txt\""), std::string::npos) << "names the item: " << texts[2];
  EXPECT_NE(texts[2].find("device name"), std::string::npos) << texts[2];
}

TEST_F(HostileInputTest, DeletingTrailDotSparesTrail) {
  AddExact(root.Native("trail"), "keep");
  AddExact(root.Native("trail."), "goes");
  StartAtRoot();
  const int row = RowOf(L"trail.");
  ASSERT_GE(row, 0);
  Select(row);
  MessageBoxes boxes;
  bar->RunCommand(CommandId::Delete1);
  EXPECT_FALSE(ExistsExactly(root.Native("trail."))) << "trail. goes";
  EXPECT_TRUE(ExistsExactly(root.Native("trail"))) << "trail stays";
  std::ifstream kept(root.Native("trail"));
  std::string content;
  std::getline(kept, content);
  EXPECT_EQ(content, "keep");
  ASSERT_FALSE(boxes.texts().empty());
  EXPECT_NE(boxes.texts()[0].find("\"trail.\""), std::string::npos) << boxes.texts()[0];
}

TEST_F(HostileInputTest, CloseFromAnotherProcessDuringEachToggleKeepsTheEdge) {
  for (CommandId toggle : {CommandId::AutoHide1, CommandId::Alwaysontop1}) {
    Store(Docked(Edge::Top));
    Start();
    bar->Show();
    Pump();
    ASSERT_TRUE(RunProbe(L"close TOVB_Form1"));
    bar->RunCommand(toggle);
    EXPECT_TRUE(bar->hwnd()) << "the close waits for the toggle to end";
    Pump();
    EXPECT_FALSE(bar->hwnd()) << "and comes after it";
    EXPECT_EQ(Saved().Edge, Edge::Top) << static_cast<int>(toggle);
  }
}

// Another program can post any message with any number in it: none of it is
// taken for the bar's own controls or the system. A posted double-click
// notice that names the list is dropped too, though its bytes are readable
// here; believed, it would open the selected folder.
TEST_F(HostileInputTest, ForeignMessagesAreNotTakenForTheBarsOwn) {
  root.AddFolder("Inner");
  StartAtRoot();
  Select(0);
  Pump();
  const std::string shown = bar->controller().paths().CurrentPath;
  const RECT placed = WindowRectOf(bar->hwnd());
  const uint32_t dpi = bar->controller().dpi();

  NMHDR doubleClick{List(), 0, static_cast<UINT>(NM_DBLCLK)};
  const auto notice = reinterpret_cast<LPARAM>(&doubleClick);
  PostMessageW(bar->hwnd(), WM_NOTIFY, 0, notice);
  RECT suggested{0, 0, 400, 400};
  for (const WPARAM dpiPair : {MAKEWPARAM(1, 1), MAKEWPARAM(0, 0), MAKEWPARAM(96, 192)}) {
    PostMessageW(bar->hwnd(), WM_DPICHANGED, dpiPair, reinterpret_cast<LPARAM>(&suggested));
  }
  // From another process: lParam 0 and 0x1000, and 300 restart notices.
  EXPECT_TRUE(RunProbe(L"hostile TOVB_Form1 300"));
  Pump();
  ASSERT_TRUE(IsWindow(bar->hwnd()));
  EXPECT_EQ(bar->controller().paths().CurrentPath, shown);
  const RECT now = WindowRectOf(bar->hwnd());
  EXPECT_TRUE(EqualRect(&placed, &now));
  EXPECT_EQ(bar->controller().dpi(), dpi);

  // The real notice still works.
  SendMessageW(bar->hwnd(), WM_NOTIFY, 0, notice);
  EXPECT_NE(bar->controller().paths().CurrentPath, shown);
}

// Another program's hidden window with the bar's class name: the search for
// a running copy passes it over, so nothing of it is shown, and it finds the
// bar that does run.
TEST_F(HostileInputTest, AnotherProgramsWindowOfTheBarsClassIsNeverTakenForTheBar) {
  const HANDLE decoy = StartProbe(L"decoy TOVB_Form1 3000");
  ASSERT_TRUE(decoy);
  for (int waited = 0; waited < 5000 && !FindWindowW(kBarClassName, nullptr); waited += 20) {
    Sleep(20);
  }
  ASSERT_TRUE(FindWindowW(kBarClassName, nullptr)) << "the decoy's window";
  EXPECT_EQ(FindPrevInstance(kBarClassName, L""), nullptr);
  EXPECT_FALSE(ActivatePrevInstance(kBarClassName, L""));
  Start();
  EXPECT_EQ(FindPrevInstance(kBarClassName, L""), bar->hwnd());
  EXPECT_TRUE(ProbeSucceeded(decoy)) << "the decoy's window was shown";
}

// The session's claim belongs to the copy that holds it; one that ended
// without letting it go does not keep the next start out.
TEST(InstanceClaimTest, AHeldClaimKeepsOthersOutAndAnAbandonedOneIsTakenOver) {
  std::optional<InstanceClaim> first;
  std::thread([&] { first.emplace(); }).join();  // ends holding it
  ASSERT_TRUE(first->first());
  {
    const InstanceClaim next;
    EXPECT_TRUE(next.first()) << "abandoned by a thread that ended";
    std::optional<bool> meanwhile;
    std::thread([&] { meanwhile = InstanceClaim().first(); }).join();
    EXPECT_EQ(meanwhile, false) << "held by a running copy";
  }
  first.reset();
}

TEST_F(HostileInputTest, FolderPastThePathLimitSaysWhyItCannotBeShown) {
  std::string path = root.Path();
  while (path.size() < 300) path += "\\" + std::string(40, 'd');
  std::filesystem::create_directories(Widen(path));
  AddExact(std::filesystem::path(Widen(path)) / L"inside.txt", "x");
  StartAtRoot();
  try {
    bar->controller().model().OpenFolderByPath(path);
    EXPECT_GT(Count(), 0) << "opened, so its item shows";
  } catch (const ComError& e) {
    const std::string text = e.what();
    EXPECT_NE(text.find(path), std::string::npos) << text;
    EXPECT_NE(text.find("260"), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace olb::win
