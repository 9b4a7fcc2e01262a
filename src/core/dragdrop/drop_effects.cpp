#include "core/dragdrop/drop_effects.h"

namespace olb {

uint32_t DropEffectsTodwEffect(TDropEffects effects) {
  uint32_t dw = 0;
  if (effects.Has(TDropEffect::deCopy)) dw |= kDropEffectCopy;
  if (effects.Has(TDropEffect::deMove)) dw |= kDropEffectMove;
  if (effects.Has(TDropEffect::deLink)) dw |= kDropEffectLink;
  if (effects.Has(TDropEffect::deScroll)) dw |= kDropEffectScroll;
  return dw;
}

TDropEffects dwEffectToDropEffects(uint32_t dwEffect) {
  TDropEffects effects{TDropEffect::deNone};
  if (dwEffect & kDropEffectCopy) effects.Add(TDropEffect::deCopy);
  if (dwEffect & kDropEffectMove) effects.Add(TDropEffect::deMove);
  if (dwEffect & kDropEffectLink) effects.Add(TDropEffect::deLink);
  if (dwEffect & kDropEffectScroll) effects.Add(TDropEffect::deScroll);
  return effects;
}

TDropResult hDropResultToDropResult(HResult result) {
  if (result == kDragDropSDrop) return TDropResult::drDrop;
  if (result == kDragDropSCancel) return TDropResult::drCancel;
  if (result == kResultOutOfMemory) return TDropResult::drOutOfMemory;
  return TDropResult::drUnSpec;
}

TDropEffects ShiftToDropEffects(TShiftState shift) {
  const bool ctrl = shift.Has(TShift::Ctrl);
  if (ctrl && shift.Has(TShift::Shift)) return {TDropEffect::deNone, TDropEffect::deLink};
  if (ctrl) return {TDropEffect::deNone, TDropEffect::deCopy};
  return {TDropEffect::deNone, TDropEffect::deMove};
}

TShiftState KeyStateToShift(uint32_t grfKeyState, bool altDown) {
  const uint32_t keys = grfKeyState & 0xFFFFu;
  TShiftState shift;
  if (keys & kMkShift) shift.Add(TShift::Shift);
  if (keys & kMkControl) shift.Add(TShift::Ctrl);
  if (keys & kMkLButton) shift.Add(TShift::Left);
  if (keys & kMkRButton) shift.Add(TShift::Right);
  if (keys & kMkMButton) shift.Add(TShift::Middle);
  if (altDown) shift.Add(TShift::Alt);
  return shift;
}

TDropEffects ChooseDropEffect(TShiftState shift, TDropEffects sourceAllows,
                              TDropEffects targetTakes) {
  const TDropEffects possible = sourceAllows & targetTakes;
  const TDropEffects asked = ShiftToDropEffects(shift);
  for (TDropEffect e : {TDropEffect::deLink, TDropEffect::deMove}) {
    if (asked.Has(e) && possible.Has(e)) return {TDropEffect::deNone, e};
  }
  if (possible.Has(TDropEffect::deCopy)) return {TDropEffect::deNone, TDropEffect::deCopy};
  const bool onlyLink =
      !sourceAllows.Has(TDropEffect::deCopy) && !sourceAllows.Has(TDropEffect::deMove);
  if (onlyLink && possible.Has(TDropEffect::deLink)) {
    return {TDropEffect::deNone, TDropEffect::deLink};
  }
  return {TDropEffect::deNone};
}

TDropEffects TargetEffects(bool accepted, TShiftState shift, TDropEffects sourceAllows,
                           TDropEffects targetTakes) {
  if (!accepted) return {TDropEffect::deNone};
  return ChooseDropEffect(shift, sourceAllows, targetTakes);
}

HResult QueryContinueDragResult(bool escapePressed, TShiftState shift) {
  if (escapePressed) return kDragDropSCancel;
  if (!shift.Has(TShift::Left)) return kDragDropSDrop;
  return kResultOk;
}

}  // namespace olb
