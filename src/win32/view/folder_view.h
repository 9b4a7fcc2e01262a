// The bar's folder view: the folder model over the real shell, the item list,
// the Up button, the scroll strips, navigation and scrolling, as one piece
// the bar window holds and forwards a few of its messages to.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/view/bar_layout.h"
#include "core/view/folder_model.h"
#include "core/view/list_scroller.h"
#include "core/view/navigator.h"
#include "win32/adapters/win32_launcher.h"
#include "win32/adapters/win32_screen_cursor.h"
#include "win32/adapters/win32_shell_allocator.h"
#include "win32/adapters/win32_shell_namespace.h"
#include "win32/adapters/win32_time_format.h"
#include "win32/view/my_list_view.h"
#include "win32/view/scroll_strips.h"
#include "win32/view/up_button.h"

namespace olb::win {

class FolderView {
 public:
  // `form` is the bar form that hosts the children; `appWindow` owns the
  // shell's dialogs and the launches that ask for an owner. `paths` and
  // `host` belong to the bar form and outlive the view.
  FolderView(HWND form, HINSTANCE instance, HWND appWindow, FolderPaths& paths,
             NavigationHost& host);
  FolderView(const FolderView&) = delete;
  FolderView& operator=(const FolderView&) = delete;

  // Places the list, the panel with its button and the strips for the edge.
  const BarLayout& LayoutBar(const BarMetrics& metrics);
  // The desktop folder, the system image lists, the pitch and the strips.
  void InitFolderView();
  // Raises ComError when the path cannot be parsed or bound.
  void OpenFolderByPath(std::string_view path);
  void MeasureItemPitch() { scroller_.MeasureItemPitch(); }
  void UpdateScrollStrips() { scroller_.UpdateScrollStrips(); }
  void ReapplyListExtent() { scroller_.SnapListExtent(); }
  void ScrollListToTop() { list_.ScrollToTop(); }
  void SetUpButtonEnabled(bool enabled) { panel_.SetEnabled(enabled); }
  // LargeIcons1Click / SmallIcons1Click, without letting messages run.
  void SetViewMode(ViewMode mode);
  ViewMode viewMode() const { return scroller_.viewMode(); }

  // Messages of the form that concern the view (notifications from the list,
  // strip timers, pointer moves over the strips, the wheel). True when the
  // message is handled and `result` is its answer.
  bool HandleFormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // A drag over the form at `screen`: over a strip's arrow it scrolls the
  // list as the pointer's own moves do (the repeat timer goes on while the
  // pointer rests there).
  void DragHover(Point screen);
  // The drag left the form or was dropped.
  void EndDragHover() { dragStrip_.reset(); }
  // Part of the form's WM_PAINT: the strips' bitmaps.
  void PaintStrips(HDC formDc) { strips_.Paint(formDc); }

  // A right click on the list at `inList`; the form shows its menu.
  std::function<void(POINT inList)> onListRightClick;
  // An accepted in-place edit of `row`'s caption to `text` (UTF-8).
  std::function<void(int row, const std::string& text)> onLabelEdited;

  FolderModel& model() { return model_; }
  Navigator& navigator() { return navigator_; }
  TMyListView& list() { return list_; }
  ListScroller& scroller() { return scroller_; }
  ScrollStrips& strips() { return strips_; }
  UpButtonPanel& upButton() { return panel_; }
  Launcher& launcher() { return launcher_; }

 private:
  void Wheel(int delta, POINT screen);
  void StripHover(Point inForm);
  // LVN_ENDLABELEDIT: hands an accepted text to onLabelEdited.
  bool LabelEdited(const NMHDR& header);

  HWND form_;
  Win32ShellAllocator allocator_;
  Win32ShellNamespace shell_;
  Win32Launcher launcher_;
  Win32TimeFormat time_;
  Win32ScreenCursor cursor_;
  TMyListView list_;
  ScrollStrips strips_;
  UpButtonPanel panel_;
  FolderModel model_;
  Navigator navigator_;
  ListScroller scroller_;
  // The strip the last drag hover was over.
  std::optional<StripId> dragStrip_;
};

}  // namespace olb::win
