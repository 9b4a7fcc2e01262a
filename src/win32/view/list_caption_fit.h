// The list control's side of caption fitting: the control itself measures
// each candidate caption (its placing and wrapping are its own), by being
// asked for the item's label while its display-data request answers with
// the candidate.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/list_view_style.h"

namespace olb::win {

// The list `list` showing its captions in `font` and `style`. `candidate`
// is what the control's display-data request answers while a label is
// measured.
struct ListCaptions {
  HWND list = nullptr;
  HGDIOBJ font = nullptr;
  ListViewStyle style = ListViewStyle::LargeIcons;
  std::optional<std::string>* candidate = nullptr;
};

// `item`'s caption as the list shows it in small or large icons: cut with
// "..." to its room; other styles show it whole.
std::string FittedCaption(const ListCaptions& captions, int32_t item, const std::string& caption);

// The tooltip's text for `item` named `name`: the name whole (long runs
// without blanks broken into lines) when the list shows it cut, empty
// otherwise.
std::wstring CutCaptionTipText(const ListCaptions& captions, int32_t item, std::string_view name);

}  // namespace olb::win
