#include "core/view/caption_text.h"

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
