// Notices changes made to the folder shown from outside the bar (another
// program, Explorer, a download) through a change notification handle that
// the bar's timer polls, so the message loop needs no handle of its own.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace olb::win {

class FolderWatch {
 public:
  FolderWatch() = default;
  ~FolderWatch() { Stop(); }
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  // Watches `path` (names, sizes, times of its direct entries) unless it is
  // watched already; an empty path or one that cannot be watched stops.
  void Watch(std::string_view path);
  void Stop();
  // True once after one or more changes since the last call; arms again.
  bool TakeChange();
  const std::string& path() const { return path_; }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  std::string path_;
};

// Polls the watch on the bar's timer: a change is re-read one tick after the
// last one seen, and never while the user edits a caption, drags or has a
// menu open (the caller tells through `busy`).
class WatchDebounce {
 public:
  // One tick: true when the folder should be re-read now.
  bool Tick(bool changed, bool busy);

 private:
  bool pending_ = false;
};

}  // namespace olb::win
