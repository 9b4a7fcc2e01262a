// Captions cut to what the list control shows of them. The control places
// and wraps labels itself, so it measures each candidate caption: it is
// asked for the label it would give the item with that text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/geometry.h"

namespace olb {

// What the list control measures while a caption is fitted.
class CaptionMeasure {
 public:
  virtual ~CaptionMeasure() = default;
  // The label the control gives the item when its caption is `text`;
  // nothing when the control places no label.
  virtual std::optional<Rect> CandidateLabel(std::string_view text) = 0;
  // The width of `text` in the list's font.
  virtual int32_t TextWidth(std::string_view text) = 0;
};

// Where the item being fitted stands: its position and the first item's,
// and the list's client area.
struct CaptionPlace {
  Point item;
  Point firstItem;
  Rect client;
};

// A small-icon caption cut with "..." to what the list shows of its label.
// The control gives each item a column of its own width, cuts a longer
// caption with an ellipsis of its own and clips a label at the list's edge:
// a candidate fits when its label holds its text and ends inside the list,
// measured as if in the first column (a horizontal bar's columns scrolled
// out of sight would otherwise count as having no room). One cut, one "...".
std::string FitSmallIconCaption(std::string_view caption, const CaptionPlace& place,
                                CaptionMeasure& measure);

// A large-icon caption cut with "..." to the lines that fit below its icon
// in the list's height, measured as if in the first row, where the room is
// least: the control wraps a long caption to three lines or more, and the
// list, as thin as the bar, would cut the last one in half.
std::string FitLargeIconCaption(std::string_view caption, const CaptionPlace& place,
                                CaptionMeasure& measure);

// Whether a caption whose text needs `need` (wrapped to the label's width)
// shows cut in `label`, within a list of `client`: the tooltip then shows
// it whole.
bool CaptionShowsCut(Size need, const Rect& label, const Rect& client);

}  // namespace olb
