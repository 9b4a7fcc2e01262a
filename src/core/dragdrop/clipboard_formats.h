// The clipboard formats a drop target accepts or a drag source offers: the
// aspect and medium sets, the format item and its collection, the table of
// symbolic format names, and the format tests both sides make.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/dragdrop/drop_effects.h"

namespace olb {

// Ordinal order matters: sets keep bit n for ordinal n.
enum class TDVAspect : uint8_t { dvaContent, dvaTHUMBNAIL, dvaICON, dvaDOCPRINT };
using TDVAspects = BitSet8<TDVAspect>;
enum class TTymed : uint8_t {
  tiNULL,
  tiHGLOBAL,
  tiFILE,
  tiISTREAM,
  tiISTORAGE,
  tiGDI,
  tiMFPICT,
  tiENHMF
};

// What a format name stands for: a fixed identifier, or a name to register
// with the system (registerAs not empty). An empty name stands for 0.
struct FormatNameMeaning {
  uint16_t id = 0;
  std::string registerAs;
  friend bool operator==(const FormatNameMeaning&, const FormatNameMeaning&) = default;
};

// The symbolic names ("CF_HDROP", "CF_IDLIST" ...) matched without case; any
// other non-empty name is registered as written.
FormatNameMeaning MeaningOfFormatName(std::string_view name);

// The DVASPECT bit mask of an aspect set.
uint32_t GetDVAspect(TDVAspects aspect);
// The TYMED value of a medium: tiNULL 0, then 1, 2, 4 ... 64.
uint32_t GetTymed(TTymed tymed);

// One format of a collection.
struct TClpbrdFormat {
  TDVAspects Aspect;
  std::string FormatName;
  TTymed Tymed = TTymed::tiNULL;
  // FormatName, or the collection's default item name when it is empty.
  std::string DisplayName() const { return FormatName.empty() ? "TClpbrdFormat" : FormatName; }
  friend bool operator==(const TClpbrdFormat&, const TClpbrdFormat&) = default;
};

class TClpbrdFormats {
 public:
  // Appends an item with the defaults and returns it.
  TClpbrdFormat& Add() { return items_.emplace_back(); }
  TClpbrdFormat& Add(TDVAspects aspect, std::string name, TTymed tymed) {
    return items_.emplace_back(TClpbrdFormat{aspect, std::move(name), tymed});
  }
  void Clear() { items_.clear(); }
  size_t Count() const { return items_.size(); }
  TClpbrdFormat& operator[](size_t i) { return items_[i]; }
  const TClpbrdFormat& operator[](size_t i) const { return items_[i]; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<TClpbrdFormat> items_;
};

// A format as the platform compares it (FORMATETC without ptd).
struct FormatEtc {
  uint16_t cfFormat = 0;
  uint32_t aspect = 0;
  int32_t lindex = -1;
  uint32_t tymed = 0;
  friend bool operator==(const FormatEtc&, const FormatEtc&) = default;
};

constexpr HResult kDvEFormatEtc = ResultFromBits(0x80040064u);
constexpr HResult kDvELindex = ResultFromBits(0x80040068u);
constexpr HResult kDvETymed = ResultFromBits(0x80040069u);
constexpr HResult kDvEDvAspect = ResultFromBits(0x8004006Bu);

// CheckForFormatEtc: S_OK when an offered format has the request's format,
// aspect and medium; DV_E_TYMED when one matches in all but the medium;
// otherwise DV_E_DVASPECT.
HResult CheckForFormatEtc(std::span<const FormatEtc> offered, const FormatEtc& request);
// QueryGetData's answer: the first offered format of the request's
// identifier decides: DV_E_FORMATETC when there is none, DV_E_DVASPECT or
// DV_E_TYMED when its aspect or medium differs.
HResult QueryOfferedFormat(std::span<const FormatEtc> offered, const FormatEtc& request);

}  // namespace olb
