// The data object and format enumerator a drag hands to OLE.
#include <exception>

#include "core/dragdrop/file_format.h"
#include "win32/dragdrop/com_object.h"
#include "win32/dragdrop/file_drop_source.h"
#include "win32/dragdrop/hdrop.h"

namespace olb::win {
namespace {

// TKrEnumFormatEtcImpl: the one format offered.
class TKrEnumFormatEtcImpl : public ComObject<IEnumFORMATETC> {
 public:
  explicit TKrEnumFormatEtcImpl(ULONG position = 0) : position_(position) {}

  HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* out, ULONG* fetched) override {
    if (!out || (count != 1 && !fetched)) return E_POINTER;
    ULONG done = 0;
    while (done < count && position_ < kFormats) {
      out[done++] = {kCfHDrop, nullptr, kAspectContent, -1, kTymedHGlobal};
      ++position_;
    }
    if (fetched) *fetched = done;
    return done == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    position_ += count;
    return position_ <= kFormats ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    position_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** out) override {
    if (!out) return E_POINTER;
    *out = new TKrEnumFormatEtcImpl(position_);
    return S_OK;
  }

 private:
  static constexpr ULONG kFormats = 1;
  ULONG position_;
};

// TKrIDataObjectImpl.
class TKrIDataObjectImpl : public ComObject<IDataObject> {
 public:
  explicit TKrIDataObjectImpl(FileList files) : files_(std::move(files)) {}

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (!format || !medium) return E_INVALIDARG;
    const HRESULT check = Check(*format);
    if (check != S_OK) return check;
    try {
      OwnedGlobal block = NewFileListBlock(files_);
      if (!block.get()) return E_OUTOFMEMORY;
      medium->tymed = TYMED_HGLOBAL;
      medium->pUnkForRelease = nullptr;
      medium->hGlobal = block.Release();  // the receiver frees it
      return S_OK;
    } catch (const std::exception&) {
      return E_OUTOFMEMORY;
    }
  }
  // Writing into the caller's own block is not offered: GetData serves all.
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    return format ? Check(*format) : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out) out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    *out = new TKrEnumFormatEtcImpl;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** out) override {
    if (out) *out = nullptr;
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  static HRESULT Check(const FORMATETC& f) {
    return CheckFileListFormat(f.cfFormat, f.dwAspect, f.lindex, f.tymed);
  }
  FileList files_;
};

}  // namespace

ComPtr<IDataObject> NewFileDataObject(const FileList& files) {
  return ComPtr<IDataObject>(new TKrIDataObjectImpl(files));
}

}  // namespace olb::win
