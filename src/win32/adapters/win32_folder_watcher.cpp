#include "win32/adapters/win32_folder_watcher.h"

#include <shlobj.h>

#include "core/paths/path_text.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {

// What changes the list: entries coming, going, renamed or changed.
constexpr LONG kEvents = SHCNE_CREATE | SHCNE_DELETE | SHCNE_MKDIR | SHCNE_RMDIR |
                         SHCNE_RENAMEITEM | SHCNE_RENAMEFOLDER | SHCNE_UPDATEDIR |
                         SHCNE_UPDATEITEM | SHCNE_ATTRIBUTES;

void CALLBACK Signalled(void* context, BOOLEAN) {
  auto& change = *static_cast<ChangeWait*>(context);
  change.fired = true;
  PostMessageW(change.window, change.message, 0, 0);
}

}  // namespace

bool ChangeWait::Open(const std::wstring& path, DWORD filter) {
  handle.Reset(FindFirstChangeNotificationW(path.c_str(), FALSE, filter));
  return handle && Arm();
}

bool ChangeWait::Arm() {
  fired = false;
  HANDLE registered = nullptr;
  if (!RegisterWaitForSingleObject(&registered, handle.get(), Signalled, this, INFINITE,
                                   WT_EXECUTEONLYONCE)) {
    return false;
  }
  wait.Reset(registered);
  return true;
}

void ChangeWait::Rearm() {
  // A message left over from a folder no longer watched finds nothing fired.
  if (!fired.exchange(false) || !handle) return;
  wait.Reset();
  if (!FindNextChangeNotification(handle.get()) || !Arm()) handle.Reset();
}

bool ChangeWait::Poll() {
  if (!handle || wait) return false;
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

void ChangeWait::Close() {
  wait.Reset();
  handle.Reset();
  fired = false;
}

Win32FolderWatcher::Win32FolderWatcher(HWND window, UINT message)
    : window_(window), message_(message) {
  for (ChangeWait* change : {&entries_, &parent_}) {
    change->window = window;
    change->message = message;
  }
}

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
  const bool armed =
      entries_.Open(wide, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                              FILE_NOTIFY_CHANGE_LAST_WRITE);
  return armed || registered();
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
  entries_.Rearm();
  parent_.Rearm();
}

bool Win32FolderWatcher::Poll() {
  const bool entries = entries_.Poll();
  return parent_.Poll() || entries;
}

void Win32FolderWatcher::Stop() {
  registration_.Reset();
  // Waits for a callback under way, so none runs after the handle is gone.
  entries_.Close();
  parent_.Close();
}

}  // namespace olb::win
