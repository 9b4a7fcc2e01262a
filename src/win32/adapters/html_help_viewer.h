// The help viewer port over the HTML Help control (hhctrl.ocx).
#pragma once

#include <windows.h>

#include "core/wizard/help_file.h"

namespace olb::win {

// hhctrl.ocx is loaded on the first request, not imported, so the program
// starts on a system without it and imports only system DLLs. The library
// stays loaded until the viewer is destroyed, which first closes every help
// window the library opened (it must not be unloaded under them).
class HtmlHelpViewer : public HelpViewer {
 public:
  explicit HtmlHelpViewer(HWND owner) : owner_(owner) {}
  ~HtmlHelpViewer() override;
  HtmlHelpViewer(const HtmlHelpViewer&) = delete;
  HtmlHelpViewer& operator=(const HtmlHelpViewer&) = delete;

  // HtmlHelpW(owner, topic, HH_DISPLAY_TOPIC, 0); nothing happens when the
  // library is missing. The viewer reports a missing file or topic itself.
  void DisplayTopic(std::string_view topic) override;

 private:
  using HtmlHelpFn = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);

  HWND owner_;
  HMODULE library_ = nullptr;  // owned: freed in the destructor
  HtmlHelpFn htmlHelp_ = nullptr;
  bool loadTried_ = false;
};

}  // namespace olb::win
