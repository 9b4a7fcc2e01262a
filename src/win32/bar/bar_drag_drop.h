// The bar's drag and drop: the bar window as one drop target for files
// (KrFileDropTarget1) and the item list as the source of item drags
// (KrFileDropSource1), bound to the core's drop and drag-start rules.
#pragma once

#include <windows.h>

#include "core/dragdrop/bar_drop.h"
#include "core/dragdrop/drag_start.h"
#include "core/platform/file_ops.h"
#include "core/platform/list_row_state.h"
#include "win32/adapters/win32_program_starter.h"
#include "win32/dragdrop/file_drop_source.h"
#include "win32/dragdrop/file_drop_target.h"

namespace olb {
class DockingEngine;
}

namespace olb::win {

class FolderView;

class BarDragDrop : private DropHost {
 public:
  // Binds the target to `bar` and hooks the list's mouse handlers; all the
  // parts given belong to the bar form and outlive this.
  BarDragDrop(HWND bar, FolderView& folder, DockingEngine& engine, FileOps& files,
              ListRowState& rows);
  ~BarDragDrop() override { Unbind(); }
  BarDragDrop(const BarDragDrop&) = delete;
  BarDragDrop& operator=(const BarDragDrop&) = delete;

  // FormClose: the bar stops being a drop target and a drag source.
  void Unbind();

  TKrFileDropTarget& KrFileDropTarget1() { return target_; }
  TKrFileDropSource& KrFileDropSource1() { return source_; }

 private:
  uint32_t KrFileDropTarget1DropFiles(const FileList& droppedFiles);
  void ListViewMouseMove(WPARAM keys, POINT at);
  void KrFileDropSource1StartDrag();

  // DropHost
  Point CursorPos() override;
  void ProcessMessages() override;
  void ShowAutoHiddenBar() override;
  DropGeometry Geometry(Point screen) override;
  void StoreDefaultPitch(int32_t pitch) override;
  bool CtrlKeyDown() override;
  void UpdateScrollStrips() override;
  void ShowError(const std::string& message) override;

  HWND bar_;
  FolderView& folder_;
  DockingEngine& engine_;
  Win32ProgramStarter programs_;
  BarDrop drop_;
  DragStartTracker press_;
  TKrFileDropTarget target_;
  TKrFileDropSource source_;
  bool bound_ = false;
};

}  // namespace olb::win
