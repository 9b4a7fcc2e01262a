// The Settings window: the shortcuts folder, the on/off options, the global
// hotkey, the icon size and the monitor, applied to the bar on OK. Modal,
// laid out for its monitor's DPI with every label as wide as its text.
#pragma once

#include <windows.h>

#include <vector>

#include "core/bar/settings_values.h"
#include "win32/base/gdi.h"
#include "win32/base/window.h"

namespace olb::win {

inline constexpr wchar_t kSettingsClassName[] = L"TSettingsForm";

// Control identifiers, for tests and the probe.
enum class SettingsControlId : int {
  RootFolder = 201,
  FirstOption = 210,  // one check box per BoolOptions() entry
  Hotkey = 230,
  HotkeyNote = 231,
  IconSize = 232,
  Monitor = 233,
};

class SettingsWindow : public BaseWindow<SettingsWindow> {
 public:
  SettingsWindow(HINSTANCE instance, HWND owner);
  ~SettingsWindow();

  // Shows the bar's settings and, on OK, applies what was changed. The
  // item list has the keyboard back afterwards (the caller's part).
  void Show(LaunchBar& bar);
  // Ends the window as its Cancel button does.
  void Cancel() { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

 private:
  enum class Result { None, Ok, Cancel };
  struct Row {
    HWND label = nullptr;    // left column; null for a check box row
    HWND control = nullptr;  // right column, or the check box
    int height = 22;         // at 96 DPI; 0: as its text wraps in the column
    bool fitText = false;    // the control's own text must fit the column
  };

  void Create(const SettingsValues& values);
  void Destroy();
  void LayOut();
  SettingsValues Chosen(const SettingsValues& shown) const;

  HINSTANCE instance_;
  HWND panel_ = nullptr;
  HWND ok_ = nullptr, cancel_ = nullptr;
  std::vector<Row> rows_;
  UINT dpi_ = 96;
  GdiObject font_;
  Result result_ = Result::None;
};

}  // namespace olb::win
