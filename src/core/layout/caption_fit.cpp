#include "core/layout/caption_fit.h"

#include <algorithm>

#include "core/layout/caption_text.h"

namespace olb {

std::string FitSmallIconCaption(std::string_view caption, const CaptionPlace& place,
                                CaptionMeasure& measure) {
  const int32_t shift = std::max<int32_t>(place.firstItem.x, 0) - place.item.x;
  // What the label adds to its text (an empty text may get no label at all).
  const std::optional<Rect> one = measure.CandidateLabel("x");
  if (!one) return SmallIconCaption(caption);
  const int32_t padding = one->Width() - measure.TextWidth("x");
  return CaptionThatFits(SmallIconCaption(caption), [&](std::string_view text) {
    const std::optional<Rect> label = measure.CandidateLabel(text);
    if (!label) return true;
    // The text starts just inside its label and ends well before the
    // label's trailing padding, which may pass the list's edge.
    return label->Width() >= measure.TextWidth(text) + padding &&
           label->right - padding / 2 + shift <= place.client.right;
  });
}

std::string FitLargeIconCaption(std::string_view caption, const CaptionPlace& place,
                                CaptionMeasure& measure) {
  const int32_t shift = std::max<int32_t>(place.firstItem.y, 0) - place.item.y;
  return CaptionThatFits(caption, [&](std::string_view text) {
    const std::optional<Rect> label = measure.CandidateLabel(text);
    return !label || label->bottom + shift <= place.client.bottom;
  });
}

bool CaptionShowsCut(Size need, const Rect& label, const Rect& client) {
  return need.cy > label.Height() + 1 || need.cx > label.Width() + 1 ||
         label.right > client.right || label.left < client.left;
}

}  // namespace olb
