#include "core/dragdrop/drop_hit.h"

namespace olb {

std::optional<int32_t> DropHitRow(const DropGeometry& g) {
  const bool horizontal = IsHorizontal(g.edge);
  const int32_t along = horizontal ? g.pointer.x - g.list.left - g.viewOrigin.x
                                   : g.pointer.y - g.list.top - g.viewOrigin.y;
  const int32_t across = horizontal ? g.pointer.y - g.list.top : g.pointer.x - g.list.left;
  const int32_t extent = horizontal ? g.list.Height() : g.list.Width();
  const int32_t pitch = g.pitch > 0 ? g.pitch : kDefaultDropPitch;
  if (along < 0 || across < 0 || across >= extent) return std::nullopt;
  const int32_t row = along / pitch;
  if (row >= g.itemCount) return std::nullopt;
  return row;
}

}  // namespace olb
