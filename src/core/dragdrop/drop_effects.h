// The drop-effect set, the key and button state, and their conversions to
// and from OLE's DROPEFFECT bits, key-state bits and drag results.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "core/platform/shell_result.h"

namespace olb {

// Ordinal order matters: the set keeps bit n for ordinal n.
enum class TDropEffect : uint8_t { deNone, deCopy, deMove, deLink, deScroll };
enum class TDropResult { drDrop, drCancel, drOutOfMemory, drUnSpec };

template <typename E>
class BitSet8 {
 public:
  constexpr BitSet8() = default;
  constexpr BitSet8(std::initializer_list<E> members) {
    for (E e : members) bits_ |= Bit(e);
  }
  constexpr bool Has(E e) const { return (bits_ & Bit(e)) != 0; }
  constexpr BitSet8& Add(E e) {
    bits_ |= Bit(e);
    return *this;
  }
  constexpr BitSet8 operator&(BitSet8 other) const { return FromBits(bits_ & other.bits_); }
  constexpr uint8_t bits() const { return bits_; }
  static constexpr BitSet8 FromBits(uint8_t bits) {
    BitSet8 s;
    s.bits_ = bits;
    return s;
  }
  friend constexpr bool operator==(BitSet8, BitSet8) = default;

 private:
  static constexpr uint8_t Bit(E e) { return static_cast<uint8_t>(1u << static_cast<unsigned>(e)); }
  uint8_t bits_ = 0;
};

using TDropEffects = BitSet8<TDropEffect>;

// The keyboard and mouse state, bit n for ordinal n.
enum class TShift : uint8_t { Shift, Alt, Ctrl, Left, Right, Middle, Double };
using TShiftState = BitSet8<TShift>;

// OLE's values, as the platform defines them.
constexpr uint32_t kDropEffectNone = 0;
constexpr uint32_t kDropEffectCopy = 1;
constexpr uint32_t kDropEffectMove = 2;
constexpr uint32_t kDropEffectLink = 4;
constexpr uint32_t kDropEffectScroll = 0x80000000u;

constexpr uint32_t kMkLButton = 0x01;
constexpr uint32_t kMkRButton = 0x02;
constexpr uint32_t kMkShift = 0x04;
constexpr uint32_t kMkControl = 0x08;
constexpr uint32_t kMkMButton = 0x10;

constexpr HResult kDragDropSDrop = 0x00040100;
constexpr HResult kDragDropSCancel = 0x00040101;

uint32_t DropEffectsTodwEffect(TDropEffects effects);
// Bits other than copy, move, link and scroll are ignored.
TDropEffects dwEffectToDropEffects(uint32_t dwEffect);
TDropResult hDropResultToDropResult(HResult result);
// Ctrl+Shift links, Ctrl copies, anything else moves; deNone is always in.
TDropEffects ShiftToDropEffects(TShiftState shift);
// OLE's key state (only its low 16 bits count); Alt is not in it, so the
// caller says whether the Alt key is down.
TShiftState KeyStateToShift(uint32_t grfKeyState, bool altDown);

// The one effect a drop target reports, always one the source allows and
// the target takes: the keys ask for a link (Ctrl+Shift), a copy (Ctrl) or a
// move (anything else). A move or link asked for and allowed is given; else
// a copy when allowed; else a link when that is all the source allows; else
// nothing.
TDropEffects ChooseDropEffect(TShiftState shift, TDropEffects sourceAllows,
                              TDropEffects targetTakes);

// What a drop target reports while the pointer moves over it: the chosen
// effect when the data is accepted, otherwise nothing.
TDropEffects TargetEffects(bool accepted, TShiftState shift, TDropEffects sourceAllows,
                           TDropEffects targetTakes);

// The drag source's answer to OLE while the drag runs: cancel on Escape,
// drop once the left button is up, otherwise go on (S_OK).
HResult QueryContinueDragResult(bool escapePressed, TShiftState shift);

}  // namespace olb
