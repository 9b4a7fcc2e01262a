// The bar's drag and drop: the bar window as one drop target for files
// (fileDropTarget) and the item list as the source of item drags
// (itemDragSource), bound to the controller's drop and drag rules.
#pragma once

#include <windows.h>

#include <vector>

#include "core/bar/launch_bar.h"
#include "core/dragdrop/drag_start.h"
#include "win32/dragdrop/file_drop_source.h"
#include "win32/dragdrop/file_drop_target.h"

namespace olb::win {

class FolderView;

class BarDragDrop {
 public:
  // Hooks the list's mouse handlers; all the parts given belong to the bar
  // form and outlive this. The drop target waits for RegisterTarget.
  BarDragDrop(HWND bar, FolderView& folder, LaunchBar& controller);
  ~BarDragDrop() { Unbind(); }
  BarDragDrop(const BarDragDrop&) = delete;
  BarDragDrop& operator=(const BarDragDrop&) = delete;

  // Makes the bar a drop target (OLE's registration starts a thread and
  // loads the remote-call library: done once the bar is painted).
  void RegisterTarget();
  // FormClose: the bar stops being a drop target and a drag source.
  void Unbind();

  TKrFileDropTarget& fileDropTarget() { return target_; }
  TKrFileDropSource& itemDragSource() { return source_; }

 private:
  TDropEffects DropFilesOnBar(const FileList& droppedFiles, const DropRequest& request);
  void ListViewMouseMove(WPARAM keys, POINT at);
  void StartItemDrag();
  // During a drag of the bar's own items: the insertion mark or the folder
  // highlighted where they would go.
  void ShowReorderPlace(Point screen);
  void HideReorderPlace();

  HWND bar_;
  FolderView& folder_;
  LaunchBar& controller_;
  DragStartTracker press_;
  TKrFileDropTarget target_;
  TKrFileDropSource source_;
  bool bound_ = false;
  // The rows of the bar's own drag while it runs, and whether its drop
  // reordered them (the list was read again then).
  std::vector<int32_t> dragRows_;
  bool ownDrag_ = false;
  bool reordered_ = false;
};

}  // namespace olb::win
