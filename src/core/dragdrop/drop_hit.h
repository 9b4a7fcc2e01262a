// Which item of the list lies under a drop.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "core/platform/edge.h"
#include "core/platform/geometry.h"

namespace olb {

// The pitch used while none has been measured.
constexpr int32_t kDefaultDropPitch = 75;

// The bar as it is when the drop arrives, in the bar window's client
// coordinates.
struct DropGeometry {
  bool onWindow = false;  // the pointer lies on the bar window
  Point pointer;
  Rect list;         // the list control's bounds
  Point viewOrigin;  // its view rectangle's left and top (negative when scrolled)
  Edge edge = Edge::Left;
  int32_t pitch = 0;  // between neighbouring items along the bar
  int32_t itemCount = 0;
  // Items standing side by side across the bar in each line along it (small
  // icons on a horizontal bar stand in columns), and their distance.
  int32_t perLine = 1;
  int32_t acrossPitch = 0;
  // Small icons on a horizontal bar: each item's icon stands at the start of
  // its cell along the bar, its label after it.
  bool iconLeads = false;
};

// The item under the pointer, if any. Lines start at the view origin and
// each covers `pitch` pixels along the bar, so the first pixel row of an
// item belongs to that item; within a line of several items each covers
// `acrossPitch` pixels across it.
std::optional<int32_t> DropHitRow(const DropGeometry& g);

// Whether the pointer lies on the outer quarter of its item's cell along the
// bar (either end): nearer the gap beside the item than the item itself, so
// a drop there goes between the two items rather than onto one. Where the
// icon leads its cell only its far quarter counts, so the icon itself still
// takes a drop.
bool BetweenItems(const DropGeometry& g);

// Where items of the bar dragged within it go with the pointer there: into
// the folder item under it when the pointer is on the middle half of that
// item's cell along the bar, else before the item `before` (the nearer side
// of the item under the pointer; the item count puts them last). Nothing
// off the list.
struct ReorderDrop {
  std::optional<int32_t> into;
  int32_t before = 0;
};
std::optional<ReorderDrop> ReorderDropAt(const DropGeometry& g,
                                         const std::function<bool(int32_t row)>& isFolder);

}  // namespace olb
