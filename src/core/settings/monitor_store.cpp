#include "core/settings/monitor_store.h"

#include <charconv>
#include <cstdint>

#include "core/settings/options_store.h"

namespace olb {
namespace {

inline constexpr size_t kMaxDeviceChars = 31;

// Reads one decimal int32 followed by a comma; advances `text` past both.
bool TakeNumber(std::string_view& text, int32_t& out) {
  const char* end = text.data() + text.size();
  const auto [next, error] = std::from_chars(text.data(), end, out);
  if (error != std::errc{} || next == end || *next != ',') return false;
  text.remove_prefix(static_cast<size_t>(next - text.data()) + 1);
  return true;
}

}  // namespace

std::string EncodeMonitorPlace(const MonitorPlace& place) {
  const Rect& r = place.area;
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom) + "," + place.device;
}

std::optional<MonitorPlace> DecodeMonitorPlace(std::string_view text) {
  MonitorPlace place;
  Rect& r = place.area;
  if (!TakeNumber(text, r.left) || !TakeNumber(text, r.top) || !TakeNumber(text, r.right) ||
      !TakeNumber(text, r.bottom)) {
    return std::nullopt;
  }
  // Widths in 64 bits: the numbers may be anything a hand edit left.
  if (int64_t{r.right} - r.left <= 0 || int64_t{r.bottom} - r.top <= 0 ||
      int64_t{r.right} - r.left > INT32_MAX || int64_t{r.bottom} - r.top > INT32_MAX) {
    return std::nullopt;
  }
  if (text.empty() || text.size() > kMaxDeviceChars) return std::nullopt;
  for (char c : text) {
    if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
  }
  place.device = std::string(text);
  return place;
}

std::optional<MonitorPlace> ReadMonitorPlace(Registry& registry) {
  const auto value = registry.Read(RegistryRoot::CurrentUser, kOptionsKey, kMonitorValueName);
  if (!value || value->type != static_cast<uint32_t>(RegistryType::String)) return std::nullopt;
  return DecodeMonitorPlace(
      {reinterpret_cast<const char*>(value->data.data()), value->data.size()});
}

bool WriteMonitorPlace(Registry& registry, const MonitorPlace& place) {
  const std::string text = EncodeMonitorPlace(place);
  const RegistryValue value{static_cast<uint32_t>(RegistryType::String),
                            {text.begin(), text.end()}};
  return registry.Write(RegistryRoot::CurrentUser, kOptionsKey, kMonitorValueName, value);
}

}  // namespace olb
