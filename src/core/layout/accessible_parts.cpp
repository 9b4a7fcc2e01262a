#include "core/layout/accessible_parts.h"

#include "core/folder/launch_rules.h"
#include "core/layout/title.h"

namespace olb {
namespace {

constexpr std::string_view kDash = " \u2014 ";

}  // namespace

std::string AccessibleTitle(std::string_view currentPath, std::string_view rootPath) {
  std::string title(kBarName);
  for (std::string_view part : ComponentsBelowRoot(currentPath, rootPath)) {
    title += kDash;
    title += part;
  }
  return title;
}

std::string UpButtonName(std::string_view currentPath, std::string_view rootPath) {
  const std::vector<std::string_view> parts = ComponentsBelowRoot(currentPath, rootPath);
  if (parts.empty()) return "Up";
  std::string name = "Up to ";
  name += parts.size() == 1 ? kBarName : parts[parts.size() - 2];
  return name;
}

std::vector<AccessiblePart> AccessibleParts(const BarLayout& layout, const StripState& strips,
                                            std::string_view currentPath,
                                            std::string_view rootPath) {
  const Rect& up = layout.upButton;
  const Rect upInForm{layout.panel.left + up.left, layout.panel.top + up.top,
                      layout.panel.left + up.right, layout.panel.top + up.bottom};
  return {
      {AccessibleTitle(currentPath, rootPath), AccessibleRole::TitleBar, layout.grip, false},
      {UpButtonName(currentPath, rootPath), AccessibleRole::PushButton, upInForm,
       !UpEnabledAt(currentPath, rootPath)},
      {"Scroll back", AccessibleRole::PushButton, layout.backStrip, !strips.backActive},
      {"Scroll forward", AccessibleRole::PushButton, layout.forwardStrip, !strips.forwardActive},
  };
}

}  // namespace olb
