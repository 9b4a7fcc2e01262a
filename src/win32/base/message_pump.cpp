#include "win32/base/message_pump.h"

#include <vector>

namespace olb::win {
namespace {

struct ThreadWindows {
  HWND except;
  std::vector<HWND> disabled;
};

BOOL CALLBACK DisableOne(HWND w, LPARAM lp) {
  auto* t = reinterpret_cast<ThreadWindows*>(lp);
  if (w != t->except && IsWindowVisible(w) && IsWindowEnabled(w)) {
    EnableWindow(w, FALSE);
    t->disabled.push_back(w);
  }
  return TRUE;
}

}  // namespace

bool RunModal(HWND window, HWND focus, const std::function<bool()>& done,
              const std::function<void()>& shown) {
  // Undoes the modal state however the loop ends.
  // The window that had activation before gets it back (a hidden window
  // would hand it to whatever lies below, another program's window even).
  struct ModalScope {
    HWND window;
    HWND before;
    ThreadWindows others;
    ~ModalScope() {
      for (HWND w : others.disabled) EnableWindow(w, TRUE);
      if (before && GetActiveWindow() == window && IsWindowVisible(before)) SetActiveWindow(before);
      ShowWindow(window, SW_HIDE);
    }
  } scope{window, GetActiveWindow(), {window, {}}};
  EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&scope.others));
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  SetFocus(focus);
  if (shown) shown();
  MSG msg;
  while (!done()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (!IsDialogMessageW(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return true;
}

void RunMessageLoop(const std::function<bool()>& done) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    if (done()) break;
  }
}

void ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace olb::win
