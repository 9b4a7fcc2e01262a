// Where the bar sits: one of the four screen edges, floating, or unregistered.
#pragma once

#include <cstdint>

namespace olb {

// The numeric values are those of the shell's ABE_* constants and of the
// stored settings record; they must not change.
enum class Edge : int32_t {
  Float = -2,  // a floating window, laid out like a left bar
  None = -1,   // unregistered; as a proposal: no move in progress
  Left = 0,
  Top = 1,
  Right = 2,
  Bottom = 3,
};

constexpr bool IsDocked(Edge e) {
  return e == Edge::Left || e == Edge::Top || e == Edge::Right || e == Edge::Bottom;
}

// The edges a saved record may hold: floating or one of the four edges.
constexpr bool IsStorable(Edge e) {
  return e == Edge::Float || IsDocked(e);
}

// Top and bottom bars are horizontal; everything else is laid out vertically.
constexpr bool IsHorizontal(Edge e) {
  return e == Edge::Top || e == Edge::Bottom;
}

constexpr int32_t ToInt(Edge e) {
  return static_cast<int32_t>(e);
}

// Index into per-edge arrays; only valid for docked edges.
constexpr int EdgeIndex(Edge e) {
  return static_cast<int>(e);
}

}  // namespace olb
