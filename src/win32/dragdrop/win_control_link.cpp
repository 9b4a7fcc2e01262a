#include "win32/dragdrop/win_control_link.h"

#include <algorithm>

#include "win32/base/unicode.h"

namespace olb::win {
namespace {

// Every live link of the user-interface thread, in the order they were
// made: the owner's component list, through which a new binding finds the
// link it replaces.
std::vector<TWinControlLink*>& LiveLinks() {
  static std::vector<TWinControlLink*> links;
  return links;
}

}  // namespace

uint16_t GetCFormat(const TClpbrdFormat& format) {
  const FormatNameMeaning meaning = MeaningOfFormatName(format.FormatName);
  if (meaning.registerAs.empty()) return meaning.id;
  return static_cast<uint16_t>(RegisterClipboardFormatW(Widen(meaning.registerAs).c_str()));
}

FORMATETC FormatEtcOf(const TClpbrdFormat& format) {
  return {GetCFormat(format), nullptr, GetDVAspect(format.Aspect), -1, GetTymed(format.Tymed)};
}

TShiftState ShiftOfKeyState(DWORD grfKeyState) {
  return KeyStateToShift(grfKeyState, GetKeyState(VK_MENU) < 0);
}

TWinControlLink::TWinControlLink(Kind kind) : kind_(kind) {
  LiveLinks().push_back(this);
}

TWinControlLink::~TWinControlLink() {
  auto& links = LiveLinks();
  links.erase(std::remove(links.begin(), links.end(), this), links.end());
}

void TWinControlLink::SetDragControl(HWND control) {
  if (control == control_) return;
  if (control_) UnBindFromDragControl();
  control_ = control;
  if (!control) return;
  // A copy: unbinding another link changes nothing in the list, but keep
  // the walk independent of what an unbinding might do.
  const std::vector<TWinControlLink*> links = LiveLinks();
  for (TWinControlLink* other : links) {
    if (other != this && other->kind_ == kind_ && other->control_ == control) {
      other->SetDragControl(nullptr);
    }
  }
  BindToDragControl();
}

HRESULT TWinControlLink::CheckForFormatEtc(const FORMATETC& request) const {
  const std::vector<FormatEtc> offered = OfferedFormats();
  return static_cast<HRESULT>(olb::CheckForFormatEtc(
      offered, {request.cfFormat, request.dwAspect, request.lindex, request.tymed}));
}

std::vector<FormatEtc> TWinControlLink::OfferedFormats() const {
  std::vector<FormatEtc> offered;
  for (const TClpbrdFormat& f : ClpbrdFormats) {
    offered.push_back({GetCFormat(f), GetDVAspect(f.Aspect), -1, GetTymed(f.Tymed)});
  }
  return offered;
}

}  // namespace olb::win
