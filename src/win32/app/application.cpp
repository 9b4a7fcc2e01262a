#include "win32/app/application.h"

#include "win32/base/error_box.h"
#include "win32/app/single_instance.h"

namespace olb::win {

Application::Application(HINSTANCE instance) : instance_(instance) {
  RegisterWindowClass(instance, {kApplicationClassName, WndProc, 0, true, false});
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
  CreateWindowExW(0, kApplicationClassName, L"", WS_POPUP | WS_CLIPSIBLINGS | WS_SYSMENU, x, y, 0,
                  0, nullptr, nullptr, instance, this);
  // No taskbar button: a tool window is never listed there.
  SetWindowLongW(hwnd_, GWL_EXSTYLE, GetWindowLongW(hwnd_, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  SetMessageBoxOwner(hwnd_);
}

Application::~Application() {
  SetMessageBoxOwner(nullptr);
}

void Application::SetTitle(const wchar_t* title) {
  SetWindowTextW(hwnd_, title);
}

int Application::Run() {
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  // The main form may be destroyed inside a loop of the system's (a close
  // request during a move or size loop): that loop takes the quit message
  // the destruction posted, and the program would wait here for ever.
  RunMessageLoop([this] { return MainFormGone(); });
  return 0;
}

bool Application::MainFormGone() const {
  return mainForm_ && !IsWindow(mainForm_);
}

LRESULT Application::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // Closing the application window from outside closes the main form, which
  // ends the program in its proper order.
  if (msg == WM_CLOSE && mainForm_) {
    PostMessageW(mainForm_, WM_CLOSE, 0, 0);
    return 0;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace olb::win
