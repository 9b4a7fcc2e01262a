// SetupWindow: the small modal window that is the first-start wizard (three
// pages) and, later, the About window. It lives, hidden, from start-up to
// the end of the program and shows one page at a time.
#pragma once

#include <windows.h>

#include <functional>

#include "core/wizard/setup_wizard.h"
#include "win32/base/window.h"
#include "win32/wizard/setup_window_design.h"

namespace olb::win {

inline constexpr wchar_t kSetupWindowClassName[] = L"TForm6";

class SetupWindow : public BaseWindow<SetupWindow>, public WizardWindow {
 public:
  // `owner` is the application window, which owns the page windows and the
  // links' browser requests.
  SetupWindow(HINSTANCE instance, HWND owner);
  ~SetupWindow() override;

  // WizardWindow: each page is its own modal showing of this window.
  bool ShowPage(WizardPage page) override;
  void PresetChoices(const WizardChoices& choices) override;
  WizardChoices Choices() const override;
  void ReportError(std::string_view message) override;

  // The About page, modally; either button closes it.
  void ShowAboutPage();
  // Ends the page on show as its Cancel button does.
  void Cancel() { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

  // Runs once a page is up, before its modal loop waits for the user; tests
  // answer the page from it with real messages.
  std::function<void(WizardPage)> onPageShown;

  const SetupWindowControls& controls() const { return controls_; }
  HWND panel(WizardPage page) const { return controls_.panels[static_cast<size_t>(page)]; }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

 private:
  enum class ModalResult { None, Ok, Cancel };

  void SelectPage(WizardPage page);
  // Lays the window out for the DPI of its monitor and centres it.
  void FitToDpi();
  // Runs the window's own message loop until a button, Enter, Esc or the
  // close box ends it; the program's other windows are disabled meanwhile.
  ModalResult ShowModal();
  void Command(int id, int code);
  void OpenSupportMail();

  SetupWindowControls controls_;
  WizardPage page_ = WizardPage::Step1;
  ModalResult modalResult_ = ModalResult::None;
  bool modal_ = false;
};

}  // namespace olb::win
