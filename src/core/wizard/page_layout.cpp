#include "core/wizard/page_layout.h"

#include <algorithm>
#include <map>

namespace olb {
namespace {

// The control's size where it is designed, before rows are moved.
Size Fit(const PageControl& c, int32_t panelWidth, int32_t rightMargin) {
  const int32_t room = std::max<int32_t>(1, panelWidth - rightMargin - c.designed.left);
  const int32_t designedWidth = std::min(c.designed.Width(), room);
  switch (c.kind) {
    case PageControlKind::Label: {
      const Size line = c.measure(0);
      if (line.cx <= room) return line;
      return {room, c.measure(room).cy};
    }
    case PageControlKind::Wrapped:
      return {designedWidth, std::max(c.designed.Height(), c.measure(designedWidth).cy)};
    case PageControlKind::CheckBox: {
      const Size line = c.measure(0);
      if (line.cx <= designedWidth) return {designedWidth, c.designed.Height()};
      if (line.cx <= room) return {line.cx, std::max(c.designed.Height(), line.cy)};
      return {room, std::max(c.designed.Height(), c.measure(room).cy)};
    }
  }
  return {c.designed.Width(), c.designed.Height()};
}

}  // namespace

std::vector<Rect> LayOutPage(const std::vector<PageControl>& controls, int32_t panelWidth,
                             int32_t rightMargin) {
  std::vector<Rect> placed(controls.size());
  std::map<int32_t, std::vector<size_t>> rows;  // designed top -> controls
  for (size_t i = 0; i < controls.size(); ++i) {
    const Size size = Fit(controls[i], panelWidth, rightMargin);
    placed[i] = {controls[i].designed.left, controls[i].designed.top,
                 controls[i].designed.left + size.cx, controls[i].designed.top + size.cy};
    rows[controls[i].designed.top].push_back(i);
  }
  int32_t above = 0;  // the lowest bottom of the rows placed so far
  for (const auto& [top, members] : rows) {
    const int32_t newTop = std::max(top, above);
    int32_t bottom = newTop;
    for (size_t i : members) {
      placed[i] = placed[i].MovedTo(placed[i].left, newTop);
      bottom = std::max(bottom, placed[i].bottom);
    }
    above = bottom;
  }
  return placed;
}

}  // namespace olb
