// The folder watcher on the shell's change notifications: the shell posts
// `message` to the bar window for every change to the direct entries of the
// folder watched. A shell that takes the registration but does not hear the
// file system (Wine's) would miss changes made by other programs, so a wait
// on the folder's change notification handle posts the same message; the
// controller reads a burst of messages once. The program's one waiting
// thread waits on the handles (Wine's thread pool would start a thread for
// each, costing a megabyte of memory). Only when neither can be set up
// does the controller poll the handle. A wait on the parent folder's folder
// names tells of the folder itself moved away, removed or made anew, which
// its own handle never sees.
#pragma once

#include <shlobj.h>

#include <atomic>
#include <string>
#include <string_view>

#include "core/platform/folder_watcher.h"
#include "win32/adapters/win32_change_waiter.h"
#include "win32/base/unique_handle.h"

namespace olb::win {

// A change notification handle, whose null is INVALID_HANDLE_VALUE.
struct ChangeNotificationClose {
  using Handle = HANDLE;
  static HANDLE Null() { return INVALID_HANDLE_VALUE; }
  void Close(HANDLE handle) const { FindCloseChangeNotification(handle); }
};

// A change notification handle of one folder.
struct ChangeWait {
  UniqueHandle<ChangeNotificationClose> handle;

  // Opens the handle on `path` for `filter`; false when it cannot.
  bool Open(const std::wstring& path, DWORD filter);
  // True when signalled since the last call; for handles no thread waits on.
  bool Poll();
};

class Win32FolderWatcher : public FolderWatcher {
 public:
  Win32FolderWatcher(HWND window, UINT message);
  ~Win32FolderWatcher() override { Stop(); }
  Win32FolderWatcher(const Win32FolderWatcher&) = delete;
  Win32FolderWatcher& operator=(const Win32FolderWatcher&) = delete;

  bool Watch(std::string_view path) override;
  bool Poll() override;
  // Whether the shell took the registration.
  bool registered() const { return static_cast<bool>(registration_); }

  // One of the watch's messages arrived: frees what the shell passed with
  // it, or arms the waits again after the one that posted it.
  void Received(WPARAM wp, LPARAM lp);

 private:
  void Stop();
  ChangeWaiter::Id WaitOn(const ChangeWait& change);

  HWND window_;
  UINT message_;
  // Set when a wait posted the message, cleared when it arrives: a
  // burst of changes posts it once.
  std::atomic<bool> posted_{false};
  ChangeWaiter& waiter_;
  ChangeWaiter::Id entriesWait_ = 0;
  ChangeWaiter::Id parentWait_ = 0;
  UniqueHandle<ClosedBy<ULONG, SHChangeNotifyDeregister>> registration_;
  // The folder's own entries; and the folders of its parent, where a
  // folder moved away, removed or made anew under the same path shows.
  ChangeWait entries_;
  ChangeWait parent_;
};

}  // namespace olb::win
