#include "win32/app/application.h"

#include "win32/base/error_box.h"
#include "win32/app/single_instance.h"

namespace olb::win {

Application::Application(HINSTANCE instance) : instance_(instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WndProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, L"MAINICON");
  wc.lpszClassName = kApplicationClassName;
  RegisterClassExW(&wc);

  const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
  window_ = CreateWindowExW(0, kApplicationClassName, L"", WS_POPUP | WS_CLIPSIBLINGS | WS_SYSMENU,
                            x, y, 0, 0, nullptr, nullptr, instance, this);
  // No taskbar button: a tool window is never listed there.
  SetWindowLongW(window_, GWL_EXSTYLE, GetWindowLongW(window_, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  SetMessageBoxOwner(window_);
}

Application::~Application() {
  SetMessageBoxOwner(nullptr);
  if (window_) DestroyWindow(window_);
}

void Application::SetTitle(const wchar_t* title) {
  SetWindowTextW(window_, title);
}

int Application::Run() {
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    // The main form may be destroyed inside a loop of the system's (a close
    // request during a move or size loop): that loop takes the quit message
    // the destruction posted, and the program would wait here for ever.
    if (MainFormGone()) break;
  }
  return 0;
}

bool Application::MainFormGone() const {
  return mainForm_ && !IsWindow(mainForm_);
}

void Application::ProcessMessages() {
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

LRESULT CALLBACK Application::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  // Closing the application window from outside closes the main form, which
  // ends the program in its proper order.
  auto* self = reinterpret_cast<Application*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_CLOSE && self && self->mainForm_) {
    PostMessageW(self->mainForm_, WM_CLOSE, 0, 0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace olb::win
