// The bar's folder view as child windows: the item list, the Up button and
// the scroll strips, with the shell adapters they show. It holds no state of
// the bar: the folder, the layout and the scrolling belong to the bar's
// controller, which it is attached to and forwards its messages to.
#pragma once

#include <windows.h>

#include <optional>

#include "core/bar/launch_bar.h"
#include "core/find/find_indexer.h"
#include "win32/adapters/win32_folder_tree_source.h"
#include "win32/adapters/win32_launcher.h"
#include "win32/adapters/win32_screen_cursor.h"
#include "win32/adapters/win32_shell_allocator.h"
#include "win32/adapters/win32_shell_namespace.h"
#include "win32/adapters/win32_text_case.h"
#include "win32/adapters/win32_time_format.h"
#include "win32/view/find_panel.h"
#include "win32/view/item_list_view.h"
#include "win32/view/scroll_strips.h"
#include "win32/view/up_button.h"

namespace olb::win {

class FolderView {
 public:
  // `form` is the bar form that hosts the children; `appWindow` owns the
  // shell's dialogs and the launches that ask for an owner.
  FolderView(HWND form, HINSTANCE instance, HWND appWindow);
  FolderView(const FolderView&) = delete;
  FolderView& operator=(const FolderView&) = delete;

  // Binds the children to the controller that owns the bar's state; it
  // must outlive the view's messages.
  void Attach(LaunchBar& bar);
  // Places the panel with its button.
  void Place(const BarLayout& layout) {
    panel_.Place(layout.panel, layout.upButton);
    find_.Place(layout.list);
  }
  // Starts indexing the tree under the root for find (after the first
  // paint; the index is read on a worker thread).
  void StartFindIndex();
  void SetUpButtonEnabled(bool enabled) { panel_.SetEnabled(enabled); }

  // Messages of the form that concern the view (notifications from the list,
  // pointer moves over the strips, the wheel). True when the
  // message is handled and `result` is its answer.
  bool HandleFormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // Part of the form's WM_PAINT: the strips' bitmaps.
  void PaintStrips(HDC formDc) { strips_.Paint(formDc); }

  ItemListView& list() { return list_; }
  ScrollStrips& strips() { return strips_; }
  UpButtonPanel& upButton() { return panel_; }
  FindPanel& findPanel() { return find_; }
  const FindIndexer& findIndexer() const { return finder_; }
  Launcher& launcher() { return launcher_; }
  ShellNamespace& shell() { return shell_; }
  ShellAllocator& allocator() { return allocator_; }
  ScreenCursor& cursor() { return cursor_; }
  TimeFormat& time() { return time_; }

 private:
  void Wheel(int delta, POINT screen);
  void StripHover(Point inForm);
  // LVN_ENDLABELEDIT: hands an accepted text to the controller.
  bool LabelEdited(const NMHDR& header);
  // Typing found no item of the folder shown: the find panel opens over the
  // list with the text typed.
  void OpenFind(const std::string& typed);

  HWND form_;
  LaunchBar* bar_ = nullptr;
  Win32ShellAllocator allocator_;
  Win32ShellNamespace shell_;
  Win32Launcher launcher_;
  Win32TimeFormat time_;
  Win32ScreenCursor cursor_;
  ItemListView list_;
  ScrollStrips strips_;
  UpButtonPanel panel_;
  Win32TextCase fold_;
  Win32FolderTreeSource findSource_;
  FindIndexer finder_;
  FindPanel find_;
};

}  // namespace olb::win
