// The folder watcher on real folders: a change of the entries, and the
// folder itself moved away and made anew under its path, reach the window
// as the watcher's message.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include "temp_folder.h"
#include "win32/adapters/win32_folder_watcher.h"

namespace olb::win {
namespace {

constexpr UINT kChanged = WM_APP + 7;

class FolderWatcherTest : public ::testing::Test {
 protected:
  FolderWatcherTest() { std::filesystem::create_directory(temp.Native("shown")); }
  ~FolderWatcherTest() override { DestroyWindow(window); }

  // Lets the thread's messages run until the watcher's message comes (it is
  // handed to the watcher, as the bar window does), for at most `ms`.
  bool ChangeArrives(DWORD ms) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < ms) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == kChanged) {
          watcher.Received(msg.wParam, msg.lParam);
          return true;
        }
        DispatchMessageW(&msg);
      }
    }
    return false;
  }
  // Lets every change noticed so far arrive.
  void Settle() {
    while (ChangeArrives(300)) {
    }
  }

  TempFolder temp;
  HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  Win32FolderWatcher watcher{window, kChanged};
};

TEST_F(FolderWatcherTest, SeesTheFolderReplacedUnderItsPath) {
  ASSERT_TRUE(watcher.Watch(temp.PathOf("shown")));
  std::ofstream(temp.Native("shown") / L"a.txt") << "a";
  EXPECT_TRUE(ChangeArrives(5000)) << "a new entry";
  Settle();

  std::filesystem::rename(temp.Native("shown"), temp.Native("old"));
  std::filesystem::create_directory(temp.Native("shown"));
  EXPECT_TRUE(ChangeArrives(5000)) << "the folder moved away and made anew";
  Settle();

  // Watched again (as every read of the bar does): the new folder's entries.
  ASSERT_TRUE(watcher.Watch(temp.PathOf("shown")));
  std::ofstream(temp.Native("shown") / L"b.txt") << "b";
  EXPECT_TRUE(ChangeArrives(5000)) << "an entry of the new folder";
  watcher.Watch("");
}

}  // namespace
}  // namespace olb::win
