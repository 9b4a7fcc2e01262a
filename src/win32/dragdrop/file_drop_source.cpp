#include "win32/dragdrop/file_drop_source.h"

#include "win32/dragdrop/com_object.h"

namespace olb::win {
namespace {

// TKrIDropSourceImpl: a left-button drag; Escape cancels.
class TKrIDropSourceImpl : public ComObject<IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    return QueryContinueDragResult(escape != FALSE,
                                   KeyStateToShift(keys, GetKeyState(VK_MENU) < 0));
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

}  // namespace

TDropResult TKrFileDropSource::DragDrop(TDropEffects& effects) {
  const DWORD allowed = DropEffectsTodwEffect(DropEffects);
  DWORD effect = allowed;
  effects = {TDropEffect::deNone};
  const ComPtr<IDataObject> data = NewFileDataObject(Files);
  const ComPtr<IDropSource> source(new TKrIDropSourceImpl);
  const HRESULT hr = DoDragDrop(data.get(), source.get(), allowed, &effect);
  effects = dwEffectToDropEffects(effect);
  return hDropResultToDropResult(hr);
}

}  // namespace olb::win
