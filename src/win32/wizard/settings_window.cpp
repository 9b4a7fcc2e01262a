#include "win32/wizard/settings_window.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/settings/dpi_scale.h"
#include "core/settings/hotkey_store.h"
#include "win32/base/dpi.h"
#include "win32/base/message_pump.h"
#include "win32/base/unicode.h"
#include "win32/wizard/setup_window_design.h"

namespace olb::win {
namespace {

constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME;
// At 96 DPI.
constexpr int kMargin = 12, kGap = 8, kColumnGap = 10, kControlWidth = 200;
constexpr int kButtonWidth = 75, kButtonHeight = 25, kComboListHeight = 160;

constexpr wchar_t kTakenNote[] =
    L"Another program holds this hotkey: the bar runs without one. Choose another.";

// The hotkey control's modifier flags against the system's registration's.
WORD ControlValue(const Hotkey& h) {
  BYTE flags = 0;
  if (h.modifiers & kHotkeyShift) flags |= HOTKEYF_SHIFT;
  if (h.modifiers & kHotkeyCtrl) flags |= HOTKEYF_CONTROL;
  if (h.modifiers & kHotkeyAlt) flags |= HOTKEYF_ALT;
  return MAKEWORD(static_cast<BYTE>(h.key), flags);
}

Hotkey HotkeyOf(WORD value) {
  const BYTE flags = HIBYTE(value);
  Hotkey h{0, LOBYTE(value)};
  if (flags & HOTKEYF_SHIFT) h.modifiers |= kHotkeyShift;
  if (flags & HOTKEYF_CONTROL) h.modifiers |= kHotkeyCtrl;
  if (flags & HOTKEYF_ALT) h.modifiers |= kHotkeyAlt;
  return h.key == 0 ? Hotkey{} : h;
}

}  // namespace

SettingsWindow::SettingsWindow(HINSTANCE instance, HWND owner) : instance_(instance) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&icc);
  RegisterFormClass(instance, WndProc, kSettingsClassName);
  RegisterPanelClass(instance);
  CreateWindowExW(kExStyle, kSettingsClassName, L"Settings", kStyle, 0, 0, 100, 100, owner, nullptr,
                  instance, this);
  if (!hwnd_) throw std::runtime_error("Cannot create the Settings window");
}

SettingsWindow::~SettingsWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void SettingsWindow::Show(LaunchBar& bar) {
  SettingsValues shown = ReadSettings(bar);
  while (true) {
    Create(shown);
    result_ = Result::None;
    const HWND first = rows_.empty() ? ok_ : rows_[1].control;
    RunModal(
        hwnd_, first, [this] { return result_ != Result::None; }, nullptr);
    if (result_ != Result::Ok) break;
    const SettingsValues chosen = Chosen(shown);
    ApplySettings(bar, shown, chosen);
    const SettingsValues now = ReadSettings(bar);
    // A hotkey another program holds is said so here, and the window stays.
    if (now.hotkeyTaken && chosen.hotkey != shown.hotkey) {
      shown = now;
      continue;
    }
    break;
  }
  Destroy();
}

void SettingsWindow::Destroy() {
  if (panel_) DestroyWindow(panel_);
  if (ok_) DestroyWindow(ok_);
  if (cancel_) DestroyWindow(cancel_);
  panel_ = ok_ = cancel_ = nullptr;
  rows_.clear();
}

void SettingsWindow::Create(const SettingsValues& v) {
  Destroy();
  dpi_ = WindowDpi(hwnd_);
  font_ = GdiObject(MakeFont(ScaleToDpi(kPanelFontHeight, dpi_), false));
  panel_ = CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, nullptr, WS_CHILD | WS_VISIBLE, 0, 0,
                           1, 1, hwnd_, nullptr, instance_, nullptr);
  const auto child = [this](HWND parent, const wchar_t* cls, const std::wstring& text, DWORD style,
                            int id) {
    const HWND w =
        CreateWindowExW(0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 1, 1, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return w;
  };
  const auto label = [&](const wchar_t* text) {
    return child(panel_, L"STATIC", text, SS_LEFT, 0);
  };

  rows_.push_back({label(L"Shortcuts folder:"),
                   child(panel_, L"STATIC", Widen(v.rootFolder), SS_LEFT | SS_NOPREFIX,
                         static_cast<int>(SettingsControlId::RootFolder)),
                   16, true});
  const std::vector<BoolOption>& options = BoolOptions();
  for (size_t i = 0; i < options.size(); ++i) {
    const HWND box =
        child(panel_, L"BUTTON", Widen(options[i].caption), BS_AUTOCHECKBOX | WS_TABSTOP,
              static_cast<int>(SettingsControlId::FirstOption) + static_cast<int>(i));
    SendMessageW(box, BM_SETCHECK, i < v.options.size() && v.options[i] ? BST_CHECKED : 0, 0);
    rows_.push_back({nullptr, box, 17, true});
  }
  if (v.hasHotkey) {
    const HWND key = child(panel_, HOTKEY_CLASSW, L"", WS_TABSTOP | WS_BORDER,
                           static_cast<int>(SettingsControlId::Hotkey));
    // Plain keys and Shift alone would take typing from every program.
    SendMessageW(key, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, HOTKEYF_CONTROL | HOTKEYF_ALT);
    SendMessageW(key, HKM_SETHOTKEY, ControlValue(v.hotkey), 0);
    rows_.push_back({label(L"Hotkey:"), key, 22});
    if (v.hotkeyTaken) {
      rows_.push_back({nullptr,
                       child(panel_, L"STATIC", kTakenNote, SS_LEFT,
                             static_cast<int>(SettingsControlId::HotkeyNote)),
                       0});
    }
  }
  const auto combo = [&](const std::vector<std::wstring>& items, size_t selected, int id) {
    const HWND c = child(panel_, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL, id);
    for (const std::wstring& item : items)
      SendMessageW(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(c, CB_SETCURSEL, selected, 0);
    return c;
  };
  std::vector<std::wstring> sizes;
  for (const IconSizeChoice& s : kIconSizes) sizes.push_back(Widen(s.caption));
  rows_.push_back({label(L"Icon size:"),
                   combo(sizes, v.iconSize, static_cast<int>(SettingsControlId::IconSize)), 22});
  if (!v.monitors.empty()) {
    std::vector<std::wstring> monitors;
    for (const std::string& m : v.monitors) monitors.push_back(Widen(m));
    rows_.push_back({label(L"Monitor:"),
                     combo(monitors, v.monitor, static_cast<int>(SettingsControlId::Monitor)), 22});
  }
  ok_ = child(hwnd_, L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK);
  cancel_ = child(hwnd_, L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL);
  LayOut();
}

void SettingsWindow::LayOut() {
  const auto px = [this](int v) { return ScaleToDpi(v, dpi_); };
  int labelWidth = 0;
  for (const Row& r : rows_) {
    if (r.label)
      labelWidth = std::max<int>(labelWidth, MeasureText(r.label, PageControlKind::Label, 0).cx);
  }
  const int x = px(kMargin) + labelWidth + px(kColumnGap);
  // The control column is as wide as its widest text, and never narrower
  // than a hotkey or a list needs.
  int columnWidth = px(kControlWidth);
  for (const Row& r : rows_) {
    if (!r.fitText) continue;
    const PageControlKind kind = r.label ? PageControlKind::Label : PageControlKind::CheckBox;
    columnWidth = std::max<int>(columnWidth, MeasureText(r.control, kind, 0).cx);
  }
  int y = px(kMargin);
  const auto place = [](HWND w, int left, int top, int width, int height) {
    SetWindowPos(w, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  for (const Row& r : rows_) {
    int height = px(r.height);
    if (r.height == 0) height = MeasureText(r.control, PageControlKind::Label, columnWidth).cy;
    // A drop-down list is given room for its list; its box is what it keeps.
    const bool isCombo = GetDlgCtrlID(r.control) >= static_cast<int>(SettingsControlId::IconSize);
    place(r.control, x, y, columnWidth, isCombo ? px(kComboListHeight) : height);
    if (isCombo) {
      RECT c{};
      GetWindowRect(r.control, &c);
      height = c.bottom - c.top;
    }
    if (r.label) {
      const Size text = MeasureText(r.label, PageControlKind::Label, 0);
      place(r.label, px(kMargin), y + std::max(0, (height - text.cy) / 2), text.cx, text.cy);
    }
    y += height + px(kGap);
  }
  const int width = x + columnWidth + px(kMargin);
  place(panel_, 0, 0, width, y);
  const int buttonsTop = y + px(kGap);
  place(cancel_, width - px(kMargin + kButtonWidth), buttonsTop, px(kButtonWidth),
        px(kButtonHeight));
  place(ok_, width - px(kMargin + 2 * kButtonWidth + kGap), buttonsTop, px(kButtonWidth),
        px(kButtonHeight));
  RECT frame{0, 0, width, buttonsTop + px(kButtonHeight) + px(kMargin)};
  AdjustWindowRectForDpi(frame, kStyle, kExStyle, dpi_);
  const int w = frame.right - frame.left, h = frame.bottom - frame.top;
  SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

SettingsValues SettingsWindow::Chosen(const SettingsValues& shown) const {
  SettingsValues c = shown;
  const auto item = [this](SettingsControlId id) {
    return GetDlgItem(panel_, static_cast<int>(id));
  };
  for (size_t i = 0; i < c.options.size(); ++i) {
    c.options[i] =
        SendMessageW(GetDlgItem(panel_, static_cast<int>(SettingsControlId::FirstOption) +
                                            static_cast<int>(i)),
                     BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  if (const HWND key = item(SettingsControlId::Hotkey)) {
    const auto value = static_cast<WORD>(SendMessageW(key, HKM_GETHOTKEY, 0, 0));
    // A hotkey the control cannot show (one with the Windows key) stays
    // as it is unless the user typed another.
    if (value != ControlValue(shown.hotkey)) c.hotkey = HotkeyOf(value);
  }
  const auto selected = [&](SettingsControlId id, size_t& into) {
    const LRESULT n = SendMessageW(item(id), CB_GETCURSEL, 0, 0);
    if (n >= 0) into = static_cast<size_t>(n);
  };
  selected(SettingsControlId::IconSize, c.iconSize);
  if (!c.monitors.empty()) selected(SettingsControlId::Monitor, c.monitor);
  return c;
}

LRESULT SettingsWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK && HIWORD(wp) == BN_CLICKED) result_ = Result::Ok;
      if (LOWORD(wp) == IDCANCEL && HIWORD(wp) == BN_CLICKED) result_ = Result::Cancel;
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_CLOSE:
      result_ = Result::Cancel;
      return 0;
    case WM_DPICHANGED:
      // Moved to a monitor of another DPI: the fonts and places follow.
      if (const std::optional<DpiChange> change = ReadDpiChanged(wp, lp); change && panel_) {
        dpi_ = change->dpi;
        GdiObject font(MakeFont(ScaleToDpi(kPanelFontHeight, dpi_), false));
        for (HWND w = GetWindow(panel_, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
          SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
        for (HWND w : {ok_, cancel_})
          SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
        font_ = std::move(font);
        LayOut();
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace olb::win
