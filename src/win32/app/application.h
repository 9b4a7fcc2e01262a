// The program's hidden application window and its message loop.
//
// The application window owns every other top-level window of the program.
// It carries the tool-window style, so the program gets no taskbar button,
// and a second start finds it at the end of the bar's owner chain.
#pragma once

#include <windows.h>

namespace olb::win {

class Application {
 public:
  explicit Application(HINSTANCE instance);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  HWND handle() const { return window_; }
  HINSTANCE instance() const { return instance_; }
  void SetTitle(const wchar_t* title);
  // The form whose closing ends the program.
  void SetMainForm(HWND form) { mainForm_ = form; }

  // Runs the message loop until the main form posts the quit message or no
  // longer exists, whichever the loop sees first.
  int Run();
  bool MainFormGone() const;

  // Lets pending messages run once: delivers every queued window and timer
  // message, then returns. A quit message is put back for the main loop.
  static void ProcessMessages();

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  HINSTANCE instance_;
  HWND window_ = nullptr;
  HWND mainForm_ = nullptr;
};

}  // namespace olb::win
