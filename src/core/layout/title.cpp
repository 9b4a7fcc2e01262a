#include "core/layout/title.h"

#include "core/paths/path_text.h"
#include "core/settings/dpi_scale.h"

#include <vector>

namespace olb {
namespace {

std::vector<std::string_view> SplitComponents(std::string_view relative) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t slash; (slash = relative.find('\\', start)) != std::string_view::npos;) {
    parts.push_back(relative.substr(start, slash - start));
    start = slash + 1;
  }
  // The piece after a final backslash is empty and dropped; an empty
  // relative part still counts as one (empty) component.
  if (start < relative.size() || parts.empty()) parts.push_back(relative.substr(start));
  return parts;
}

}  // namespace

std::vector<std::string_view> ComponentsBelowRoot(std::string_view currentPath,
                                                  std::string_view rootPath) {
  if (IsRootFolder(currentPath, rootPath)) return {};
  const std::string_view relative =
      currentPath.size() > rootPath.size() ? currentPath.substr(rootPath.size()) : "";
  return SplitComponents(relative);
}

std::string TitleText(std::string_view currentPath, std::string_view rootPath, TextCase& letters) {
  std::string title(kBarTitle);
  for (std::string_view part : ComponentsBelowRoot(currentPath, rootPath)) {
    title += " - ";
    title += letters.Upper(part);
  }
  return title;
}

TitlePlacement PlaceTitle(Edge edge, Size strip, int32_t baseHeight) {
  TitlePlacement p;
  p.target = {0, 0, strip.cx, strip.cy};
  if (IsHorizontal(edge)) {
    p.bitmap = "TITLEHOR";
    p.bitmapSize = {1, 20};
    p.font.height = static_cast<int32_t>(int64_t{baseHeight} * 12 / 10);  // 1.2x, truncated
    p.font.escapement = 0;
    p.origin = {30, 3};  // right of the Up button
  } else if (edge == Edge::Right) {
    p.bitmap = "TITLEBAR";
    p.bitmapSize = {20, 1};
    p.font.height = baseHeight;
    p.font.escapement = 2700;  // reads downwards
    p.origin = {17, 50};       // below the Up button
  } else {
    p.bitmap = "TITLEBAR";
    p.bitmapSize = {20, 1};
    p.font.height = baseHeight;
    p.font.escapement = 900;  // reads upwards
    p.origin = {3, strip.cy - 30};
  }
  return p;
}

TitlePlacement PlaceTitleForDpi(Edge edge, Size strip, uint32_t dpi) {
  const Size design{ScaleForDpi(strip.cx, dpi, kDesignDpi), ScaleForDpi(strip.cy, dpi, kDesignDpi)};
  TitlePlacement p = PlaceTitle(edge, design);
  p.target = {0, 0, strip.cx, strip.cy};
  p.origin = {ScaleForDpi(p.origin.x, kDesignDpi, dpi), ScaleForDpi(p.origin.y, kDesignDpi, dpi)};
  p.font.height = ScaleForDpi(p.font.height, kDesignDpi, dpi);
  return p;
}

}  // namespace olb
