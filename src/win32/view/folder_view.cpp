#include "win32/view/folder_view.h"

#include "win32/base/posted_message_filter.h"
#include "win32/base/unicode.h"

#include <windowsx.h>

namespace olb::win {

FolderView::FolderView(HWND form, HINSTANCE instance, HWND appWindow)
    : form_(form),
      shell_(allocator_, appWindow),
      launcher_(appWindow),
      list_(form, instance),
      strips_(form),
      // The button never keeps the keyboard: the list has it before the
      // folder changes (which may disable the button at the root).
      panel_(form, instance,
             [this] {
               SetFocus(list_.hwnd());
               if (bar_) bar_->UpOneLevel();
             }),
      findSource_(form, kFindNewsMessage),
      finder_(findSource_, fold_),
      find_(form, instance) {}

void FolderView::Attach(LaunchBar& bar) {
  bar_ = &bar;
  strips_.SetLayout(&bar.layout());
  list_.SetModel(&bar.model());
  ListViewHandlers& h = list_.handlers();
  h.dblClick = [this] { bar_->OnDoubleClick(); };
  // A category opened as a menu opens at the pointer.
  h.click = [this] {
    POINT at{};
    GetCursorPos(&at);
    bar_->OnListClick({at.x, at.y});
  };
  h.editBegan = [this](int row) { bar_->OnLabelEditBegan(row); };
  h.keyDown = [this](uint16_t key, uint32_t mods) { return bar_->OnListKey(key, mods); };
  h.typed = [this](char16_t unit, uint32_t timeMs) { return bar_->OnListChar(unit, timeMs); };
  h.wheel = [this](int delta, POINT screen) { Wheel(delta, screen); };
  // Keys, type-ahead and clicks scroll the control by itself.
  h.scrolled = [this] { bar_->OnListScrolled(); };
  bar.openFind = [this](const std::string& typed) { OpenFind(typed); };
  FindHandlers& f = find_.handlers();
  f.query = [this](const std::string& text) { return finder_.Query(text, 200); };
  f.open = [this](const FindHit& hit) { bar_->OpenFound(hit.path, hit.name, hit.isFolder); };
  f.closed = [this](bool keyboard) {
    ShowWindow(list_.hwnd(), SW_SHOWNA);
    if (keyboard) SetFocus(list_.hwnd());
  };
  h.rightClick = [this](POINT inList) {
    const Rect& l = bar_->layout().list;
    bar_->OnListRightClick({l.left, l.top}, {inList.x, inList.y});
  };
}

void FolderView::StartFindIndex() {
  if (bar_ && !bar_->paths().RootPath.empty()) finder_.Start(bar_->paths().RootPath);
}

void FolderView::OpenFind(const std::string& typed) {
  // A root chosen since (or none before the first start) is indexed now.
  StartFindIndex();
  find_.Open(typed, reinterpret_cast<HFONT>(SendMessageW(list_.hwnd(), WM_GETFONT, 0, 0)));
  ShowWindow(list_.hwnd(), SW_HIDE);
}

void FolderView::Wheel(int delta, POINT screen) {
  if (delta == 0) return;
  ScreenToClient(form_, &screen);
  bar_->OnWheel(delta, {screen.x, screen.y});
}

bool FolderView::LabelEdited(const NMHDR& header) {
  std::string text;
  int row = -1;
  if (header.code == LVN_ENDLABELEDITW) {
    const auto& info = reinterpret_cast<const NMLVDISPINFOW&>(header);
    if (!info.item.pszText) return true;  // editing cancelled
    text = Narrow(info.item.pszText);
    row = info.item.iItem;
  } else {
    const auto& info = reinterpret_cast<const NMLVDISPINFOA&>(header);
    if (!info.item.pszText) return true;
    text = AnsiToUtf8(info.item.pszText);  // an ANSI control's text is in the system code page
    row = info.item.iItem;
  }
  bar_->OnLabelEdited(row, text);
  return true;
}

void FolderView::StripHover(Point inForm) {
  if (const std::optional<StripId> s = strips_.StripAt(inForm)) bar_->OnStripMouseMove(*s, inForm);
}

bool FolderView::HandleFormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (!bar_) return false;
  switch (msg) {
    case WM_NOTIFY: {
      // Only the bar's own controls notify it; anything else is left unread.
      if (!IsOwnNotification(lp)) {
        result = 0;
        return true;
      }
      auto& header = *reinterpret_cast<NMHDR*>(lp);
      if (header.hwndFrom == list_.hwnd() &&
          (header.code == LVN_ENDLABELEDITW || header.code == LVN_ENDLABELEDITA)) {
        result = FALSE;  // the list shows the re-read folder, not the edit
        return LabelEdited(header);
      }
      return list_.OnNotify(header, result);
    }
    case kFindNewsMessage:
      finder_.OnNews();
      find_.Refresh();
      result = 0;
      return true;
    case WM_MOUSEMOVE:
      StripHover({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      return false;  // the form may want the move too
    case WM_SETTINGCHANGE:
      if (wp != SPI_SETHIGHCONTRAST) return false;
      [[fallthrough]];
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
      // Only top-level windows hear of them: the list and the strips follow
      // the colours (High Contrast on or off).
      SendMessageW(list_.hwnd(), msg, wp, lp);
      list_.ApplySystemColors();
      bar_->OnListScrolled();
      return false;  // the form repaints its own parts
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
      Wheel(WheelDeltaAlongBar(msg, wp), {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace olb::win
