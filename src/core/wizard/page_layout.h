// Places the controls of one page of the settings window so that no text is
// cut: the designed positions are kept where the texts fit, labels are as
// wide as their texts, a text that would pass the panel's right edge wraps
// onto further lines, and rows below a grown control move down.
#pragma once

#include <functional>
#include <vector>

#include "core/platform/geometry.h"

namespace olb {

enum class PageControlKind {
  Label,     // as wide as its text; wraps when the panel is too narrow
  Wrapped,   // a word-wrapped label: keeps its designed box, grows downward
  CheckBox,  // keeps its designed box, widened when its text needs more
};

struct PageControl {
  PageControlKind kind = PageControlKind::Label;
  Rect designed;  // in the panel
  // The control's extent for its text broken into lines no wider than
  // `wrapWidth`; a wrapWidth of 0 means one line, unbroken.
  std::function<Size(int32_t wrapWidth)> measure;
};

// Nothing may come closer than this to the panel's right edge (at 96 DPI).
inline constexpr int32_t kPageRightMargin = 8;

// The controls' places, in the order given. Controls designed at the same
// top form a row; a row moves down only as far as needed to clear every row
// above it.
// `rightMargin` is kPageRightMargin at the controls' DPI.
std::vector<Rect> LayOutPage(const std::vector<PageControl>& controls, int32_t panelWidth,
                             int32_t rightMargin = kPageRightMargin);

}  // namespace olb
