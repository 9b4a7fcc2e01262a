#include "win32/dragdrop/drop_source.h"

#include <commctrl.h>

#include <exception>

#include "win32/base/com_ptr.h"
#include "win32/dragdrop/com_object.h"

namespace olb::win {
namespace {

using Owner = std::shared_ptr<TKrCustomDropSource*>;

// Runs a call on the component, if it still exists; nothing may leave a COM
// method, so a failure becomes its result code.
template <typename Call>
HRESULT OnOwner(const Owner& owner, Call call) {
  if (!*owner) return E_UNEXPECTED;
  try {
    return call(**owner);
  } catch (const std::exception&) {
    return E_UNEXPECTED;
  }
}

// TKrIDropSourceImpl.
class TKrIDropSourceImpl : public ComObject<IDropSource> {
 public:
  explicit TKrIDropSourceImpl(Owner owner) : owner_(std::move(owner)) {}
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    return OnOwner(owner_, [&](TKrCustomDropSource& s) {
      return s.QueryContinueDrag(escape != FALSE, ShiftOfKeyState(keys));
    });
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
    return OnOwner(owner_, [&](TKrCustomDropSource& s) {
      return s.GiveFeedback(dwEffectToDropEffects(effect));
    });
  }

 private:
  Owner owner_;
};

// TKrEnumFormatEtcImpl: the component's ClpbrdFormats from a position.
class TKrEnumFormatEtcImpl : public ComObject<IEnumFORMATETC> {
 public:
  TKrEnumFormatEtcImpl(Owner owner, ULONG position)
      : owner_(std::move(owner)), position_(position) {}

  HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* out, ULONG* fetched) override {
    if (!out || (count != 1 && !fetched)) return E_POINTER;
    if (!*owner_) return E_UNEXPECTED;
    const TClpbrdFormats& formats = (*owner_)->ClpbrdFormats;
    ULONG done = 0;
    while (done < count && position_ < formats.Count()) {
      out[done++] = FormatEtcOf(formats[position_++]);
    }
    if (fetched) *fetched = done;
    return done == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    position_ += count;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    position_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** out) override {
    if (!out) return E_POINTER;
    *out = new TKrEnumFormatEtcImpl(owner_, position_);
    return S_OK;
  }

 private:
  Owner owner_;
  ULONG position_;
};

// TKrIDataObjectImpl: every call goes to the component's slot of the name.
class TKrIDataObjectImpl : public ComObject<IDataObject> {
 public:
  explicit TKrIDataObjectImpl(Owner owner) : owner_(std::move(owner)) {}

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* f, STGMEDIUM* m) override {
    if (!f || !m) return E_INVALIDARG;
    return OnOwner(owner_, [&](TKrCustomDropSource& s) { return s.GetData(*f, *m); });
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* f, STGMEDIUM* m) override {
    if (!f || !m) return E_INVALIDARG;
    return OnOwner(owner_, [&](TKrCustomDropSource& s) { return s.GetDataHere(*f, *m); });
  }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* f) override {
    if (!f) return E_INVALIDARG;
    return OnOwner(owner_, [&](TKrCustomDropSource& s) { return s.QueryGetData(*f); });
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* f, FORMATETC* out) override {
    if (!f || !out) return E_INVALIDARG;
    return OnOwner(owner_,
                   [&](TKrCustomDropSource& s) { return s.GetCanonicalFormatEtc(*f, *out); });
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC* f, STGMEDIUM* m, BOOL release) override {
    if (!f || !m) return E_INVALIDARG;
    return OnOwner(owner_,
                   [&](TKrCustomDropSource& s) { return s.SetData(*f, *m, release != FALSE); });
  }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    return OnOwner(owner_,
                   [&](TKrCustomDropSource& s) { return s.EnumFormatEtc(direction, *out); });
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* f, DWORD advf, IAdviseSink* sink,
                                    DWORD* connection) override {
    if (!f || !connection) return E_INVALIDARG;
    return OnOwner(owner_,
                   [&](TKrCustomDropSource& s) { return s.DAdvise(*f, advf, sink, *connection); });
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override {
    return OnOwner(owner_, [&](TKrCustomDropSource& s) { return s.DUnadvise(connection); });
  }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    return OnOwner(owner_, [&](TKrCustomDropSource& s) { return s.EnumDAdvise(*out); });
  }

 private:
  Owner owner_;
};

constexpr UINT_PTR kHookId = 0x4B72;  // one hook per source on a control

}  // namespace

TKrCustomDropSource::TKrCustomDropSource()
    : TWinControlLink(Kind::DropSource), self_(std::make_shared<TKrCustomDropSource*>(this)) {}

TKrCustomDropSource::~TKrCustomDropSource() {
  *self_ = nullptr;
}

TDropResult TKrCustomDropSource::DragDrop(TDropEffects& effects) {
  const DWORD allowed = DropEffectsTodwEffect(DropEffects);
  DWORD effect = allowed;
  effects = {TDropEffect::deNone};
  const ComPtr<IDataObject> data = NewDataObject();
  const ComPtr<IDropSource> source(new TKrIDropSourceImpl(self_));
  PrepareDrag(data.get());
  const HRESULT hr = DoDragDrop(data.get(), source.get(), allowed, &effect);
  // Only a drop tells what the target did; a cancel leaves OLE's value as
  // it came in.
  if (hr == DRAGDROP_S_DROP) effects = dwEffectToDropEffects(effect);
  return hDropResultToDropResult(hr);
}

ComPtr<IDataObject> TKrCustomDropSource::NewDataObject() {
  return ComPtr<IDataObject>(new TKrIDataObjectImpl(self_));
}

HRESULT TKrCustomDropSource::QueryContinueDrag(bool escapePressed, TShiftState shift) {
  if (OnQueryContinueDrag) return OnQueryContinueDrag(escapePressed, shift);
  return QueryContinueDragResult(escapePressed, shift);
}

HRESULT TKrCustomDropSource::GiveFeedback(TDropEffects effects) {
  if (OnGiveFeedback) return OnGiveFeedback(effects);
  return DRAGDROP_S_USEDEFAULTCURSORS;
}

HRESULT TKrCustomDropSource::GetData(FORMATETC& formatetcIn, STGMEDIUM& medium) {
  const HRESULT check = CheckForFormatEtc(formatetcIn);
  if (check != S_OK) return check;
  return OnGetData ? OnGetData(formatetcIn, medium) : E_NOTIMPL;
}

HRESULT TKrCustomDropSource::GetDataHere(FORMATETC& formatetc, STGMEDIUM& medium) {
  const HRESULT check = CheckForFormatEtc(formatetc);
  if (check != S_OK) return check;
  return OnGetDataHere ? OnGetDataHere(formatetc, medium) : E_NOTIMPL;
}

HRESULT TKrCustomDropSource::QueryGetData(FORMATETC& formatetc) {
  if (OnQueryGetData) return OnQueryGetData(formatetc);
  const std::vector<FormatEtc> offered = OfferedFormats();
  return static_cast<HRESULT>(QueryOfferedFormat(
      offered, {formatetc.cfFormat, formatetc.dwAspect, formatetc.lindex, formatetc.tymed}));
}

HRESULT TKrCustomDropSource::GetCanonicalFormatEtc(FORMATETC& formatetc, FORMATETC& out) {
  if (OnGetCanonicalFormatEtc) return OnGetCanonicalFormatEtc(formatetc, out);
  out.ptd = nullptr;
  return E_NOTIMPL;
}

HRESULT TKrCustomDropSource::SetData(FORMATETC& formatetc, STGMEDIUM& medium, bool fRelease) {
  return OnSetData ? OnSetData(formatetc, medium, fRelease) : E_NOTIMPL;
}

HRESULT TKrCustomDropSource::EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC*& out) {
  if (OnEnumFormatEtc) return OnEnumFormatEtc(dwDirection, out);
  if (dwDirection != DATADIR_GET) return E_NOTIMPL;
  out = new TKrEnumFormatEtcImpl(self_, 0);
  return S_OK;
}

HRESULT TKrCustomDropSource::DAdvise(FORMATETC& formatetc, DWORD advf, IAdviseSink* advSink,
                                     DWORD& dwConnection) {
  if (OnDAdvise) return OnDAdvise(formatetc, advf, advSink, dwConnection);
  return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TKrCustomDropSource::DUnadvise(DWORD dwConnection) {
  return OnDUnadvise ? OnDUnadvise(dwConnection) : OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TKrCustomDropSource::EnumDAdvise(IEnumSTATDATA*& enumAdvise) {
  return OnEnumDAdvise ? OnEnumDAdvise(enumAdvise) : OLE_E_ADVISENOTSUPPORTED;
}

// The hook is a comctl32 subclass rather than a replaced window procedure,
// so it comes off cleanly whatever else subclassed the control after it.
void TKrCustomDropSource::BindToDragControl() {
  hooked_ = SetWindowSubclass(DragControl(), HookProc, kHookId,
                              reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

void TKrCustomDropSource::UnBindFromDragControl() {
  if (hooked_) RemoveWindowSubclass(DragControl(), HookProc, kHookId);
  hooked_ = false;
  armed_ = false;
}

LRESULT CALLBACK TKrCustomDropSource::HookProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                               DWORD_PTR self) {
  auto* source = reinterpret_cast<TKrCustomDropSource*>(self);
  if (msg == WM_NCDESTROY) {
    // The control goes: only the hook is taken off.
    RemoveWindowSubclass(hwnd, HookProc, kHookId);
    source->hooked_ = false;
    source->armed_ = false;
    source->ForgetDragControl();
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  try {
    source->HookMessage(msg, wp, lp);
  } catch (const std::exception&) {
    // A failed drag must not keep the control from its own message.
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

void TKrCustomDropSource::HookMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      if (DragMode != TDragMode::dmAutomatic) return;
      pressShift_ = ShiftOfKeyState(LOWORD(wp));
      pressAt_ = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      armed_ = true;
      return;
    case WM_MOUSEMOVE: {
      if (!armed_) return;
      armed_ = false;
      bool beginDrag = true;
      if (OnStartDrag) OnStartDrag(pressShift_, beginDrag);
      if (!beginDrag) return;
      TDropEffects effects;
      const TDropResult result = DragDrop(effects);
      if (OnDragDrop) OnDragDrop(effects, result);
      return;
    }
    case WM_LBUTTONUP:
      armed_ = false;
      return;
    default:
      return;
  }
}

}  // namespace olb::win
