// The find field and its results, shown over the item list while the user
// finds an item anywhere under the root by part of its name: the field at
// the top (at the left on a horizontal bar), the items found below it (to
// its right, in columns), each with its category under its name. Enter or
// a double click opens the selected one; Esc closes the panel. Each item
// shows its small shell icon, looked up on the icon fetcher's thread.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/find/find_index.h"
#include "core/platform/geometry.h"
#include "win32/adapters/win32_icon_fetcher.h"
#include "win32/base/window.h"

namespace olb::win {

struct FindHandlers {
  std::function<std::vector<FindHit>(const std::string& text)> query;
  // The panel has closed itself first.
  std::function<void(const FindHit& hit)> open;
  // The panel closed; `keyboard` when it had the keyboard, which goes back.
  std::function<void(bool keyboard)> closed;
};

class FindPanel : public BaseWindow<FindPanel> {
 public:
  FindPanel(HWND form, HINSTANCE instance);

  // Shows the panel with `text` in the field, the keyboard in it, the caret
  // at the end, in `font`.
  void Open(const std::string& text, HFONT font);
  void Close();
  bool IsOpen() const { return IsWindowVisible(hwnd_) != FALSE; }
  // Over `list` (form coordinates).
  void Place(const Rect& list);
  // Finds again with the text in the field (the index changed).
  void Refresh();
  FindHandlers& handlers() { return handlers_; }
  HWND field() const { return edit_; }
  HWND results() const { return results_; }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

 private:
  static LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                    DWORD_PTR self);
  // The results as columns along a horizontal bar or rows down a vertical one.
  void MakeResults(bool columns);
  void Layout();
  void DrawResult(const DRAWITEMSTRUCT& item);
  void OpenSelected();
  void Select(int index);
  int LineHeight() const;
  // Lists the items found in the results, by their names and categories.
  void ListResults();
  // Asks for the icons of the items listed now.
  void RequestIcons();
  void TakeIcons();

  HINSTANCE instance_;
  HWND edit_ = nullptr;
  HWND results_ = nullptr;
  bool columns_ = false;
  HFONT font_ = nullptr;
  Rect place_{};
  std::vector<FindHit> hits_;
  FindHandlers handlers_;
  HIMAGELIST smallIcons_ = nullptr;  // the system's, kept by the shell
  std::vector<int32_t> iconOf_;      // per item listed: -1 until it came
  uint64_t iconTicket_ = 0;          // the listing the icons asked for are of
  std::unique_ptr<Win32IconFetcher> icons_;
};

}  // namespace olb::win
