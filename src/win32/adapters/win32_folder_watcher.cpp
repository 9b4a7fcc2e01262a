#include "win32/adapters/win32_folder_watcher.h"

#include <shlobj.h>

#include <utility>

#include "core/paths/path_text.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {

// What changes the list: entries coming, going, renamed or changed.
constexpr LONG kEvents = SHCNE_CREATE | SHCNE_DELETE | SHCNE_MKDIR | SHCNE_RMDIR |
                         SHCNE_RENAMEITEM | SHCNE_RENAMEFOLDER | SHCNE_UPDATEDIR |
                         SHCNE_UPDATEITEM | SHCNE_ATTRIBUTES;

}  // namespace

bool ChangeWait::Open(const std::wstring& path, DWORD filter) {
  handle.Reset(FindFirstChangeNotificationW(path.c_str(), FALSE, filter));
  return static_cast<bool>(handle);
}

bool ChangeWait::Poll() {
  if (!handle) return false;
  bool changed = false;
  while (WaitForSingleObject(handle.get(), 0) == WAIT_OBJECT_0) {
    changed = true;
    if (!FindNextChangeNotification(handle.get())) {
      handle.Reset();
      break;
    }
  }
  return changed;
}

Win32FolderWatcher::Win32FolderWatcher(HWND window, UINT message)
    : window_(window), message_(message), waiter_(ChangeWaiter::Shared()) {}

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
  // A drive root has no parent to watch.
  const std::string parent = PathFolder(WithoutTrailingBackslashes(path));
  if (!parent.empty() && parent.size() < WithoutTrailingBackslashes(path).size()) {
    parent_.Open(Widen(parent), FILE_NOTIFY_CHANGE_DIR_NAME);
  }
  const bool opened =
      entries_.Open(wide, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                              FILE_NOTIFY_CHANGE_LAST_WRITE);
  if (opened) {
    entriesWait_ = WaitOn(entries_);
    if (entriesWait_) parentWait_ = WaitOn(parent_);
  }
  return entriesWait_ != 0 || registered();
}

// A signalled handle is re-armed at once: a change made while the message
// waits is seen by the read that the message starts, or posts it again. A
// handle that cannot be re-armed is no longer waited on.
ChangeWaiter::Id Win32FolderWatcher::WaitOn(const ChangeWait& change) {
  if (!change.handle) return 0;
  const HANDLE handle = change.handle.get();
  return waiter_.Add(handle, [this, handle] {
    const bool again = FindNextChangeNotification(handle) != FALSE;
    if (!posted_.exchange(true)) PostMessageW(window_, message_, 0, 0);
    return again;
  });
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
  posted_ = false;
}

bool Win32FolderWatcher::Poll() {
  if (entriesWait_) return false;
  const bool entries = entries_.Poll();
  return parent_.Poll() || entries;
}

void Win32FolderWatcher::Stop() {
  registration_.Reset();
  // The waits end before the handles they wait on are closed.
  waiter_.Remove(std::exchange(entriesWait_, 0));
  waiter_.Remove(std::exchange(parentWait_, 0));
  entries_.handle.Reset();
  parent_.handle.Reset();
  posted_ = false;
}

}  // namespace olb::win
