// Which monitor a point or rectangle belongs to, and finding a remembered
// monitor again, as the system's MonitorFromPoint and MonitorFromRect decide.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/platform/desktop.h"
#include "core/platform/edge.h"
#include "core/settings/monitor_store.h"

namespace olb {

// Each takes a non-empty list and answers an index into it.
// The monitor containing `p`, else the one nearest to it.
size_t MonitorAt(const std::vector<MonitorInfo>& monitors, Point p);
// The monitor sharing the largest area with `rc`, else the one nearest to it.
size_t MonitorOfRect(const std::vector<MonitorInfo>& monitors, const Rect& rc);
// The monitor flagged primary, else the first.
size_t PrimaryMonitor(const std::vector<MonitorInfo>& monitors);
// The listed monitor that `place` names: the same device, else (the names
// having changed) the same rectangle; nullopt when it is gone.
std::optional<size_t> FindMonitor(const std::vector<MonitorInfo>& monitors,
                                  const MonitorPlace& place);

// Whether another monitor adjoins `area` beyond its `edge`: an inner edge,
// past which the pointer moves on.
bool IsInnerEdge(const std::vector<MonitorInfo>& monitors, const Rect& area, Edge edge);

}  // namespace olb
