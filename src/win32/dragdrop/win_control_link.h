// TWinControlLink: the common base of drop targets and drag sources. A link
// is bound to one window control (its DragControl); a control has at most
// one drop target and at most one drag source at a time.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <vector>

#include "core/dragdrop/clipboard_formats.h"
#include "core/dragdrop/drop_effects.h"

namespace olb::win {

// The identifier of a format: a fixed one, or a name registered with the
// system (again at every call, which answers the same number).
uint16_t GetCFormat(const TClpbrdFormat& format);
// The FORMATETC of a format item: no target device, every index (-1).
FORMATETC FormatEtcOf(const TClpbrdFormat& format);
// OLE's key state as a shift state; Alt is not in it and is read now.
TShiftState ShiftOfKeyState(DWORD grfKeyState);

class TWinControlLink {
 public:
  enum class Kind { DropTarget, DropSource };

  virtual ~TWinControlLink();
  TWinControlLink(const TWinControlLink&) = delete;
  TWinControlLink& operator=(const TWinControlLink&) = delete;

  TClpbrdFormats ClpbrdFormats;
  TDropEffects DropEffects{TDropEffect::deNone};

  HWND DragControl() const { return control_; }
  // Binds the link to `control` (null: unbinds it). Another link of the
  // same kind bound to that control is unbound first.
  void SetDragControl(HWND control);

  // Whether a request names an offered format, aspect and medium.
  HRESULT CheckForFormatEtc(const FORMATETC& request) const;
  // The formats of ClpbrdFormats as the platform compares them.
  std::vector<FormatEtc> OfferedFormats() const;

 protected:
  explicit TWinControlLink(Kind kind);
  virtual void BindToDragControl() = 0;
  virtual void UnBindFromDragControl() = 0;
  // A derived destructor calls this while its own overrides still exist.
  void Unbind() { SetDragControl(nullptr); }
  // The control is being destroyed: forget it without unbinding.
  void ForgetDragControl() { control_ = nullptr; }

 private:
  Kind kind_;
  HWND control_ = nullptr;
};

}  // namespace olb::win
