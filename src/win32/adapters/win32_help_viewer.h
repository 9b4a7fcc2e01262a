// The help viewer port over the HTML Help control (hhctrl.ocx).
#pragma once

#include <windows.h>

#include "core/wizard/help_file.h"
#include "win32/base/unique_handle.h"

namespace olb::win {

// hhctrl.ocx is loaded on the first request, not imported, so the program
// starts on a system without it and imports only system DLLs. The library
// stays loaded until the viewer is destroyed, which first closes every help
// window the library opened (it must not be unloaded under them).
class Win32HelpViewer : public HelpViewer {
 public:
  explicit Win32HelpViewer(HWND owner) : owner_(owner) {}
  ~Win32HelpViewer() override;
  Win32HelpViewer(const Win32HelpViewer&) = delete;
  Win32HelpViewer& operator=(const Win32HelpViewer&) = delete;

  // HtmlHelpW(owner, topic, HH_DISPLAY_TOPIC, 0); nothing happens when the
  // library is missing. The viewer reports a missing file or topic itself.
  void DisplayTopic(std::string_view topic) override;

 private:
  using HtmlHelpFn = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);

  HWND owner_;
  LibraryHandle library_;
  HtmlHelpFn htmlHelp_ = nullptr;
  bool loadTried_ = false;
};

}  // namespace olb::win
