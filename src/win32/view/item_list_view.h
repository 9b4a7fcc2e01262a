// ItemListView: the bar's item list, an owner-data list view child window
// without border, scroll bars or column headers, drawing from the system
// image lists. It answers the control's data, hint, find and custom-draw
// requests from the folder model and reports the user's input through
// handlers the folder view sets.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <optional>

#include "core/platform/item_list_control.h"
#include "core/platform/list_scroll_port.h"
#include "core/folder/folder_model.h"
#include "core/folder/list_keys.h"
#include "win32/base/gdi.h"
#include "win32/view/caption_tip.h"
#include "win32/view/list_caption_fit.h"

namespace olb::win {

struct ListViewHandlers {
  std::function<void()> dblClick;  // also Enter, through keyDown
  // A left click released where it was pressed (no drag).
  std::function<void()> click;
  // The in-place editor opened on `row`.
  std::function<void(int row)> editBegan;
  // The key's action ran: true; left to the control: false.
  std::function<bool(uint16_t virtualKey, uint32_t modifiers)> keyDown;
  // A character typed (one UTF-16 unit at the message's time): true when
  // the bar's type-ahead took it.
  std::function<bool(char16_t unit, uint32_t timeMs)> typed;
  // Wheel turned over the list; `screen` is the pointer, `delta` the
  // wheel's as WheelDeltaAlongBar gives it.
  std::function<void(int delta, POINT screen)> wheel;
  // The control may have scrolled itself (keys, type-ahead, a click that
  // brings an item into view).
  std::function<void()> scrolled;
  // Right button pressed at `inList` (list client coordinates), after the
  // control has handled the press.
  std::function<void(POINT inList)> rightClick;
  // Left or middle button pressed at `inList`, after the control has
  // handled the press; `onItem`: an item is selected now.
  std::function<void(POINT inList, bool onItem)> press;
  // The pointer moved over the list; `keys` are the message's MK_ flags.
  std::function<void(WPARAM keys, POINT inList)> mouseMove;
  // A button was released over the list.
  std::function<void()> mouseUp;
};

// The delta of WM_MOUSEWHEEL or WM_MOUSEHWHEEL as the vertical wheel gives
// it: positive scrolls back. The horizontal wheel's positive is right, forward.
int WheelDeltaAlongBar(UINT msg, WPARAM wp);

// The modifier keys held now, as ListKeyActionFor compares them.
uint32_t CurrentKeyModifiers();

class ItemListView : public ItemListControl, public ListScrollPort {
 public:
  ItemListView(HWND form, HINSTANCE instance);
  ~ItemListView() override;
  ItemListView(const ItemListView&) = delete;
  ItemListView& operator=(const ItemListView&) = delete;

  HWND hwnd() const { return hwnd_; }
  // The model whose records the control shows; null shows nothing.
  void SetModel(FolderModel* model) { model_ = model; }
  ListViewHandlers& handlers() { return handlers_; }

  // WM_NOTIFY of the form from this control: true when answered here.
  bool OnNotify(NMHDR& header, LRESULT& result);

  // The list's background and text in the system's colours of now: at
  // creation and after every system colour change.
  void ApplySystemColors();

  // SetupSystemImageLists: the shell's small and large lists, shared; the
  // extra-large list instead of the large one in extra-large icons.
  void SetupSystemImageLists();
  // The form's font and the column's width, designed for 96 DPI, at `dpi`.
  void SetDpi(UINT dpi);

  // ItemListControl
  void BeginUpdate() override;
  void EndUpdate() override;
  void SetItemCount(int32_t count) override;
  int32_t ItemCount() override;
  void ClearSelection() override;
  std::optional<int32_t> SelectedIndex() override;
  std::vector<int32_t> SelectedIndexes() override;
  void Repaint() override;
  ListViewStyle Style() override;
  void SetStyle(ListViewStyle style) override;

  // Shows `row` drop-highlighted (LVIS_DROPHILITED) while a drag is over
  // it; none clears it.
  void SetDropHighlight(std::optional<int32_t> row);
  std::optional<int32_t> dropHighlight() const { return dropRow_; }
  // Shows the control's insertion mark before row `before` (the item count:
  // after the last row) while the bar's own items are dragged; none hides it.
  void SetInsertMark(std::optional<int32_t> before);

  // ListScrollPort
  Point ItemPosition(int32_t index) override;
  Rect ViewRect() override;
  void ScrollBy(int32_t dx, int32_t dy) override;
  void ScrollToTop() override;
  void SetBounds(const Rect& bounds) override;
  IconArrangement Arrangement() override;
  void SetArrangement(IconArrangement arrangement) override;
  void SetViewStyle(ListViewStyle style) override;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                       DWORD_PTR self);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  void OnMouseDown(UINT msg, WPARAM wp, LPARAM lp);
  // How the list shows its captions now, for fitting them to their room.
  ListCaptions Captions();
  // The caption tip's text for `item`: its full name when the list shows it
  // cut, empty otherwise (no tip).
  std::wstring CaptionTipText(int32_t item);
  LRESULT OnGetDispInfo(LVITEMW& item, bool wide);
  LRESULT OnFindItem(const NMLVFINDITEMW& find, bool wide);
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw);
  void SetStyleBits(DWORD mask, DWORD bits);
  void ArrangeIcons();

  HWND form_;
  HWND hwnd_ = nullptr;
  GdiObject font_;
  std::optional<std::string> labelCandidate_;  // the caption the control measures
  bool extraLarge_ = false;                    // the large-icon style shows the extra-large list
  FolderModel* model_ = nullptr;
  ListViewHandlers handlers_;
  int updateDepth_ = 0;
  std::optional<CaptionTip> tip_;
  std::optional<int32_t> dropRow_;
};

}  // namespace olb::win
