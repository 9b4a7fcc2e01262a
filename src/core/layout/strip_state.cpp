#include "core/layout/strip_state.h"

namespace olb {

StripState ComputeStripState(const Rect& viewRect, int32_t listSize, bool horizontalBar) {
  // 64-bit so that no rectangle the control reports can overflow.
  const int64_t nearSide = horizontalBar ? viewRect.left : viewRect.top;
  const int64_t farSide = horizontalBar ? viewRect.right : viewRect.bottom;
  StripState s;
  s.listOverflows = farSide - nearSide > listSize;
  if (s.listOverflows) {
    s.forwardActive = farSide - listSize > 0;
    s.backActive = nearSide < 0;
  }
  return s;
}

}  // namespace olb
