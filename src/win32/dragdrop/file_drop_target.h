// TKrFileDropTarget: makes a control an OLE drop target for shell file
// lists (CF_HDROP) and hands the dropped paths to its owner.
#pragma once

#include "core/dragdrop/drop_files.h"
#include "win32/dragdrop/drop_target.h"

namespace olb::win {

class TKrFileDropTarget : public TKrCustomDropTarget {
 public:
  TKrFileDropTarget();
  ~TKrFileDropTarget() override { Unbind(); }

  // Every DragOver, after the effect was chosen; the handler may change it.
  std::function<void(TShiftState shift, Point screen, TDropEffects& effects)> OnDragOverFiles;
  // The drag left the control without a drop, or was dropped on it.
  std::function<void()> OnDragLeaveFiles;
  // The drop: `shift` is the key state of the drop itself and `effects` the
  // effect chosen for it; the handler leaves there what it did, which the
  // source is told.
  std::function<void(const FileList& droppedFiles, TShiftState shift, TDropEffects& effects)>
      OnDropFiles;

  HRESULT DragOver(TShiftState shift, Point screen, TDropEffects& effects) override;
  HRESULT DragLeave() override;
  HRESULT Drop(IDataObject* data, TShiftState shift, Point screen, TDropEffects& effects) override;
};

}  // namespace olb::win
