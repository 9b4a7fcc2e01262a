// Binds a C++ object to its HWND on WM_NCCREATE and forwards messages to the
// derived class's HandleMessage. Exceptions never cross the window procedure:
// they are shown in the program's error box and the message loop goes on.
// The object owns its window: one still alive when the object goes is
// destroyed, after it is cut off from the object (whose derived part is gone
// by then). A derived class whose WM_DESTROY handling matters destroys its
// window in its own destructor.
#pragma once

#include <windows.h>

#include <exception>

#include "win32/base/error_box.h"

namespace olb::win {

// A window class of the program's, registered by the first window of the
// class that is made; later ones find it registered.
struct WindowClass {
  const wchar_t* name = nullptr;
  WNDPROC proc = nullptr;
  UINT style = 0;
  bool programIcon = true;  // the program's icon in the caption
  bool formLook = true;     // the arrow cursor and the button-face background
};
void RegisterWindowClass(HINSTANCE instance, const WindowClass& windowClass);

// Registers the class of one of the program's forms: the program's icon,
// the arrow cursor and the button-face background.
inline void RegisterFormClass(HINSTANCE instance, WNDPROC proc, const wchar_t* className,
                              UINT classStyle = 0) {
  RegisterWindowClass(instance, {className, proc, classStyle, true, true});
}

template <typename T>
class BaseWindow {
 public:
  HWND hwnd() const { return hwnd_; }

 protected:
  BaseWindow() = default;
  ~BaseWindow() {
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;

  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    T* self = nullptr;
    if (msg == WM_NCCREATE) {
      auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
      self = static_cast<T*>(cs->lpCreateParams);
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    try {
      const LRESULT result = self->HandleMessage(msg, wp, lp);
      if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
      }
      return result;
    } catch (const std::exception& e) {
      ShowException(e);
    } catch (...) {
      ShowException(std::runtime_error("Unknown error"));
    }
    return 0;
  }

  HWND hwnd_ = nullptr;
};

}  // namespace olb::win
