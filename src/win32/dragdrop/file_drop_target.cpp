#include "win32/dragdrop/file_drop_target.h"

#include "core/dragdrop/file_format.h"
#include "win32/dragdrop/hdrop.h"

namespace olb::win {
namespace {

// Frees a medium the data object handed over.
struct MediumScope {
  STGMEDIUM medium{};
  ~MediumScope() { ReleaseStgMedium(&medium); }
};

}  // namespace

TKrFileDropTarget::TKrFileDropTarget() {
  ClpbrdFormats.Add({TDVAspect::dvaContent}, "CF_HDROP", TTymed::tiHGLOBAL);
}

HRESULT TKrFileDropTarget::DragOver(TShiftState shift, Point screen, TDropEffects& effects) {
  TKrCustomDropTarget::DragOver(shift, screen, effects);
  if (OnDragOverFiles) OnDragOverFiles(shift, screen, effects);
  return S_OK;
}

HRESULT TKrFileDropTarget::DragLeave() {
  if (OnDragLeaveFiles) OnDragLeaveFiles();
  return S_OK;
}

HRESULT TKrFileDropTarget::Drop(IDataObject* data, TShiftState shift, Point screen,
                                TDropEffects& effects) {
  // The effect for the keys of the drop itself, among those the source
  // allows; the handler reports what it did instead.
  TKrCustomDropTarget::DragOver(shift, screen, effects);
  if (OnDragLeaveFiles) OnDragLeaveFiles();
  if (!OnDropFiles) {
    effects = {TDropEffect::deNone};
    return S_OK;
  }
  // A list that cannot be read is refused, and the source learns that
  // nothing was done: a move reported here would let it delete originals.
  const TDropEffects chosen = effects;
  effects = {TDropEffect::deNone};
  if (!data) return E_INVALIDARG;
  FORMATETC format{kCfHDrop, nullptr, kAspectContent, -1, kTymedHGlobal};
  MediumScope scope;
  const HRESULT hr = data->GetData(&format, &scope.medium);
  if (FAILED(hr)) return hr;
  if (scope.medium.tymed != TYMED_HGLOBAL) return DV_E_TYMED;
  const std::optional<FileList> files = ReadFileListBlock(scope.medium.hGlobal);
  if (!files) return DV_E_FORMATETC;
  effects = chosen;
  OnDropFiles(*files, shift, effects);
  return S_OK;
}

}  // namespace olb::win
