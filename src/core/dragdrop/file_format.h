// The one format the bar's drag source offers and its drop target accepts:
// a shell file list (CF_HDROP) as content, in global memory.
#pragma once

#include <cstdint>

#include "core/dragdrop/clipboard_formats.h"

namespace olb {

constexpr uint16_t kCfHDrop = 15;
constexpr uint32_t kAspectContent = 1;  // DVASPECT_CONTENT
constexpr uint32_t kTymedHGlobal = 1;   // TYMED_HGLOBAL

// Whether a request (FORMATETC's fields) can be served with the file list:
// S_OK, or the DV_E_ code naming the first field that does not fit. The
// medium is a set of acceptable media: one that includes global memory fits.
HResult CheckFileListFormat(uint16_t cfFormat, uint32_t aspect, int32_t lindex, uint32_t tymed);

}  // namespace olb
