#include "core/dragdrop/file_format.h"

namespace olb {

HResult CheckFileListFormat(uint16_t cfFormat, uint32_t aspect, int32_t lindex, uint32_t tymed) {
  if (cfFormat != kCfHDrop) return kDvEFormatEtc;
  if (aspect != kAspectContent) return kDvEDvAspect;
  if (lindex != -1) return kDvELindex;
  if ((tymed & kTymedHGlobal) == 0) return kDvETymed;
  return kResultOk;
}

}  // namespace olb
