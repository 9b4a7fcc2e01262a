#include "core/settings/options_store.h"

#include <algorithm>

namespace olb {

LoadedOptions MergeStoredOptions(const BarOptions& live, const Rect& windowRect,
                                 const std::optional<RegistryValue>& stored) {
  BarOptionsBytes buffer = EncodeOptions(DefaultOptions(windowRect));
  if (stored && stored->data.size() <= kBarOptionsBytes) {
    std::copy(stored->data.begin(), stored->data.end(), buffer.begin());
  }

  const BarOptions read = DecodeOptions(buffer);
  const uint32_t taken = std::min(read.Size, kBarOptionsBytes);
  BarOptionsBytes liveBytes = EncodeOptions(live);
  std::copy_n(buffer.begin(), taken, liveBytes.begin());

  LoadedOptions result;
  result.live = DecodeOptions(liveBytes);
  result.live.Size = kBarOptionsBytes;
  // The width follows the buffer's own Edge and DockSize, even where Size
  // kept those fields out of the live copy.
  if (read.Edge == Edge::Right) result.formWidth = read.DockSize[2];
  if (read.Edge == Edge::Left) result.formWidth = read.DockSize[0];
  return result;
}

LoadedOptions ReadOptions(Registry& registry, const BarOptions& live, const Rect& windowRect) {
  return MergeStoredOptions(
      live, windowRect, registry.Read(RegistryRoot::CurrentUser, kOptionsKey, kOptionsValueName));
}

bool WriteOptions(Registry& registry, const BarOptions& live) {
  // "Unregistered" is a state of the running bar, never a place to start in.
  if (!IsStorable(live.Edge)) return false;
  BarOptions record = live;
  record.Size = kBarOptionsBytes;
  const BarOptionsBytes bytes = EncodeOptions(record);
  RegistryValue value{static_cast<uint32_t>(RegistryType::Binary), {bytes.begin(), bytes.end()}};
  return registry.Write(RegistryRoot::CurrentUser, kOptionsKey, kOptionsValueName, value);
}

std::optional<uint32_t> ReadOptionNumber(Registry& registry, std::string_view name) {
  const std::optional<RegistryValue> stored =
      registry.Read(RegistryRoot::CurrentUser, kOptionsKey, name);
  if (!stored || stored->type != static_cast<uint32_t>(RegistryType::Dword) ||
      stored->data.size() != 4) {
    return std::nullopt;
  }
  const std::vector<uint8_t>& d = stored->data;
  return d[0] | d[1] << 8 | d[2] << 16 | static_cast<uint32_t>(d[3]) << 24;
}

bool WriteOptionNumber(Registry& registry, std::string_view name, uint32_t n) {
  const RegistryValue value{static_cast<uint32_t>(RegistryType::Dword),
                            {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8),
                             static_cast<uint8_t>(n >> 16), static_cast<uint8_t>(n >> 24)}};
  return registry.Write(RegistryRoot::CurrentUser, kOptionsKey, name, value);
}

bool ReadOptionSwitch(Registry& registry, std::string_view name) {
  return ReadOptionNumber(registry, name) == 1u;
}

bool WriteOptionSwitch(Registry& registry, std::string_view name, bool on) {
  return WriteOptionNumber(registry, name, on ? 1 : 0);
}

}  // namespace olb
