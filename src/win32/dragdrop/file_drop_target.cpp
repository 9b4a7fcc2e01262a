#include "win32/dragdrop/file_drop_target.h"

#include <exception>

#include "core/dragdrop/file_format.h"
#include "win32/dragdrop/com_object.h"
#include "win32/dragdrop/hdrop.h"

namespace olb::win {
namespace {

TShiftState ShiftOf(DWORD keyState) {
  return KeyStateToShift(keyState, GetKeyState(VK_MENU) < 0);
}

FORMATETC FileListFormat() {
  return {kCfHDrop, nullptr, kAspectContent, -1, kTymedHGlobal};
}

// Frees a medium the data object handed over.
struct MediumScope {
  STGMEDIUM medium{};
  ~MediumScope() { ReleaseStgMedium(&medium); }
};

}  // namespace

// The COM object OLE holds while the window is registered. It reaches its
// component through a plain pointer, cleared when the component goes, so a
// late call from OLE finds no component rather than a dangling one.
class TKrDropTargetImpl : public ComObject<IDropTarget> {
 public:
  explicit TKrDropTargetImpl(TKrFileDropTarget* owner) : owner_(owner) {}
  void Detach() { owner_ = nullptr; }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL pt,
                                      DWORD* effect) override {
    return Guard(effect, [&](TDropEffects& e) {
      return owner_->DragEnter(data, ShiftOf(keys), {pt.x, pt.y}, e);
    });
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL pt, DWORD* effect) override {
    return Guard(effect, [&](TDropEffects& e) {
      return owner_->DragOver(ShiftOf(keys), {pt.x, pt.y}, e);
    });
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override { return owner_ ? owner_->DragLeave() : S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    if (!owner_) {
      *effect = DROPEFFECT_NONE;
      return E_UNEXPECTED;
    }
    // Nothing may leave a COM method: a failure becomes its result code.
    try {
      uint32_t dw = *effect;
      const HRESULT hr = owner_->Drop(data, ShiftOf(keys), {pt.x, pt.y}, dw);
      *effect = dw;
      return hr;
    } catch (const std::exception&) {
      *effect = DROPEFFECT_NONE;
      return E_UNEXPECTED;
    }
  }

 private:
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

  TKrFileDropTarget* owner_;
};

TKrFileDropTarget::TKrFileDropTarget() : impl_(new TKrDropTargetImpl(this)) {}

TKrFileDropTarget::~TKrFileDropTarget() {
  SetDragControl(nullptr);
  impl_->Detach();
}

IDropTarget* TKrFileDropTarget::target() const {
  return impl_.get();
}

void TKrFileDropTarget::SetDragControl(HWND control) {
  if (control == control_) return;
  // A window already gone has no registration left to revoke.
  if (control_ && IsWindow(control_)) RevokeDragDrop(control_);
  control_ = control;
  // A failure leaves the window without a drop target; nothing else breaks.
  if (control_) RegisterDragDrop(control_, impl_.get());
}

HRESULT TKrFileDropTarget::DragEnter(IDataObject* data, TShiftState shift, Point screen,
                                     TDropEffects& effects) {
  (void)screen;
  FORMATETC format = FileListFormat();
  accepted_ = data && data->QueryGetData(&format) == S_OK;
  effects = TargetEffects(accepted_, shift, DropEffects);
  return S_OK;
}

HRESULT TKrFileDropTarget::DragOver(TShiftState shift, Point screen, TDropEffects& effects) {
  effects = TargetEffects(accepted_, shift, DropEffects);
  if (OnDragOverFiles) OnDragOverFiles(shift, screen, effects);
  return S_OK;
}

HRESULT TKrFileDropTarget::DragLeave() {
  return S_OK;
}

HRESULT TKrFileDropTarget::Drop(IDataObject* data, TShiftState, Point, uint32_t& dwEffect) {
  dwEffect = kDropEffectNone;
  if (!OnDropFiles) return S_OK;
  if (!data) return E_INVALIDARG;
  FORMATETC format = FileListFormat();
  MediumScope scope;
  const HRESULT hr = data->GetData(&format, &scope.medium);
  if (FAILED(hr)) return hr;
  if (scope.medium.tymed != TYMED_HGLOBAL) return DV_E_TYMED;
  const std::optional<FileList> files = ReadFileListBlock(scope.medium.hGlobal);
  if (!files) return DV_E_FORMATETC;
  dwEffect = OnDropFiles(*files);
  return S_OK;
}

}  // namespace olb::win
