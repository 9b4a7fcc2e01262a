// The folder watcher on the shell's change notifications: the shell posts
// `message` to the bar window for every change to the direct entries of the
// folder watched. A shell that takes the registration but does not hear the
// file system (Wine's) would miss changes made by other programs, so a wait
// on the folder's change notification handle posts the same message; the
// controller reads a burst of messages once. Only when neither can be set up
// does the controller poll the handle.
#pragma once

#include <shlobj.h>

#include <atomic>
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

class Win32FolderWatcher : public FolderWatcher {
 public:
  Win32FolderWatcher(HWND window, UINT message) : window_(window), message_(message) {}
  ~Win32FolderWatcher() override { Stop(); }
  Win32FolderWatcher(const Win32FolderWatcher&) = delete;
  Win32FolderWatcher& operator=(const Win32FolderWatcher&) = delete;

  bool Watch(std::string_view path) override;
  bool Poll() override;
  // Whether the shell took the registration.
  bool registered() const { return static_cast<bool>(registration_); }

  // One of the watch's messages arrived: frees what the shell passed with
  // it, or arms the wait again after the one that posted it.
  void Received(WPARAM wp, LPARAM lp);

 private:
  static void CALLBACK Signalled(void* self, BOOLEAN timedOut);
  bool ArmWait();
  void Stop();

  HWND window_;
  UINT message_;
  UniqueHandle<ClosedBy<ULONG, SHChangeNotifyDeregister>> registration_;
  UniqueHandle<ChangeNotificationClose> handle_;
  UniqueHandle<WaitUnregister> wait_;
  std::atomic<bool> fired_{false};
};

}  // namespace olb::win
