#include "win32/dragdrop/drop_target.h"

#include <exception>

#include "win32/dragdrop/com_object.h"

namespace olb::win {

// The COM object OLE holds while the control is registered. It reaches its
// component through a plain pointer, cleared when the component goes, so a
// late call from OLE finds no component rather than a dangling one.
class TKrDropTargetImpl : public ComObject<IDropTarget> {
 public:
  explicit TKrDropTargetImpl(TKrCustomDropTarget* owner) : owner_(owner) {}
  void Detach() { owner_ = nullptr; }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL pt,
                                      DWORD* effect) override {
    const HRESULT hr = Guard(effect, [&](TDropEffects& e) {
      return owner_->DragEnter(data, ShiftOfKeyState(keys), {pt.x, pt.y}, e);
    });
    if (IDropTargetHelper* h = Helper()) {
      POINT p{pt.x, pt.y};
      h->DragEnter(owner_->DragControl(), data, &p, *effect);
    }
    return hr;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL pt, DWORD* effect) override {
    const HRESULT hr = Guard(effect, [&](TDropEffects& e) {
      return owner_->DragOver(ShiftOfKeyState(keys), {pt.x, pt.y}, e);
    });
    if (IDropTargetHelper* h = Helper()) {
      POINT p{pt.x, pt.y};
      h->DragOver(&p, *effect);
    }
    return hr;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    if (IDropTargetHelper* h = Helper()) h->DragLeave();
    if (!owner_) return S_OK;
    try {
      return owner_->DragLeave();
    } catch (const std::exception&) {
      return E_UNEXPECTED;
    }
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override {
    // The image goes before the handler runs: it may open dialogs.
    if (IDropTargetHelper* h = Helper(); h && effect) {
      POINT p{pt.x, pt.y};
      h->Drop(data, &p, *effect);
    }
    return Guard(effect, [&](TDropEffects& e) {
      return owner_->Drop(data, ShiftOfKeyState(keys), {pt.x, pt.y}, e);
    });
  }

 private:
  IDropTargetHelper* Helper() const { return owner_ ? owner_->helper_.get() : nullptr; }

  // Nothing may leave a COM method: a failure becomes its result code.
  template <typename Call>
  HRESULT Guard(DWORD* effect, Call call) {
    if (!effect) return E_INVALIDARG;
    if (!owner_) {
      *effect = DROPEFFECT_NONE;
      return E_UNEXPECTED;
    }
    try {
      TDropEffects e = dwEffectToDropEffects(*effect);
      const HRESULT hr = call(e);
      *effect = DropEffectsTodwEffect(e);
      return hr;
    } catch (const std::exception&) {
      *effect = DROPEFFECT_NONE;
      return E_UNEXPECTED;
    }
  }

  TKrCustomDropTarget* owner_;
};

TKrCustomDropTarget::TKrCustomDropTarget()
    : TWinControlLink(Kind::DropTarget), impl_(new TKrDropTargetImpl(this)) {
  // Without the helper (an old shell) drags simply show no image.
  CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDropTargetHelper,
                   helper_.PutVoid());
}

TKrCustomDropTarget::~TKrCustomDropTarget() {
  impl_->Detach();
}

IDropTarget* TKrCustomDropTarget::target() const {
  return impl_.get();
}

void TKrCustomDropTarget::BindToDragControl() {
  // A failure leaves the control without a drop target; nothing else breaks.
  RegisterDragDrop(DragControl(), impl_.get());
}

void TKrCustomDropTarget::UnBindFromDragControl() {
  // A window already gone has no registration left to revoke.
  if (IsWindow(DragControl())) RevokeDragDrop(DragControl());
}

HRESULT TKrCustomDropTarget::DragEnter(IDataObject* data, TShiftState shift, Point,
                                       TDropEffects& effects) {
  accepted_ = false;
  for (const TClpbrdFormat& f : ClpbrdFormats) {
    FORMATETC format = FormatEtcOf(f);
    if (!accepted_ && data) accepted_ = data->QueryGetData(&format) == S_OK;
  }
  effects = TargetEffects(accepted_, shift, effects, DropEffects);
  return S_OK;
}

HRESULT TKrCustomDropTarget::DragOver(TShiftState shift, Point, TDropEffects& effects) {
  effects = TargetEffects(accepted_, shift, effects, DropEffects);
  return S_OK;
}

// The events start from the component's own answer (the format test and
// the effect chosen for the keys) and may change it.
HRESULT TKrDropTarget::DragEnter(IDataObject* data, TShiftState shift, Point screen,
                                 TDropEffects& effects) {
  const HRESULT hr = TKrCustomDropTarget::DragEnter(data, shift, screen, effects);
  return OnDragEnter ? OnDragEnter(data, shift, screen, effects) : hr;
}

HRESULT TKrDropTarget::DragOver(TShiftState shift, Point screen, TDropEffects& effects) {
  const HRESULT hr = TKrCustomDropTarget::DragOver(shift, screen, effects);
  return OnDragOver ? OnDragOver(shift, screen, effects) : hr;
}

HRESULT TKrDropTarget::DragLeave() {
  return OnDragLeave ? OnDragLeave() : S_OK;
}

HRESULT TKrDropTarget::Drop(IDataObject* data, TShiftState shift, Point screen,
                            TDropEffects& effects) {
  TKrCustomDropTarget::DragOver(shift, screen, effects);
  if (OnDrop) return OnDrop(data, shift, screen, effects);
  // Without a handler nothing is done with the data: the source must not
  // act as if it had been taken.
  effects = {TDropEffect::deNone};
  return S_OK;
}

}  // namespace olb::win
