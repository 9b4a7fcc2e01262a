// Launching from the bar through the real shell: a small program records
// the command line and working directory it was started with.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "bar_fixture.h"
#include "temp_folder.h"

namespace olb::win {
namespace {

constexpr wchar_t kDocClass[] = L"OlbTestDocument";
constexpr wchar_t kDocExtension[] = L".olbdoc";

std::filesystem::path MarkerProgram() {
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  return std::filesystem::path(exe).parent_path().parent_path() / L"e2e" / L"olb_launch_marker.exe";
}

struct Launched {
  std::string commandLine;
  std::string directory;
};

// The marker the program writes beside itself, once it is there.
std::optional<Launched> WaitForMarker(const std::filesystem::path& folder) {
  const std::filesystem::path marker = folder / L"marker.txt";
  for (int waited = 0; waited < 15000; waited += 50) {
    if (std::filesystem::exists(marker)) {
      std::ifstream in(marker);
      Launched l;
      std::getline(in, l.commandLine);
      std::getline(in, l.directory);
      return l;
    }
    Application::ProcessMessages();
    Sleep(50);
  }
  return std::nullopt;
}

class LaunchTest : public BarTest {
 protected:
  TempFolder root;

  void SetUp() override { ASSERT_TRUE(std::filesystem::exists(MarkerProgram())); }
  void TearDown() override {
    SHDeleteKeyW(HKEY_CLASSES_ROOT, kDocExtension);
    SHDeleteKeyW(HKEY_CLASSES_ROOT, kDocClass);
  }

  void CopyMarkerTo(const std::string& name) {
    std::filesystem::copy_file(MarkerProgram(), root.Native(name));
  }

  // Documents of the test's own type open with the marker program.
  void RegisterDocumentType(const std::string& program) {
    const std::wstring command = L"\"" + Widen(program) + L"\" \"%1\"";
    RegSetValueW(HKEY_CLASSES_ROOT, kDocExtension, REG_SZ, kDocClass, 0);
    const std::wstring key = std::wstring(kDocClass) + L"\\shell\\open\\command";
    RegSetValueW(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, command.c_str(), 0);
  }

  void OpenItem(int index) {
    BarWindow& b = Start();
    b.controller().paths().RootPath = root.Path() + "\\";
    b.controller().OpenRootFolder();
    const HWND list = b.folderView().list().hwnd();
    LVITEMW state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
  }
};

TEST_F(LaunchTest, DocumentOpensWithItsProgramInTheDocumentsFolder) {
  root.AddFolder("tool");
  CopyMarkerTo("tool\\marker.exe");
  RegisterDocumentType(root.PathOf("tool\\marker.exe"));
  root.AddFile("report.olbdoc", 5);
  OpenItem(1);  // after the folder
  const std::optional<Launched> launched = WaitForMarker(root.Native("tool"));
  ASSERT_TRUE(launched) << "the program was not started";
  EXPECT_NE(launched->commandLine.find(root.PathOf("report.olbdoc")), std::string::npos)
      << launched->commandLine;
  EXPECT_EQ(launched->directory, root.Path()) << "the document's folder";
  EXPECT_EQ(bar->controller().paths().CurrentPath, root.Path())
      << "launching leaves the bar as it was";
}

TEST_F(LaunchTest, ProgramStartsWithItsDefaultVerbInItsOwnFolder) {
  CopyMarkerTo("marker.exe");
  OpenItem(0);
  const std::optional<Launched> launched = WaitForMarker(root.Native(""));
  ASSERT_TRUE(launched) << "the program was not started";
  EXPECT_NE(launched->commandLine.find("marker.exe"), std::string::npos) << launched->commandLine;
  EXPECT_EQ(launched->directory, root.Path()) << "not the bar's own directory";
}

}  // namespace
}  // namespace olb::win
