// Drop targets: TKrCustomDropTarget makes its control an OLE drop target
// for the formats of its ClpbrdFormats; TKrDropTarget reports the drag
// through its events. While a drag is over the control the shell's drag
// image is shown (the system's drop-target helper).
#pragma once

#include <windows.h>
#include <ole2.h>
#include <shlguid.h>
#include <shobjidl.h>

#include <functional>

#include "core/platform/geometry.h"
#include "win32/base/com_ptr.h"
#include "win32/dragdrop/win_control_link.h"

namespace olb::win {

class TKrDropTargetImpl;

class TKrCustomDropTarget : public TWinControlLink {
 public:
  ~TKrCustomDropTarget() override;

  // The COM object OLE calls; it lives as long as the component.
  IDropTarget* target() const;

  // The component's side of IDropTarget. `effects` comes in as the effects
  // the source allows and goes out as the one reported; `screen` is the
  // pointer in screen coordinates.
  virtual HRESULT DragEnter(IDataObject* data, TShiftState shift, Point screen,
                            TDropEffects& effects);
  virtual HRESULT DragOver(TShiftState shift, Point screen, TDropEffects& effects);
  virtual HRESULT DragLeave() = 0;
  virtual HRESULT Drop(IDataObject* data, TShiftState shift, Point screen,
                       TDropEffects& effects) = 0;

 protected:
  TKrCustomDropTarget();
  void BindToDragControl() override;
  void UnBindFromDragControl() override;
  // Set by DragEnter: the data offers one of the formats.
  bool accepted() const { return accepted_; }

 private:
  friend class TKrDropTargetImpl;
  ComPtr<TKrDropTargetImpl> impl_;
  ComPtr<IDropTargetHelper> helper_;
  bool accepted_ = false;
};

// The general target: each event, when set, gets the component's own answer
// (the format test of DragEnter and the effect chosen for the keys among
// those the source allows) and returns the result; it may change the effect.
class TKrDropTarget : public TKrCustomDropTarget {
 public:
  TKrDropTarget() = default;
  ~TKrDropTarget() override { Unbind(); }

  std::function<HRESULT(IDataObject* data, TShiftState shift, Point screen, TDropEffects& effects)>
      OnDragEnter;
  std::function<HRESULT(TShiftState shift, Point screen, TDropEffects& effects)> OnDragOver;
  std::function<HRESULT()> OnDragLeave;
  std::function<HRESULT(IDataObject* data, TShiftState shift, Point screen, TDropEffects& effects)>
      OnDrop;

  HRESULT DragEnter(IDataObject* data, TShiftState shift, Point screen,
                    TDropEffects& effects) override;
  HRESULT DragOver(TShiftState shift, Point screen, TDropEffects& effects) override;
  HRESULT DragLeave() override;
  HRESULT Drop(IDataObject* data, TShiftState shift, Point screen, TDropEffects& effects) override;
};

}  // namespace olb::win
