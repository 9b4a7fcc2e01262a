// The folder watcher on the shell's change notifications: the shell posts
// `message` to the bar window for every change to the direct entries of the
// folder watched. A shell that takes the registration but does not hear the
// file system (Wine's) would miss changes made by other programs, so a wait
// on the folder's change notification handle posts the same message; the
// controller reads a burst of messages once. Only when neither can be set up
// does the controller poll the handle.
#pragma once

#include <windows.h>

#include <atomic>
#include <string_view>

#include "core/platform/folder_watcher.h"

namespace olb::win {

class ShellFolderWatcher : public FolderWatcher {
 public:
  ShellFolderWatcher(HWND window, UINT message) : window_(window), message_(message) {}
  ~ShellFolderWatcher() override { Stop(); }
  ShellFolderWatcher(const ShellFolderWatcher&) = delete;
  ShellFolderWatcher& operator=(const ShellFolderWatcher&) = delete;

  bool Watch(std::string_view path) override;
  bool Poll() override;
  // Whether the shell took the registration.
  bool registered() const { return registration_ != 0; }

  // One of the watch's messages arrived: frees what the shell passed with
  // it, or arms the wait again after the one that posted it.
  void Received(WPARAM wp, LPARAM lp);

 private:
  static void CALLBACK Signalled(void* self, BOOLEAN timedOut);
  bool ArmWait();
  void Stop();

  HWND window_;
  UINT message_;
  ULONG registration_ = 0;
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  HANDLE wait_ = nullptr;
  std::atomic<bool> fired_{false};
};

}  // namespace olb::win
