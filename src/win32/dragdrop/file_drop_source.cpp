#include "win32/dragdrop/file_drop_source.h"

#include <shlguid.h>
#include <shlobj.h>

#include <cstring>

#include "core/dragdrop/file_format.h"
#include "win32/base/com_ptr.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {

UINT ShellIdListFormat() {
  return RegisterClipboardFormatW(CFSTR_SHELLIDLIST);
}

GlobalMemory CopyBlock(HGLOBAL from) {
  const SIZE_T size = GlobalSize(from);
  GlobalMemory to(GlobalAlloc(GMEM_MOVEABLE, size));
  if (!to.get()) return to;
  const void* src = GlobalLock(from);
  void* dst = GlobalLock(to.get());
  if (src && dst) std::memcpy(dst, src, size);
  if (dst) GlobalUnlock(to.get());
  if (src) GlobalUnlock(from);
  if (!src || !dst) return GlobalMemory();
  return to;
}

HRESULT HandOver(GlobalMemory block, STGMEDIUM& medium) {
  if (!block.get()) return E_OUTOFMEMORY;
  medium.tymed = TYMED_HGLOBAL;
  medium.pUnkForRelease = nullptr;
  medium.hGlobal = block.Release();  // the receiver frees it
  return S_OK;
}

}  // namespace

GlobalMemory NewShellIdListBlock(const FileList& files) {
  std::vector<PIDLIST_ABSOLUTE> items;
  bool ok = true;
  for (const std::string& f : files) {
    PIDLIST_ABSOLUTE pidl = ILCreateFromPathW(Widen(f).c_str());
    if (!pidl) ok = false;
    items.push_back(pidl);
  }
  // Header: the count, then count + 1 offsets (the parent first); the
  // parent is the desktop's empty list (two zero bytes).
  const size_t header = sizeof(UINT) * (files.size() + 2);
  size_t size = header + 2;
  for (PIDLIST_ABSOLUTE p : items) size += p ? ILGetSize(p) : 0;
  GlobalMemory block(ok ? GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size) : nullptr);
  if (auto* bytes = block.get() ? static_cast<BYTE*>(GlobalLock(block.get())) : nullptr) {
    auto* offsets = reinterpret_cast<UINT*>(bytes);
    offsets[0] = static_cast<UINT>(files.size());
    offsets[1] = static_cast<UINT>(header);
    size_t at = header + 2;
    for (size_t i = 0; i < items.size(); ++i) {
      offsets[i + 2] = static_cast<UINT>(at);
      std::memcpy(bytes + at, items[i], ILGetSize(items[i]));
      at += ILGetSize(items[i]);
    }
    GlobalUnlock(block.get());
  }
  for (PIDLIST_ABSOLUTE p : items) ILFree(p);
  return block;
}

TKrFileDropSource::TKrFileDropSource() {
  ClpbrdFormats.Add({TDVAspect::dvaContent}, "CF_HDROP", TTymed::tiHGLOBAL);
  ClpbrdFormats.Add({TDVAspect::dvaContent}, "CF_IDLIST", TTymed::tiHGLOBAL);
}

TKrFileDropSource::~TKrFileDropSource() {
  Unbind();
}

// The shell asks for a set of media; one that includes global memory fits.
HRESULT TKrFileDropSource::GetData(FORMATETC& f, STGMEDIUM& medium) {
  if (const Stored* s = Find(f)) return HandOver(CopyBlock(s->block.get()), medium);
  if (f.cfFormat == ShellIdListFormat() && f.dwAspect == DVASPECT_CONTENT &&
      (f.tymed & TYMED_HGLOBAL)) {
    return HandOver(NewShellIdListBlock(Files), medium);
  }
  const HRESULT check =
      static_cast<HRESULT>(CheckFileListFormat(f.cfFormat, f.dwAspect, f.lindex, f.tymed));
  if (check != S_OK) return check;
  return HandOver(NewFileListBlock(Files), medium);
}

// Writing into the caller's own block is not offered: GetData serves all.
HRESULT TKrFileDropSource::GetDataHere(FORMATETC& f, STGMEDIUM&) {
  const HRESULT check =
      static_cast<HRESULT>(CheckFileListFormat(f.cfFormat, f.dwAspect, f.lindex, f.tymed));
  return check != S_OK ? check : E_NOTIMPL;
}

HRESULT TKrFileDropSource::QueryGetData(FORMATETC& f) {
  if (Find(f)) return S_OK;
  if (f.cfFormat == ShellIdListFormat()) {
    return f.dwAspect == DVASPECT_CONTENT && (f.tymed & TYMED_HGLOBAL) ? S_OK : DV_E_TYMED;
  }
  return static_cast<HRESULT>(CheckFileListFormat(f.cfFormat, f.dwAspect, f.lindex, f.tymed));
}

HRESULT TKrFileDropSource::SetData(FORMATETC& f, STGMEDIUM& medium, bool fRelease) {
  if (medium.tymed != TYMED_HGLOBAL || !medium.hGlobal) return E_NOTIMPL;
  GlobalMemory block =
      fRelease && !medium.pUnkForRelease ? GlobalMemory(medium.hGlobal) : CopyBlock(medium.hGlobal);
  if (!block.get()) return E_OUTOFMEMORY;
  if (fRelease && medium.pUnkForRelease) ReleaseStgMedium(&medium);
  for (auto it = store_.begin(); it != store_.end(); ++it) {
    if (it->format.cfFormat == f.cfFormat) {
      store_.erase(it);
      break;
    }
  }
  FORMATETC kept = f;
  kept.ptd = nullptr;
  store_.push_back({kept, std::move(block)});
  return S_OK;
}

const TKrFileDropSource::Stored* TKrFileDropSource::Find(const FORMATETC& f) const {
  for (const Stored& s : store_) {
    if (s.format.cfFormat == f.cfFormat && (f.tymed & TYMED_HGLOBAL)) return &s;
  }
  return nullptr;
}

void TKrFileDropSource::ClearStore() {
  store_.clear();
}

void TKrFileDropSource::PrepareDrag(IDataObject* data) {
  ClearStore();
  ComPtr<IDragSourceHelper> helper;
  if (FAILED(CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IDragSourceHelper, helper.PutVoid())))
    return;
  // The control draws the image of what is dragged (a list view its
  // selected items); without one the shell shows the cursor alone.
  POINT at = DragImagePoint;
  if (DragMode == TDragMode::dmAutomatic) at = pressPoint();
  if (DragControl()) helper->InitializeFromWindow(DragControl(), &at, data);
}

}  // namespace olb::win
