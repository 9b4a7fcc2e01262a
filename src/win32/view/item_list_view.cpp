#include "win32/view/item_list_view.h"

#include <commoncontrols.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "win32/adapters/win32_shell_namespace.h"
#include "win32/base/form_font.h"
#include "win32/base/dpi.h"
#include "win32/base/error_box.h"
#include "win32/base/posted_message_filter.h"
#include "win32/base/rect.h"
#include "win32/view/empty_folder_hint.h"

namespace olb::win {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kColumnWidth = 300;
constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;  // 0xF012

DWORD StyleBitsOf(ListViewStyle style) {
  switch (style) {
    case ListViewStyle::LargeIcons:
    case ListViewStyle::ExtraLargeIcons:
      return LVS_ICON;
    case ListViewStyle::SmallIcons:
      return LVS_SMALLICON;
    case ListViewStyle::List:
      return LVS_LIST;
    case ListViewStyle::Report:
      return LVS_REPORT;
  }
  return LVS_ICON;
}

ListViewStyle StyleFromBits(DWORD style) {
  switch (style & LVS_TYPEMASK) {
    case LVS_SMALLICON:
      return ListViewStyle::SmallIcons;
    case LVS_LIST:
      return ListViewStyle::List;
    case LVS_REPORT:
      return ListViewStyle::Report;
    default:
      return ListViewStyle::LargeIcons;
  }
}

}  // namespace

int WheelDeltaAlongBar(UINT msg, WPARAM wp) {
  const int delta = GET_WHEEL_DELTA_WPARAM(wp);
  return msg == WM_MOUSEHWHEEL ? -delta : delta;
}

uint32_t CurrentKeyModifiers() {
  uint32_t mods = 0;
  if (GetKeyState(VK_SHIFT) < 0) mods |= kModShift;
  if (GetKeyState(VK_MENU) < 0) mods |= kModAlt;
  if (GetKeyState(VK_CONTROL) < 0) mods |= kModCtrl;
  return mods;
}

ItemListView::ItemListView(HWND form, HINSTANCE instance) : form_(form) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  // The system image lists are the shell's: LVS_SHAREIMAGELISTS keeps the
  // control from destroying them. Labels are edited by the control's own
  // gesture (a click on the caption of the selected item).
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | LVS_ICON |
                      LVS_ALIGNLEFT | LVS_OWNERDATA | LVS_SHAREIMAGELISTS | LVS_NOCOLUMNHEADER |
                      LVS_EDITLABELS;
  hwnd_ = CreateWindowExW(0, WC_LISTVIEWW, L"", style, 20, 24, 119, 271, form, nullptr, instance,
                          nullptr);
  if (!hwnd_) throw std::runtime_error("Cannot create the item list");
  // Owner data: the drop highlight is asked for with each item's data.
  SendMessageW(hwnd_, LVM_SETCALLBACKMASK, LVIS_DROPHILITED, 0);
  SetWindowSubclass(hwnd_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));

  ApplySystemColors();
  tip_.emplace(form, hwnd_, [this](int32_t item) { return CaptionTipText(item); });

  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = kColumnWidth;
  SendMessageW(hwnd_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  SetDpi(WindowDpi(form));
}

void ItemListView::SetDpi(UINT dpi) {
  LOGFONTW lf = FormFont();
  lf.lfHeight = ScaleToDpi(lf.lfHeight, dpi);
  GdiObject font(CreateFontIndirectW(&lf));
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  font_ = std::move(font);
  SendMessageW(hwnd_, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(ScaleToDpi(kColumnWidth, dpi), 0));
}

void ItemListView::ApplySystemColors() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  SendMessageW(hwnd_, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(face));
  SendMessageW(hwnd_, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(face));
  SendMessageW(hwnd_, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_WINDOWTEXT)));
  InvalidateRect(hwnd_, nullptr, TRUE);
}

ItemListView::~ItemListView() {
  tip_.reset();
  if (!hwnd_) return;
  RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
  DestroyWindow(hwnd_);
}

void ItemListView::SetupSystemImageLists() {
  SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_SMALL,
               reinterpret_cast<LPARAM>(SystemImageList(true)));
  const HIMAGELIST large = SystemImageList(false);
  SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(large));
  // The default spacing is the large icons'; extra-large icons get cells
  // taller by what their icons add. The width stays: the bar is as thick
  // as for large icons, and a wider cell would push captions past the
  // list's edge on a left or right bar.
  SendMessageW(hwnd_, LVM_SETICONSPACING, 0, static_cast<LPARAM>(-1));
  if (!extraLarge_) return;
  IImageList* shared = nullptr;
  if (FAILED(SHGetImageList(SHIL_EXTRALARGE, __uuidof(IImageList),
                            reinterpret_cast<void**>(&shared))) ||
      !shared) {
    return;  // no extra-large list: large icons in larger cells
  }
  // The shell keeps its list alive; the control only borrows it.
  const auto extra = reinterpret_cast<HIMAGELIST>(shared);
  shared->Release();
  int largeX = 0, largeY = 0, extraX = 0, extraY = 0;
  ImageList_GetIconSize(large, &largeX, &largeY);
  ImageList_GetIconSize(extra, &extraX, &extraY);
  const auto spacing = static_cast<DWORD>(SendMessageW(hwnd_, LVM_GETITEMSPACING, FALSE, 0));
  SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(extra));
  const int cy = HIWORD(spacing) + std::max(extraY - largeY, 0);
  SendMessageW(hwnd_, LVM_SETICONSPACING, 0, MAKELPARAM(LOWORD(spacing), cy));
}

// --- ItemListControl -----------------------------------------------------

void ItemListView::BeginUpdate() {
  if (updateDepth_++ == 0) SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
}

void ItemListView::EndUpdate() {
  if (updateDepth_ == 0 || --updateDepth_ > 0) return;
  SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void ItemListView::SetItemCount(int32_t count) {
  if (tip_) tip_->Reset();
  SendMessageW(hwnd_, LVM_SETITEMCOUNT, static_cast<WPARAM>(std::max(count, 0)), 0);
  ArrangeIcons();
}

// Wine's list view gives owner-data items their icon positions only when it
// arranges them, which a new count or style does not do by itself; until
// then every item reads as (0, 0) and the pitch would measure 0.
void ItemListView::ArrangeIcons() {
  const ListViewStyle style = Style();
  if (style == ListViewStyle::LargeIcons || style == ListViewStyle::ExtraLargeIcons ||
      style == ListViewStyle::SmallIcons) {
    SendMessageW(hwnd_, LVM_ARRANGE, LVA_DEFAULT, 0);
  }
}

int32_t ItemListView::ItemCount() {
  return static_cast<int32_t>(SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0));
}

void ItemListView::ClearSelection() {
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED;
  SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
}

std::optional<int32_t> ItemListView::SelectedIndex() {
  const auto i = static_cast<int32_t>(
      SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  if (i < 0) return std::nullopt;
  return i;
}

std::vector<int32_t> ItemListView::SelectedIndexes() {
  std::vector<int32_t> rows;
  int32_t i = -1;
  while ((i = static_cast<int32_t>(
              SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(i), LVNI_SELECTED))) >= 0) {
    // A control that answers the same row again would never end the loop.
    if (!rows.empty() && i <= rows.back()) break;
    rows.push_back(i);
  }
  return rows;
}

void ItemListView::SetInsertMark(std::optional<int32_t> before) {
  LVINSERTMARK mark{sizeof mark, 0, -1, 0};
  const int32_t count = ItemCount();
  if (before && count > 0) {
    mark.iItem = std::min(*before, count - 1);
    if (*before >= count) mark.dwFlags = LVIM_AFTER;
  }
  SendMessageW(hwnd_, LVM_SETINSERTMARK, 0, reinterpret_cast<LPARAM>(&mark));
  UpdateWindow(hwnd_);
}

void ItemListView::Repaint() {
  InvalidateRect(hwnd_, nullptr, TRUE);
  if (updateDepth_ == 0) UpdateWindow(hwnd_);
}

ListViewStyle ItemListView::Style() {
  const ListViewStyle style = StyleFromBits(static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)));
  return style == ListViewStyle::LargeIcons && extraLarge_ ? ListViewStyle::ExtraLargeIcons : style;
}

void ItemListView::SetStyle(ListViewStyle style) {
  // Report and list styles pass through while a folder is filled: the
  // icon size stays for the icon style that follows.
  const bool iconStyle = style != ListViewStyle::Report && style != ListViewStyle::List;
  const bool extraLarge = style == ListViewStyle::ExtraLargeIcons;
  const bool sizeChanged = iconStyle && extraLarge != extraLarge_;
  const DWORD before = static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)) & LVS_TYPEMASK;
  if (sizeChanged) {
    extraLarge_ = extraLarge;
    SetupSystemImageLists();
  }
  SetStyleBits(LVS_TYPEMASK, StyleBitsOf(style));
  // The same style bits with another icon size: the cells changed.
  if (sizeChanged && before == StyleBitsOf(style)) ArrangeIcons();
}

void ItemListView::SetStyleBits(DWORD mask, DWORD bits) {
  const auto old = static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE));
  const DWORD updated = (old & ~mask) | bits;
  // The control rearranges its items on WM_STYLECHANGED.
  if (updated == old) return;
  SetWindowLongW(hwnd_, GWL_STYLE, static_cast<LONG>(updated));
  ArrangeIcons();
}

// --- ListScrollPort ------------------------------------------------------

Point ItemListView::ItemPosition(int32_t index) {
  POINT p{};
  SendMessageW(hwnd_, LVM_GETITEMPOSITION, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&p));
  return {p.x, p.y};
}

Rect ItemListView::ViewRect() {
  RECT r{};
  SendMessageW(hwnd_, LVM_GETVIEWRECT, 0, reinterpret_cast<LPARAM>(&r));
  return ToRect(r);
}

void ItemListView::ScrollBy(int32_t dx, int32_t dy) {
  SendMessageW(hwnd_, LVM_SCROLL, static_cast<WPARAM>(dx), static_cast<LPARAM>(dy));
}

void ItemListView::ScrollToTop() {
  SendMessageW(hwnd_, WM_VSCROLL, SB_TOP, 0);
}

void ItemListView::SetBounds(const Rect& b) {
  MoveWindow(hwnd_, b.left, b.top, std::max(b.Width(), 0), std::max(b.Height(), 0), TRUE);
}

IconArrangement ItemListView::Arrangement() {
  const auto style = static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE));
  return (style & LVS_ALIGNMASK) == LVS_ALIGNLEFT ? IconArrangement::Left : IconArrangement::Top;
}

void ItemListView::SetArrangement(IconArrangement arrangement) {
  SetStyleBits(LVS_ALIGNMASK, arrangement == IconArrangement::Left ? LVS_ALIGNLEFT : LVS_ALIGNTOP);
  SetupSystemImageLists();
}

void ItemListView::SetViewStyle(ListViewStyle style) {
  SetStyle(style);
}

// --- input -----------------------------------------------------------------

LRESULT CALLBACK ItemListView::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                            DWORD_PTR self) {
  // Exceptions never reach the control's own window procedure.
  try {
    return reinterpret_cast<ItemListView*>(self)->HandleMessage(msg, wp, lp);
  } catch (const std::exception& e) {
    ShowException(e);
  } catch (...) {
    ShowException(std::runtime_error("Unknown error"));
  }
  (void)hwnd;
  return 0;
}

LRESULT ItemListView::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NOTIFY:
      // The control reads its header's notifications; one sent by anyone
      // else may carry any number.
      if (!IsOwnNotification(lp)) return 0;
      break;
    case WM_NCCALCSIZE: {
      // The list never shows scroll bars: the strips and the wheel scroll it.
      const auto style = static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE));
      if (style & (WS_VSCROLL | WS_HSCROLL)) {
        SetWindowLongW(hwnd_, GWL_STYLE,
                       static_cast<LONG>(style & ~static_cast<DWORD>(WS_VSCROLL | WS_HSCROLL)));
      }
      break;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      // Alt combinations arrive as system keys, which the control ignores.
      if (handlers_.keyDown &&
          handlers_.keyDown(static_cast<uint16_t>(wp), CurrentKeyModifiers())) {
        return 0;
      }
      const LRESULT result = DefSubclassProc(hwnd_, msg, wp, lp);
      if (hwnd_ && handlers_.scrolled) handlers_.scrolled();
      return result;
    }
    case WM_CHAR: {
      // Type-ahead is the bar's own: the control's stops at a space.
      if (handlers_.typed &&
          handlers_.typed(static_cast<char16_t>(wp), static_cast<uint32_t>(GetMessageTime()))) {
        if (handlers_.scrolled) handlers_.scrolled();
        return 0;
      }
      const LRESULT result = DefSubclassProc(hwnd_, msg, wp, lp);
      if (hwnd_ && handlers_.scrolled) handlers_.scrolled();
      return result;
    }
    case WM_NCDESTROY: {
      const LRESULT result = DefSubclassProc(hwnd_, msg, wp, lp);
      RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
      hwnd_ = nullptr;
      return result;
    }
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
      // One pitch per notch for both wheels: the control's own wheel
      // scrolling is not wanted on top of it.
      if (handlers_.wheel) {
        handlers_.wheel(WheelDeltaAlongBar(msg, wp), {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
      OnMouseDown(msg, wp, lp);
      return 0;
    case WM_PAINT: {
      const LRESULT result = DefSubclassProc(hwnd_, msg, wp, lp);
      if (model_ && !model_->Paths().CurrentPath.empty() && ItemCount() == 0) {
        PaintEmptyFolderHint(hwnd_, font_.get());
      }
      return result;
    }
    case WM_SIZE: {
      // The hint is centred and broken to the control's width: a new size
      // moves every line of it, not only what the control uncovers.
      const LRESULT result = DefSubclassProc(hwnd_, msg, wp, lp);
      if (ItemCount() == 0) InvalidateRect(hwnd_, nullptr, TRUE);
      return result;
    }
    case WM_MOUSEMOVE:
      if (tip_) tip_->OnMouseMove({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      if (handlers_.mouseMove) handlers_.mouseMove(wp, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      break;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
    case WM_RBUTTONUP: {
      if (handlers_.mouseUp) handlers_.mouseUp();
      const LRESULT result = DefSubclassProc(hwnd_, msg, wp, lp);
      if (hwnd_ && handlers_.scrolled) handlers_.scrolled();
      return result;
    }
    default:
      break;
  }
  return DefSubclassProc(hwnd_, msg, wp, lp);
}

ListCaptions ItemListView::Captions() {
  return {hwnd_, font_.get(), Style(), &labelCandidate_};
}

std::wstring ItemListView::CaptionTipText(int32_t item) {
  const ShellItem* record = model_ ? model_->GetItem(item) : nullptr;
  if (!record) return {};
  return CutCaptionTipText(Captions(), item, record->ItemName);
}

void ItemListView::OnMouseDown(UINT msg, WPARAM wp, LPARAM lp) {
  // The control handles the press first: it selects the item under the
  // pointer, or clears the selection on an empty spot.
  DefSubclassProc(hwnd_, msg, wp, lp);
  const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  if (msg == WM_RBUTTONDOWN) {
    if (handlers_.rightClick) handlers_.rightClick(at);
    return;
  }
  const bool onItem = SelectedIndex().has_value();
  if (handlers_.scrolled) handlers_.scrolled();
  if (handlers_.press) handlers_.press(at, onItem);
  if (onItem) return;
  // A press on an empty spot moves the bar, as a press on its grip does.
  ReleaseCapture();
  SendMessageW(form_, WM_SYSCOMMAND, kMoveByCaption, 0);
}

}  // namespace olb::win
