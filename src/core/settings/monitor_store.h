// The monitor the bar lives on, kept in its own value beside the settings
// record (the record itself stays as it is).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/platform/geometry.h"
#include "core/platform/registry.h"

namespace olb {

inline constexpr std::string_view kMonitorValueName = "Monitor";

// A monitor as the bar remembers it: its device name and rectangle.
struct MonitorPlace {
  std::string device;
  Rect area;
  friend bool operator==(const MonitorPlace&, const MonitorPlace&) = default;
};

// The text stored: "left,top,right,bottom,device". Decoding refuses anything
// else: numbers out of range, an empty rectangle, a missing or over-long
// device name (the system's names hold at most 31 characters).
std::string EncodeMonitorPlace(const MonitorPlace& place);
std::optional<MonitorPlace> DecodeMonitorPlace(std::string_view text);

// nullopt when the value is missing, not a string, or does not decode.
std::optional<MonitorPlace> ReadMonitorPlace(Registry& registry);
bool WriteMonitorPlace(Registry& registry, const MonitorPlace& place);

}  // namespace olb
