#include "core/settings/bar_options.h"

namespace olb {
namespace {

void PutU32(BarOptionsBytes& b, size_t at, uint32_t v) {
  for (size_t i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t GetU32(const BarOptionsBytes& b, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v |= static_cast<uint32_t>(b[at + i]) << (8 * i);
  return v;
}

void PutI32(BarOptionsBytes& b, size_t at, int32_t v) {
  PutU32(b, at, static_cast<uint32_t>(v));
}
int32_t GetI32(const BarOptionsBytes& b, size_t at) {
  return static_cast<int32_t>(GetU32(b, at));
}

olb::Edge EdgeFromStored(int32_t raw) {
  switch (raw) {
    case -2:
    case 0:
    case 1:
    case 2:
    case 3:
      return static_cast<olb::Edge>(raw);
    default:
      return olb::Edge::Float;
  }
}

}  // namespace

BarOptions InitialOptions() {
  return BarOptions{};
}

BarOptions DefaultOptions(const Rect& windowRect) {
  BarOptions o;
  o.Edge = olb::Edge::Float;
  o.AutoHide = 1;
  o.AlwaysOnTop = 0;
  o.DockSize = {100, 100, 100, 100};
  o.FloatRect = windowRect;
  return o;
}

BarOptionsBytes EncodeOptions(const BarOptions& o) {
  BarOptionsBytes b{};
  PutU32(b, 0, o.Size);
  PutI32(b, 4, ToInt(o.Edge));
  PutU32(b, 8, o.AutoHide);
  PutU32(b, 12, o.AlwaysOnTop);
  for (size_t i = 0; i < 4; ++i) PutU32(b, 16 + 4 * i, o.DockSize[i]);
  PutI32(b, 32, o.FloatRect.left);
  PutI32(b, 36, o.FloatRect.top);
  PutI32(b, 40, o.FloatRect.right);
  PutI32(b, 44, o.FloatRect.bottom);
  return b;
}

BarOptions DecodeOptions(const BarOptionsBytes& b) {
  BarOptions o;
  o.Size = GetU32(b, 0);
  o.Edge = EdgeFromStored(GetI32(b, 4));
  o.AutoHide = GetU32(b, 8);
  o.AlwaysOnTop = GetU32(b, 12);
  for (size_t i = 0; i < 4; ++i) o.DockSize[i] = GetU32(b, 16 + 4 * i);
  o.FloatRect = {GetI32(b, 32), GetI32(b, 36), GetI32(b, 40), GetI32(b, 44)};
  return o;
}

}  // namespace olb
