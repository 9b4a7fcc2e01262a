#include "win32/view/find_panel.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/adapters/win32_shell_namespace.h"
#include "win32/base/dpi.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {

constexpr wchar_t kPanelClass[] = L"OlbFindPanel";
constexpr UINT_PTR kChildSubclass = 1;
// Posted when a child lost the keyboard: the panel closes unless it kept it.
constexpr UINT kCheckFocus = WM_APP + 1;
// Posted by the icon fetcher: icons of the items listed wait.
constexpr UINT kIconsFetched = WM_APP + 2;
// At most this many items are listed; typing more narrows them.
constexpr size_t kMostResults = 200;
constexpr int kGap = 2;

}  // namespace

FindPanel::FindPanel(HWND form, HINSTANCE instance) : instance_(instance) {
  RegisterWindowClass(instance, {kPanelClass, WndProc, 0, false, true});
  // Its text names the field for screen readers, as the label before it.
  CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, L"Find", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0,
                  form, nullptr, instance, this);
  if (!hwnd_) throw std::runtime_error("Cannot create the find panel");
  CreateWindowExW(0, L"STATIC", L"Find", WS_CHILD, 0, 0, 0, 0, hwnd_, nullptr, instance, nullptr);
  edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0, hwnd_,
                          nullptr, instance, nullptr);
  SendMessageW(edit_, EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(L"Find"));
  SetWindowSubclass(edit_, ChildProc, kChildSubclass, reinterpret_cast<DWORD_PTR>(this));
  smallIcons_ = SystemImageList(true);
  icons_ = std::make_unique<Win32IconFetcher>(hwnd_, kIconsFetched);
  MakeResults(false);
}

void FindPanel::MakeResults(bool columns) {
  if (results_) DestroyWindow(results_);
  columns_ = columns;
  const DWORD style = WS_CHILD | WS_VISIBLE | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED | LBS_NOTIFY |
                      LBS_NOINTEGRALHEIGHT | (columns ? LBS_MULTICOLUMN | WS_HSCROLL : WS_VSCROLL);
  results_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"Found", style, 0, 0, 0, 0, hwnd_,
                             nullptr, instance_, nullptr);
  SetWindowSubclass(results_, ChildProc, kChildSubclass, reinterpret_cast<DWORD_PTR>(this));
  if (font_) SendMessageW(results_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  SendMessageW(results_, LB_SETITEMHEIGHT, 0, LineHeight() * 2 + 2 * kGap);
  ListResults();
}

int FindPanel::LineHeight() const {
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = font_ ? SelectObject(dc, font_) : nullptr;
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  if (old) SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  return std::max<int>(tm.tmHeight, 8);
}

void FindPanel::Open(const std::string& text, HFONT font) {
  if (font != font_) {
    font_ = font;
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    MakeResults(columns_);
  }
  SetWindowTextW(edit_, Widen(text).c_str());
  Layout();
  SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetFocus(edit_);
  const auto end = static_cast<LPARAM>(GetWindowTextLengthW(edit_));
  SendMessageW(edit_, EM_SETSEL, end, end);
  Refresh();
}

void FindPanel::Close() {
  if (!IsOpen()) return;
  const HWND focus = GetFocus();
  const bool keyboard = focus == edit_ || focus == results_ || focus == hwnd_;
  ShowWindow(hwnd_, SW_HIDE);
  hits_.clear();
  RequestIcons();
  ListResults();
  if (handlers_.closed) handlers_.closed(keyboard);
}

void FindPanel::Place(const Rect& list) {
  place_ = list;
  MoveWindow(hwnd_, list.left, list.top, std::max(list.Width(), 0), std::max(list.Height(), 0),
             TRUE);
  Layout();
}

void FindPanel::Layout() {
  const int w = place_.Width(), h = place_.Height();
  const int line = LineHeight();
  const int fieldHeight = line + 8;
  // A bar wider than tall lays the field and the results side by side.
  const bool columns = w > h * 2;
  if (columns != columns_) MakeResults(columns);
  const int itemWidth = ScaleToDpi(150, WindowDpi(hwnd_));
  if (columns) {
    const int fieldWidth = std::min(itemWidth, w / 3);
    MoveWindow(edit_, 0, std::max((h - fieldHeight) / 2, 0), fieldWidth, fieldHeight, TRUE);
    MoveWindow(results_, fieldWidth + kGap, 0, std::max(w - fieldWidth - kGap, 0), h, TRUE);
    SendMessageW(results_, LB_SETCOLUMNWIDTH, itemWidth, 0);
  } else {
    MoveWindow(edit_, 0, 0, w, fieldHeight, TRUE);
    MoveWindow(results_, 0, fieldHeight + kGap, w, std::max(h - fieldHeight - kGap, 0), TRUE);
  }
}

void FindPanel::Refresh() {
  if (!IsOpen() || !handlers_.query) return;
  const int length = GetWindowTextLengthW(edit_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(edit_, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  hits_ = handlers_.query(Narrow(text));
  if (hits_.size() > kMostResults) hits_.resize(kMostResults);
  RequestIcons();
  ListResults();
  Select(hits_.empty() ? -1 : 0);
  InvalidateRect(results_, nullptr, TRUE);
}

void FindPanel::ListResults() {
  // Each item's text is what screen readers read of it (the list box's own
  // accessibility); the panel draws the name and the category itself.
  SendMessageW(results_, LB_RESETCONTENT, 0, 0);
  for (const FindHit& hit : hits_) {
    const std::wstring text =
        Widen(hit.category.empty() ? hit.name : hit.name + ", " + hit.category);
    SendMessageW(results_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void FindPanel::RequestIcons() {
  icons_->CancelPending();
  ++iconTicket_;
  iconOf_.assign(hits_.size(), -1);
  std::vector<IconRequest> batch;
  batch.reserve(hits_.size());
  for (size_t i = 0; i < hits_.size(); ++i) {
    IconRequest request;
    request.ticket = iconTicket_;
    request.index = static_cast<int32_t>(i);
    request.smallIcon = true;
    request.path = hits_[i].path;
    batch.push_back(std::move(request));
  }
  icons_->Request(std::move(batch));
}

void FindPanel::TakeIcons() {
  for (const IconAnswer& answer : icons_->TakeAnswers()) {
    // Answers for an earlier listing, or given way to newer requests, are
    // left.
    if (answer.dropped || answer.ticket != iconTicket_ || answer.index < 0 ||
        static_cast<size_t>(answer.index) >= iconOf_.size()) {
      continue;
    }
    iconOf_[static_cast<size_t>(answer.index)] = answer.iconIndex;
    RECT r{};
    if (SendMessageW(results_, LB_GETITEMRECT, static_cast<WPARAM>(answer.index),
                     reinterpret_cast<LPARAM>(&r)) != LB_ERR) {
      InvalidateRect(results_, &r, FALSE);
    }
  }
}

void FindPanel::Select(int index) {
  if (index >= static_cast<int>(hits_.size())) index = static_cast<int>(hits_.size()) - 1;
  if (index < 0 && !hits_.empty()) index = 0;
  SendMessageW(results_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void FindPanel::OpenSelected() {
  const auto at = static_cast<int>(SendMessageW(results_, LB_GETCURSEL, 0, 0));
  if (at < 0 || at >= static_cast<int>(hits_.size())) return;
  const FindHit hit = hits_[static_cast<size_t>(at)];
  Close();
  if (handlers_.open) handlers_.open(hit);
}

void FindPanel::DrawResult(const DRAWITEMSTRUCT& item) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID < hits_.size()) {
    const FindHit& hit = hits_[item.itemID];
    HGDIOBJ old = font_ ? SelectObject(dc, font_) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    const int line = LineHeight();
    // The icon before the name, level with both lines.
    int iconSize = 0, iconHeight = 0;
    if (smallIcons_) ImageList_GetIconSize(smallIcons_, &iconSize, &iconHeight);
    const int32_t icon = item.itemID < iconOf_.size() ? iconOf_[item.itemID] : -1;
    if (icon >= 0 && smallIcons_) {
      ImageList_Draw(smallIcons_, icon, dc, r.left + 4, r.top + (r.bottom - r.top - iconHeight) / 2,
                     ILD_TRANSPARENT | (selected ? ILD_SELECTED : 0));
    }
    const int textLeft = r.left + 4 + (iconSize > 0 ? iconSize + 4 : 0);
    RECT name{textLeft, r.top + kGap, r.right - 2, r.top + kGap + line};
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(dc, Widen(hit.name).c_str(), -1, &name,
              DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    RECT where{name.left + 8, name.bottom, name.right, name.bottom + line};
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_GRAYTEXT));
    DrawTextW(dc, Widen(hit.category).c_str(), -1, &where,
              DT_SINGLELINE | DT_NOPREFIX | DT_PATH_ELLIPSIS);
    if (old) SelectObject(dc, old);
  }
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &r);
}

LRESULT CALLBACK FindPanel::ChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                      DWORD_PTR data) {
  auto& self = *reinterpret_cast<FindPanel*>(data);
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DefSubclassProc(hwnd, msg, wp, lp);
    case WM_KEYDOWN: {
      const auto current = static_cast<int>(SendMessageW(self.results_, LB_GETCURSEL, 0, 0));
      switch (wp) {
        case VK_RETURN:
          self.OpenSelected();
          return 0;
        case VK_ESCAPE:
          self.Close();
          return 0;
        case VK_DOWN:
        case VK_UP:
          if (hwnd != self.edit_) break;
          self.Select(current + (wp == VK_DOWN ? 1 : -1));
          return 0;
        case VK_NEXT:
        case VK_PRIOR:
          if (hwnd != self.edit_) break;
          self.Select(current + (wp == VK_NEXT ? 10 : -10));
          return 0;
        default:
          break;
      }
      break;
    }
    case WM_CHAR:
      // Enter and Esc were taken as keys: no beep for them.
      if (wp == L'\r' || wp == 0x1B) return 0;
      break;
    case WM_KILLFOCUS:
      PostMessageW(self.hwnd_, kCheckFocus, 0, 0);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, ChildProc, kChildSubclass);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT FindPanel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lp) == edit_ && HIWORD(wp) == EN_CHANGE) Refresh();
      if (reinterpret_cast<HWND>(lp) == results_ && HIWORD(wp) == LBN_DBLCLK) OpenSelected();
      return 0;
    case WM_DRAWITEM:
      DrawResult(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    case kIconsFetched:
      TakeIcons();
      return 0;
    case kCheckFocus: {
      // The keyboard went elsewhere (another window, a click on the bar):
      // the panel goes, the list stays where it was.
      const HWND focus = GetFocus();
      if (IsOpen() && focus != edit_ && focus != results_ && focus != hwnd_) Close();
      return 0;
    }
    default:
      return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

}  // namespace olb::win
