// The bar's persistent docking state: one fixed 48-byte record.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/platform/edge.h"
#include "core/platform/geometry.h"

namespace olb {

inline constexpr uint32_t kBarOptionsBytes = 48;
using BarOptionsBytes = std::array<uint8_t, kBarOptionsBytes>;

// Field names follow the stored record. Layout (little-endian, no padding):
// Size @0, Edge @4, AutoHide @8, AlwaysOnTop @12, DockSize[4] @16, FloatRect @32.
struct BarOptions {
  uint32_t Size = kBarOptionsBytes;
  olb::Edge Edge = olb::Edge::Left;
  uint32_t AutoHide = 1;
  uint32_t AlwaysOnTop = 1;
  std::array<uint32_t, 4> DockSize{};  // thickness per docked edge, indexed by edge
  Rect FloatRect{};

  friend bool operator==(const BarOptions&, const BarOptions&) = default;
};

// The live copy's values before anything is read.
BarOptions InitialOptions();

// The record used when nothing is stored: a floating bar at the window's
// present rectangle, auto-hide on, always-on-top off, 100 pixels per edge.
BarOptions DefaultOptions(const Rect& windowRect);

BarOptionsBytes EncodeOptions(const BarOptions& options);

// Decodes any 48 bytes. An Edge value the bar never writes (a hand-edited
// record) is read as floating, so the bar always comes up somewhere sane.
BarOptions DecodeOptions(const BarOptionsBytes& bytes);

}  // namespace olb
