// Captions fitted to where they are shown: the list in small icons, where
// the widest caption sets the width of every column, and the tooltip that
// shows a cut caption whole.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace olb {

// The most characters a caption shows in small icons.
inline constexpr size_t kSmallIconCaptionChars = 48;

// `caption` as small icons show it at most: one longer than
// kSmallIconCaptionChars characters is cut to its first characters and
// "..." (the tooltip and the in-place editor show it whole).
std::string SmallIconCaption(std::string_view caption);

// `caption` whole when `fits` accepts it, else its longest first characters
// followed by "..." that `fits` accepts ("..." alone at worst). `fits` is
// taken to accept every shorter text once it accepts a longer one.
std::string CaptionThatFits(std::string_view caption,
                            const std::function<bool(std::string_view)>& fits);

// `text` (UTF-8) with a line break after every `run` characters that hold
// no blank, so that a tooltip can wrap a name without spaces.
std::string BreakLongRuns(std::string_view text, size_t run);

}  // namespace olb
