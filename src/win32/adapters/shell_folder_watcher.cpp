#include "win32/adapters/shell_folder_watcher.h"

#include <shlobj.h>

#include "win32/base/unicode.h"

namespace olb::win {
namespace {

// What changes the list: entries coming, going, renamed or changed.
constexpr LONG kEvents = SHCNE_CREATE | SHCNE_DELETE | SHCNE_MKDIR | SHCNE_RMDIR |
                         SHCNE_RENAMEITEM | SHCNE_RENAMEFOLDER | SHCNE_UPDATEDIR |
                         SHCNE_UPDATEITEM | SHCNE_ATTRIBUTES;

}  // namespace

bool ShellFolderWatcher::Watch(std::string_view path) {
  Stop();
  if (path.empty()) return true;
  const std::wstring wide = Widen(path);
  PIDLIST_ABSOLUTE pidl = nullptr;
  if (SUCCEEDED(SHParseDisplayName(wide.c_str(), nullptr, &pidl, 0, nullptr))) {
    // Not recursive: the bar shows the folder's direct entries only. The
    // shell keeps its own copy of the list.
    const SHChangeNotifyEntry entry{pidl, FALSE};
    registration_ = SHChangeNotifyRegister(
        window_, SHCNRF_InterruptLevel | SHCNRF_ShellLevel | SHCNRF_NewDelivery, kEvents, message_,
        1, &entry);
    CoTaskMemFree(pidl);
  }
  handle_ = FindFirstChangeNotificationW(
      wide.c_str(), FALSE,
      FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE);
  if (handle_ == INVALID_HANDLE_VALUE) return registration_ != 0;
  return ArmWait() || registration_ != 0;
}

bool ShellFolderWatcher::ArmWait() {
  fired_ = false;
  return RegisterWaitForSingleObject(&wait_, handle_, Signalled, this, INFINITE,
                                     WT_EXECUTEONLYONCE) != FALSE;
}

void CALLBACK ShellFolderWatcher::Signalled(void* self, BOOLEAN) {
  auto& watcher = *static_cast<ShellFolderWatcher*>(self);
  watcher.fired_ = true;
  PostMessageW(watcher.window_, watcher.message_, 0, 0);
}

void ShellFolderWatcher::Received(WPARAM wp, LPARAM lp) {
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
  if (!fired_.exchange(false) || handle_ == INVALID_HANDLE_VALUE) return;
  UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);
  wait_ = nullptr;
  if (!FindNextChangeNotification(handle_) || !ArmWait()) {
    FindCloseChangeNotification(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }
}

bool ShellFolderWatcher::Poll() {
  if (handle_ == INVALID_HANDLE_VALUE || wait_ != nullptr) return false;
  bool changed = false;
  while (WaitForSingleObject(handle_, 0) == WAIT_OBJECT_0) {
    changed = true;
    if (!FindNextChangeNotification(handle_)) {
      FindCloseChangeNotification(handle_);
      handle_ = INVALID_HANDLE_VALUE;
      break;
    }
  }
  return changed;
}

void ShellFolderWatcher::Stop() {
  if (registration_ != 0) SHChangeNotifyDeregister(registration_);
  registration_ = 0;
  // Waits for a callback under way, so none runs after the handle is gone.
  if (wait_ != nullptr) UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);
  wait_ = nullptr;
  if (handle_ != INVALID_HANDLE_VALUE) FindCloseChangeNotification(handle_);
  handle_ = INVALID_HANDLE_VALUE;
  fired_ = false;
}

}  // namespace olb::win
