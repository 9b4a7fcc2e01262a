// The title strip: the text it shows and how it is painted for each edge.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/color.h"
#include "core/platform/edge.h"
#include "core/platform/geometry.h"
#include "core/platform/text_case.h"

namespace olb {

inline constexpr std::string_view kBarTitle = "OVEL LAUNCH BAR";

// `TitleText` for the folder shown: the bar's name at the root; below it the
// name followed by " - " and each path component below the root in capitals
// by the system's rules (`letters`), accented letters too. `currentPath` has
// no trailing backslash, `rootPath` has one; the comparison is exact. Every
// component is shown, however deep.
std::string TitleText(std::string_view currentPath, std::string_view rootPath, TextCase& letters);

// The folders from the root down to the folder shown, as written; none at
// the root.
std::vector<std::string_view> ComponentsBelowRoot(std::string_view currentPath,
                                                  std::string_view rootPath);

// The base height PaintTitle is called with.
inline constexpr int32_t kTitleBaseHeight = 12;

inline constexpr Rgb kTitleTextColor{0, 0, 0};
inline constexpr Rgb kTitleTextBackground{174, 198, 222};

// The font fields that differ from the form's font (which gives the rest:
// no italic, underline or strike-out, default character set).
struct TitleFont {
  std::string_view face = "Arial";
  int32_t height = 0;      // lfHeight, positive: cell height
  int32_t escapement = 0;  // tenths of a degree; orientation is the same
  int32_t weight = 600;
  uint8_t outPrecision = 7;  // OUT_TT_ONLY_PRECIS
  uint8_t quality = 2;       // PROOF_QUALITY
  friend bool operator==(const TitleFont&, const TitleFont&) = default;
};

struct TitlePlacement {
  std::string_view bitmap;  // resource name
  Size bitmapSize;          // its pixels: 20 x 1 or 1 x 20
  Rect target;              // the bitmap is stretched over the whole strip
  TitleFont font;
  Point origin;  // the text's reference point in the strip; the strip clips it
  Rgb text = kTitleTextColor;
  Rgb background = kTitleTextBackground;  // opaque behind the text
  friend bool operator==(const TitlePlacement&, const TitlePlacement&) = default;
};

// How to paint the strip of `stripSize` for `edge`: on left and floating bars
// the text rises from near the lower end, on right bars it descends from
// near the top, on top and bottom bars it is level and a little larger.
TitlePlacement PlaceTitle(Edge edge, Size stripSize, int32_t baseHeight = kTitleBaseHeight);

// PlaceTitle for a strip in the pixels of a monitor at `dpi`: placed as
// designed for 96 DPI, then the strip, the text's origin and the font scaled.
TitlePlacement PlaceTitleForDpi(Edge edge, Size stripSize, uint32_t dpi);

}  // namespace olb
