// The program's hidden application window and its message loop.
//
// The application window owns every other top-level window of the program.
// It carries the tool-window style, so the program gets no taskbar button,
// and a second start finds it at the end of the bar's owner chain.
#pragma once

#include <windows.h>

#include "win32/base/message_pump.h"
#include "win32/base/posted_message_filter.h"
#include "win32/base/window.h"

namespace olb::win {

class Application : public BaseWindow<Application> {
 public:
  explicit Application(HINSTANCE instance);
  ~Application();

  HWND handle() const { return hwnd(); }
  HINSTANCE instance() const { return instance_; }
  void SetTitle(const wchar_t* title);
  // The form whose closing ends the program.
  void SetMainForm(HWND form) { mainForm_ = form; }

  // Runs the message loop until the main form posts the quit message or no
  // longer exists, whichever the loop sees first.
  int Run();
  bool MainFormGone() const;

  // The pump's single pass, for the forms that let messages run.
  static void ProcessMessages() { win::ProcessMessages(); }

 private:
  friend class BaseWindow<Application>;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  HINSTANCE instance_;
  HWND mainForm_ = nullptr;
  // No posted WM_NOTIFY reaches a window of the program's thread.
  PostedMessageFilter postedFilter_;
};

}  // namespace olb::win
