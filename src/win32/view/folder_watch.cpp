#include "win32/view/folder_watch.h"

#include "win32/base/unicode.h"

namespace olb::win {

void FolderWatch::Watch(std::string_view path) {
  if (path == path_ && handle_ != INVALID_HANDLE_VALUE) return;
  Stop();
  if (path.empty()) return;
  handle_ = FindFirstChangeNotificationW(
      Widen(path).c_str(), FALSE,
      FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE);
  if (handle_ != INVALID_HANDLE_VALUE) path_ = std::string(path);
}

void FolderWatch::Stop() {
  if (handle_ != INVALID_HANDLE_VALUE) FindCloseChangeNotification(handle_);
  handle_ = INVALID_HANDLE_VALUE;
  path_.clear();
}

bool FolderWatch::TakeChange() {
  if (handle_ == INVALID_HANDLE_VALUE) return false;
  bool changed = false;
  while (WaitForSingleObject(handle_, 0) == WAIT_OBJECT_0) {
    changed = true;
    if (!FindNextChangeNotification(handle_)) {
      Stop();
      break;
    }
  }
  return changed;
}

bool WatchDebounce::Tick(bool changed, bool busy) {
  if (changed || busy) {
    pending_ = pending_ || changed;
    return false;
  }
  const bool due = pending_;
  pending_ = false;
  return due;
}

}  // namespace olb::win
