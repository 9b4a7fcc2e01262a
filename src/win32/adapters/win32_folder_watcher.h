// The folder watcher on the shell's change notifications: the shell posts
// `message` to the bar window for every change to the direct entries of the
// folder watched. A shell that takes the registration but does not hear the
// file system (Wine's) would miss changes made by other programs, so a wait
// on the folder's change notification handle posts the same message; the
// controller reads a burst of messages once. Only when neither can be set up
// does the controller poll the handle. A wait on the parent folder's folder
// names tells of the folder itself moved away, removed or made anew, which
// its own handle never sees.
#pragma once

#include <shlobj.h>

#include <atomic>
#include <string>
#include <string_view>

#include "core/platform/folder_watcher.h"
#include "win32/base/unique_handle.h"

namespace olb::win {

// A change notification handle, whose null is INVALID_HANDLE_VALUE.
struct ChangeNotificationClose {
  using Handle = HANDLE;
  static HANDLE Null() { return INVALID_HANDLE_VALUE; }
  void Close(HANDLE handle) const { FindCloseChangeNotification(handle); }
};

// A registered wait, unregistered after any callback under way has run, so
// none runs after what it uses is gone.
struct WaitUnregister {
  using Handle = HANDLE;
  void Close(HANDLE wait) const { UnregisterWaitEx(wait, INVALID_HANDLE_VALUE); }
};

// A change notification handle of one folder and the wait on it, which
// posts the watcher's message each time the handle is signalled.
struct ChangeWait {
  UniqueHandle<ChangeNotificationClose> handle;
  UniqueHandle<WaitUnregister> wait;
  std::atomic<bool> fired{false};
  HWND window = nullptr;
  UINT message = 0;

  // Opens the handle on `path` for `filter` and arms the wait; false when
  // the wait cannot be armed (the handle may still be polled).
  bool Open(const std::wstring& path, DWORD filter);
  bool Arm();
  // After the message: arms the wait again when it fired.
  void Rearm();
  // True when signalled since the last call; for a handle without a wait.
  bool Poll();
  // The wait first (it waits for a callback under way), then the handle.
  void Close();
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

  HWND window_;
  UINT message_;
  UniqueHandle<ClosedBy<ULONG, SHChangeNotifyDeregister>> registration_;
  // The folder's own entries; and the folders of its parent, where a
  // folder moved away, removed or made anew under the same path shows.
  ChangeWait entries_;
  ChangeWait parent_;
};

}  // namespace olb::win
