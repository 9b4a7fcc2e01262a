#include "core/dragdrop/drop_hit.h"

#include <algorithm>

namespace olb {

std::optional<int32_t> DropHitRow(const DropGeometry& g) {
  const bool horizontal = IsHorizontal(g.edge);
  const int32_t along = horizontal ? g.pointer.x - g.list.left - g.viewOrigin.x
                                   : g.pointer.y - g.list.top - g.viewOrigin.y;
  const int32_t across = horizontal ? g.pointer.y - g.list.top : g.pointer.x - g.list.left;
  const int32_t extent = horizontal ? g.list.Height() : g.list.Width();
  const int32_t pitch = g.pitch > 0 ? g.pitch : kDefaultDropPitch;
  if (along < 0 || across < 0 || across >= extent) return std::nullopt;
  int32_t slot = 0;
  if (g.perLine > 1 && g.acrossPitch > 0) {
    slot = across / g.acrossPitch;
    if (slot >= g.perLine) return std::nullopt;
  }
  const int64_t row = int64_t{along / pitch} * std::max(g.perLine, 1) + slot;
  if (row >= g.itemCount) return std::nullopt;
  return static_cast<int32_t>(row);
}

bool BetweenItems(const DropGeometry& g) {
  const int32_t along = IsHorizontal(g.edge) ? g.pointer.x - g.list.left - g.viewOrigin.x
                                             : g.pointer.y - g.list.top - g.viewOrigin.y;
  if (along < 0) return false;
  const int32_t pitch = g.pitch > 0 ? g.pitch : kDefaultDropPitch;
  const int32_t within = along % pitch;
  return (!g.iconLeads && within < pitch / 4) || within >= pitch - pitch / 4;
}

std::optional<ReorderDrop> ReorderDropAt(const DropGeometry& g,
                                         const std::function<bool(int32_t row)>& isFolder) {
  const bool horizontal = IsHorizontal(g.edge);
  const int32_t along = horizontal ? g.pointer.x - g.list.left - g.viewOrigin.x
                                   : g.pointer.y - g.list.top - g.viewOrigin.y;
  const int32_t across = horizontal ? g.pointer.y - g.list.top : g.pointer.x - g.list.left;
  const int32_t extent = horizontal ? g.list.Height() : g.list.Width();
  if (!g.onWindow || across < 0 || across >= extent) return std::nullopt;
  ReorderDrop drop;
  if (along < 0) return drop;
  const std::optional<int32_t> row = DropHitRow(g);
  if (!row) {
    drop.before = g.itemCount;
    return drop;
  }
  const int32_t pitch = g.pitch > 0 ? g.pitch : kDefaultDropPitch;
  if (!BetweenItems(g) && isFolder(*row)) drop.into = row;
  drop.before = along % pitch < pitch / 2 ? *row : *row + 1;
  return drop;
}

}  // namespace olb
