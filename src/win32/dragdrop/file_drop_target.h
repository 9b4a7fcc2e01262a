// TKrFileDropTarget: makes a window an OLE drop target for shell file lists
// (CF_HDROP) and hands the dropped paths to its owner.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <functional>

#include "core/dragdrop/drop_effects.h"
#include "core/dragdrop/drop_files.h"
#include "core/platform/geometry.h"
#include "win32/base/com_ptr.h"

namespace olb::win {

class TKrDropTargetImpl;

class TKrFileDropTarget {
 public:
  TKrFileDropTarget();
  ~TKrFileDropTarget();
  TKrFileDropTarget(const TKrFileDropTarget&) = delete;
  TKrFileDropTarget& operator=(const TKrFileDropTarget&) = delete;

  // Registers the window as a drop target (none: revokes the current one).
  void SetDragControl(HWND control);
  HWND DragControl() const { return control_; }

  TDropEffects DropEffects{TDropEffect::deNone};
  // Every DragOver, after the effect was computed; the handler may change it.
  std::function<void(TShiftState shift, Point screen, TDropEffects& effects)> OnDragOverFiles;
  // The drop; returns the DROPEFFECT that was performed, for the source.
  std::function<uint32_t(const FileList& droppedFiles)> OnDropFiles;

  // The component's side of IDropTarget, in core terms.
  HRESULT DragEnter(IDataObject* data, TShiftState shift, Point screen, TDropEffects& effects);
  HRESULT DragOver(TShiftState shift, Point screen, TDropEffects& effects);
  HRESULT DragLeave();
  HRESULT Drop(IDataObject* data, TShiftState shift, Point screen, uint32_t& dwEffect);

  IDropTarget* target() const;

 private:
  ComPtr<TKrDropTargetImpl> impl_;
  HWND control_ = nullptr;
  bool accepted_ = false;
};

}  // namespace olb::win
