#include "core/layout/caption_text.h"

#include <vector>

namespace olb {
namespace {

// A byte that starts a character (not a UTF-8 continuation byte).
bool StartsCharacter(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

}  // namespace

std::string SmallIconCaption(std::string_view caption) {
  size_t chars = 0;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (!StartsCharacter(caption[i])) continue;
    if (++chars > kSmallIconCaptionChars) {
      std::string cut(caption.substr(0, i));
      cut.append("...");
      return cut;
    }
  }
  return std::string(caption);
}

std::string CaptionThatFits(std::string_view caption,
                            const std::function<bool(std::string_view)>& fits) {
  if (fits(caption)) return std::string(caption);
  // Where each character starts, and the end: a cut falls between characters.
  std::vector<size_t> starts;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (StartsCharacter(caption[i])) starts.push_back(i);
  }
  const auto cutAt = [&](size_t chars) {
    std::string cut(caption.substr(0, chars < starts.size() ? starts[chars] : caption.size()));
    // "Notes." cut to "Notes...." would read as a typo: the dots and blanks
    // before the cut go.
    while (!cut.empty() && (cut.back() == '.' || cut.back() == ' ')) cut.pop_back();
    cut.append("...");
    return cut;
  };
  size_t low = 0;  // characters known to fit with "..." (none at worst)
  size_t high = starts.size();
  while (low + 1 < high) {
    const size_t mid = low + (high - low) / 2;
    if (fits(cutAt(mid))) {
      low = mid;
    } else {
      high = mid;
    }
  }
  return cutAt(low);
}

std::string BreakLongRuns(std::string_view text, size_t run) {
  std::string out;
  size_t chars = 0;
  for (char c : text) {
    if (c == ' ' || c == '\n') {
      chars = 0;
    } else if (StartsCharacter(c) && run > 0 && chars++ == run) {
      out.push_back('\n');
      chars = 1;
    }
    out.push_back(c);
  }
  return out;
}

}  // namespace olb
