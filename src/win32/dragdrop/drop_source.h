// Drag sources: TKrCustomDropSource runs an OLE drag from its control and
// serves the dragged data through IDataObject; TKrDropSource is the general
// source whose data comes from its events. In automatic DragMode a left
// press and the next mouse move over the control start the drag (a hook on
// the control's window procedure sees them).
#pragma once

#include <windows.h>
#include <ole2.h>

#include <functional>
#include <memory>

#include "win32/base/com_ptr.h"
#include "win32/dragdrop/win_control_link.h"

namespace olb::win {

enum class TDragMode { dmManual, dmAutomatic };

class TKrCustomDropSource : public TWinControlLink {
 public:
  ~TKrCustomDropSource() override;

  TDragMode DragMode = TDragMode::dmManual;

  // Events; an operation whose event is set returns the handler's result.
  std::function<HRESULT(FORMATETC& formatetc, DWORD advf, IAdviseSink* advSink,
                        DWORD& dwConnection)>
      OnDAdvise;
  std::function<void(TDropEffects effects, TDropResult dragRes)> OnDragDrop;
  std::function<HRESULT(DWORD dwConnection)> OnDUnadvise;
  std::function<HRESULT(IEnumSTATDATA*& enumAdvise)> OnEnumDAdvise;
  std::function<HRESULT(DWORD dwDirection, IEnumFORMATETC*& enumFormatEtc)> OnEnumFormatEtc;
  std::function<HRESULT(FORMATETC& formatetc, FORMATETC& formatetcOut)> OnGetCanonicalFormatEtc;
  std::function<HRESULT(FORMATETC& formatetcIn, STGMEDIUM& medium)> OnGetData;
  std::function<HRESULT(FORMATETC& formatetc, STGMEDIUM& medium)> OnGetDataHere;
  std::function<HRESULT(TDropEffects effects)> OnGiveFeedback;
  std::function<HRESULT(bool escapePressed, TShiftState shift)> OnQueryContinueDrag;
  std::function<HRESULT(FORMATETC& formatetc)> OnQueryGetData;
  std::function<HRESULT(FORMATETC& formatetc, STGMEDIUM& medium, bool fRelease)> OnSetData;
  std::function<void(TShiftState shift, bool& beginDrag)> OnStartDrag;

  // Runs one OLE drag with this component as the source, until the drop or
  // the cancel; `effects` is what the target reported.
  TDropResult DragDrop(TDropEffects& effects);

  // A data object served by this component, as a drag hands to OLE (or a
  // caller puts on the clipboard).
  ComPtr<IDataObject> NewDataObject();

  // The virtual slots the drag's COM objects call.
  virtual HRESULT QueryContinueDrag(bool escapePressed, TShiftState shift);
  virtual HRESULT GiveFeedback(TDropEffects effects);
  virtual HRESULT GetData(FORMATETC& formatetcIn, STGMEDIUM& medium);
  virtual HRESULT GetDataHere(FORMATETC& formatetc, STGMEDIUM& medium);
  virtual HRESULT QueryGetData(FORMATETC& formatetc);
  virtual HRESULT GetCanonicalFormatEtc(FORMATETC& formatetc, FORMATETC& formatetcOut);
  virtual HRESULT SetData(FORMATETC& formatetc, STGMEDIUM& medium, bool fRelease);
  virtual HRESULT EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC*& enumFormatEtc);
  virtual HRESULT DAdvise(FORMATETC& formatetc, DWORD advf, IAdviseSink* advSink,
                          DWORD& dwConnection);
  virtual HRESULT DUnadvise(DWORD dwConnection);
  virtual HRESULT EnumDAdvise(IEnumSTATDATA*& enumAdvise);

 protected:
  TKrCustomDropSource();
  void BindToDragControl() override;
  void UnBindFromDragControl() override;
  // Called just before DoDragDrop with the drag's data object, for a
  // source that adds what only the whole object can take (a drag image).
  virtual void PrepareDrag(IDataObject*) {}
  // The press that armed an automatic drag, in control client coordinates.
  POINT pressPoint() const { return pressAt_; }

 private:
  static LRESULT CALLBACK HookProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                   DWORD_PTR self);
  void HookMessage(UINT msg, WPARAM wp, LPARAM lp);

  // Shared with the drag's COM objects: cleared when the component goes,
  // so an object OLE still holds finds no component rather than a freed one.
  std::shared_ptr<TKrCustomDropSource*> self_;
  bool armed_ = false;
  bool hooked_ = false;
  TShiftState pressShift_;
  POINT pressAt_{};
};

// The general source: published formats and events, no data of its own.
class TKrDropSource : public TKrCustomDropSource {
 public:
  TKrDropSource() = default;
  ~TKrDropSource() override { Unbind(); }
};

}  // namespace olb::win
