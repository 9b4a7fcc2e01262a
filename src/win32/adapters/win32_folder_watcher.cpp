#include "win32/adapters/win32_folder_watcher.h"

#include <shlobj.h>

#include "win32/base/unicode.h"

namespace olb::win {
namespace {

// What changes the list: entries coming, going, renamed or changed.
constexpr LONG kEvents = SHCNE_CREATE | SHCNE_DELETE | SHCNE_MKDIR | SHCNE_RMDIR |
                         SHCNE_RENAMEITEM | SHCNE_RENAMEFOLDER | SHCNE_UPDATEDIR |
                         SHCNE_UPDATEITEM | SHCNE_ATTRIBUTES;

}  // namespace

bool Win32FolderWatcher::Watch(std::string_view path) {
  Stop();
  if (path.empty()) return true;
  const std::wstring wide = Widen(path);
  PIDLIST_ABSOLUTE pidl = nullptr;
  if (SUCCEEDED(SHParseDisplayName(wide.c_str(), nullptr, &pidl, 0, nullptr))) {
    // Not recursive: the bar shows the folder's direct entries only. The
    // shell keeps its own copy of the list.
    const SHChangeNotifyEntry entry{pidl, FALSE};
    registration_.Reset(SHChangeNotifyRegister(
        window_, SHCNRF_InterruptLevel | SHCNRF_ShellLevel | SHCNRF_NewDelivery, kEvents, message_,
        1, &entry));
    CoTaskMemFree(pidl);
  }
  handle_.Reset(FindFirstChangeNotificationW(
      wide.c_str(), FALSE,
      FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE));
  if (!handle_) return registered();
  return ArmWait() || registered();
}

bool Win32FolderWatcher::ArmWait() {
  fired_ = false;
  HANDLE wait = nullptr;
  if (!RegisterWaitForSingleObject(&wait, handle_.get(), Signalled, this, INFINITE,
                                   WT_EXECUTEONLYONCE)) {
    return false;
  }
  wait_.Reset(wait);
  return true;
}

void CALLBACK Win32FolderWatcher::Signalled(void* self, BOOLEAN) {
  auto& watcher = *static_cast<Win32FolderWatcher*>(self);
  watcher.fired_ = true;
  PostMessageW(watcher.window_, watcher.message_, 0, 0);
}

void Win32FolderWatcher::Received(WPARAM wp, LPARAM lp) {
  if (wp != 0) {
    // The shell's own delivery: its block is freed by locking and unlocking.
    PIDLIST_ABSOLUTE* pidls = nullptr;
    LONG event = 0;
    if (HANDLE lock = SHChangeNotification_Lock(reinterpret_cast<HANDLE>(wp),
                                                static_cast<DWORD>(lp), &pidls, &event)) {
      SHChangeNotification_Unlock(lock);
    }
    return;
  }
  // The wait fired once; a message left over from a folder no longer
  // watched finds nothing fired.
  if (!fired_.exchange(false) || !handle_) return;
  wait_.Reset();
  if (!FindNextChangeNotification(handle_.get()) || !ArmWait()) handle_.Reset();
}

bool Win32FolderWatcher::Poll() {
  if (!handle_ || wait_) return false;
  bool changed = false;
  while (WaitForSingleObject(handle_.get(), 0) == WAIT_OBJECT_0) {
    changed = true;
    if (!FindNextChangeNotification(handle_.get())) {
      handle_.Reset();
      break;
    }
  }
  return changed;
}

void Win32FolderWatcher::Stop() {
  registration_.Reset();
  // Waits for a callback under way, so none runs after the handle is gone.
  wait_.Reset();
  handle_.Reset();
  fired_ = false;
}

}  // namespace olb::win
