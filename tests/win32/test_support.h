// Answering the shell's dialogs from a test.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "win32/base/unicode.h"

namespace olb::win {

// Watches from another thread for a visible dialog of this process whose
// title passes `match`, and hands it to `act` once (or every time with
// `repeat`). Stops when destroyed.
class DialogWatcher {
 public:
  using Match = std::function<bool(HWND dialog, const std::wstring& title)>;
  using Act = std::function<void(HWND dialog)>;
  DialogWatcher(Match match, Act act, bool repeat = false);
  ~DialogWatcher();
  int handled() const { return handled_; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<int> handled_{0};
  std::thread thread_;
};

// Answers every confirmation of the shell with Yes.
DialogWatcher AnswerYes();

// Closes every error box of the program (titled with its name).
DialogWatcher CloseErrorBoxes();

// Waits for the open-file dialog with this title, types `path` (UTF-8) into
// its file-name box and presses OK, once.
DialogWatcher TypeIntoOpenDialog(const std::wstring& title, const std::string& path);

}  // namespace olb::win
