// The bar's parts as screen readers are told of them: the painted title
// strip and scroll strips and the glyph-only Up button, with their names,
// roles and places. The item list answers for itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/layout/bar_layout.h"
#include "core/layout/strip_state.h"

namespace olb {

// Roles as the platform's accessibility numbers them.
enum class AccessibleRole : uint32_t { TitleBar = 0x01, PushButton = 0x2B };

struct AccessiblePart {
  std::string name;
  AccessibleRole role = AccessibleRole::PushButton;
  Rect bounds;               // in the form's client area
  bool unavailable = false;  // a strip with nothing to scroll to
};

// The form's accessible children as readers number them; the events that
// tell of a change name the same numbers.
enum AccessibleChild : int32_t {
  kTitleChild = 1,
  kUpChild,
  kBackStripChild,
  kForwardStripChild,
  kListChild,  // the item list, which answers for itself
};

inline constexpr std::string_view kBarName = "Ovel Launch Bar";

// "Ovel Launch Bar" at the root, "Ovel Launch Bar — Games — Old" below it:
// the folders as written, not in the strip's capitals.
std::string AccessibleTitle(std::string_view currentPath, std::string_view rootPath);

// "Up to Ovel Launch Bar" in a category, "Up to Games" below it, "Up" at the
// root (where the button is disabled).
std::string UpButtonName(std::string_view currentPath, std::string_view rootPath);

// The title strip, the Up button, the back strip and the forward strip, in
// that order (children 1 to 4 of the form's accessible object).
std::vector<AccessiblePart> AccessibleParts(const BarLayout& layout, const StripState& strips,
                                            std::string_view currentPath,
                                            std::string_view rootPath);

}  // namespace olb
