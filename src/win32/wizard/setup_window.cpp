#include "win32/wizard/setup_window.h"

#include <shellapi.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/settings/dpi_scale.h"
#include "win32/base/dpi.h"
#include "win32/base/message_pump.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {

// Sizeable, with the system menu only: no minimise or maximise box.
constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

// A window of the client size at `dpi`, centred on the desktop.
RECT CentredRect(SIZE client, UINT dpi) {
  RECT r{0, 0, client.cx, client.cy};
  AdjustWindowRectForDpi(r, kStyle, kExStyle, dpi);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  return {x, y, x + w, y + h};
}

}  // namespace

SetupWindow::SetupWindow(HINSTANCE instance, HWND owner) {
  RegisterFormClass(instance, WndProc, kSetupWindowClassName);
  const RECT r = CentredRect({kSetupClientWidth, kSetupClientHeight}, kDesignDpi);
  CreateWindowExW(kExStyle, kSetupWindowClassName, L"", kStyle, r.left, r.top, r.right - r.left,
                  r.bottom - r.top, owner, nullptr, instance, this);
  if (!hwnd_) throw std::runtime_error("Cannot create the settings window");
  CreateSetupWindowControls(hwnd_, instance, controls_);
  FitToDpi();
}

void SetupWindow::FitToDpi() {
  const UINT dpi = WindowDpi(hwnd_);
  if (dpi != controls_.dpi) ApplySetupWindowDpi(controls_, dpi, static_cast<int>(page_));
  const RECT r = CentredRect(SetupClientSize(controls_), controls_.dpi);
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

SetupWindow::~SetupWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void SetupWindow::SelectPage(WizardPage page) {
  for (HWND p : controls_.panels) ShowWindow(p, SW_HIDE);
  MovePanelToFront(controls_, static_cast<int>(page));
  ShowWindow(panel(page), SW_SHOW);
  page_ = page;
  const PageLook look = LookOf(page);
  SetWindowTextW(hwnd_, Widen(look.windowCaption).c_str());
  SetWindowTextW(controls_.okButton, Widen(look.okCaption).c_str());
}

bool SetupWindow::ShowPage(WizardPage page) {
  SelectPage(page);
  return ShowModal() == ModalResult::Ok;
}

void SetupWindow::ShowAboutPage() {
  // Whatever the design says, the version line is written when shown.
  SetDlgItemTextW(panel(WizardPage::About), static_cast<int>(SetupControlId::Label10),
                  Widen(AboutVersionCaption()).c_str());
  LayOutPageControls(controls_, static_cast<int>(WizardPage::About));
  SelectPage(WizardPage::About);
  ShowModal();
}

SetupWindow::ModalResult SetupWindow::ShowModal() {
  if (modal_) throw std::logic_error("The settings window is already open");
  modal_ = true;
  struct Modal {
    bool& on;
    ~Modal() { on = false; }
  } modal{modal_};
  modalResult_ = ModalResult::None;
  // The screen's DPI may have changed while the window was hidden.
  if (WindowDpi(hwnd_) != controls_.dpi) FitToDpi();
  const bool ended = RunModal(
      hwnd_, controls_.okButton, [this] { return modalResult_ != ModalResult::None; },
      [this] {
        if (onPageShown) onPageShown(page_);
      });
  // The program is ending: the page was not answered.
  if (!ended) modalResult_ = ModalResult::Cancel;
  return modalResult_;
}

void SetupWindow::PresetChoices(const WizardChoices& c) {
  const auto set = [this](int n, bool on) {
    SendMessageW(CheckBox(controls_, n), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  };
  for (size_t i = 0; i < c.categories.size(); ++i) set(static_cast<int>(i) + 1, c.categories[i]);
  set(6, c.autoload);
  set(7, c.autoHide);
  set(8, c.alwaysOnTop);
}

WizardChoices SetupWindow::Choices() const {
  const auto checked = [this](int n) {
    return SendMessageW(CheckBox(controls_, n), BM_GETCHECK, 0, 0) == BST_CHECKED;
  };
  WizardChoices c;
  for (size_t i = 0; i < c.categories.size(); ++i)
    c.categories[i] = checked(static_cast<int>(i) + 1);
  c.autoload = checked(6);
  c.autoHide = checked(7);
  c.alwaysOnTop = checked(8);
  return c;
}

void SetupWindow::ReportError(std::string_view message) {
  ShowException(std::runtime_error(std::string(message)));
}

void SetupWindow::OpenSupportMail() {
  // The mail program opens in its normal window; the result is not
  // examined: the shell reports what it cannot open.
  ShellExecuteW(GetWindow(hwnd_, GW_OWNER), nullptr, Widen(SupportMailLink()).c_str(), L"", L"",
                SW_SHOWNORMAL);
}

void SetupWindow::Command(int id, int code) {
  if (id == IDOK && code == BN_CLICKED) {
    modalResult_ = ModalResult::Ok;
  } else if (id == IDCANCEL && code == BN_CLICKED) {
    modalResult_ = ModalResult::Cancel;
  } else if (code == STN_CLICKED && id == static_cast<int>(SetupControlId::Label15)) {
    OpenSupportMail();
  }
}

LRESULT SetupWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      Command(LOWORD(wp), HIWORD(wp));
      return 0;
    case DM_GETDEFID:
      // Enter presses BitBtn1 (IsDialogMessage asks the window for it).
      return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_DPICHANGED: {
      // Moved to a monitor of another DPI: the system's suggested rectangle
      // keeps the window under the pointer. Values no system sends are left.
      const std::optional<DpiChange> change = ReadDpiChanged(wp, lp);
      if (!change) return 0;
      ApplySetupWindowDpi(controls_, change->dpi, static_cast<int>(page_));
      const Rect& r = change->suggested;
      SetWindowPos(hwnd_, nullptr, r.left, r.top, r.Width(), r.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_CLOSE:
      // The close box is Cancel; the window itself lives on, hidden.
      modalResult_ = ModalResult::Cancel;
      return 0;
    case WM_CTLCOLORSTATIC:
      if (IsLink(reinterpret_cast<HWND>(lp))) {
        const HDC dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, RGB(0, 0, 255));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace olb::win
