#include "sim/linux/unicode_text_case.h"

#include <wctype.h>

#include <stdexcept>

#include "core/platform/utf16.h"

namespace olb::sim {

UnicodeTextCase::UnicodeTextCase()
    : locale_(newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr))) {
  if (!locale_) throw std::runtime_error("The C.UTF-8 locale is missing");
}

UnicodeTextCase::~UnicodeTextCase() {
  freelocale(locale_);
}

std::string UnicodeTextCase::Upper(std::string_view text) {
  std::u16string wide = Utf8ToUtf16(text);
  for (char16_t& unit : wide) {
    if (unit >= 0xD800 && unit <= 0xDFFF) continue;  // half of a pair
    const wint_t upper = towupper_l(unit, locale_);
    if (upper <= 0xFFFF) unit = static_cast<char16_t>(upper);
  }
  return Utf16ToUtf8(wide);
}

namespace {

// The base letter of U+00C0 to U+017F: '.' stays as it is, digits name a
// ligature spelled out.
constexpr std::string_view kLatinBase =
    "aaaaaa2ceeeeiiii.nooooo..uuuuy.3aaaaaa2ceeeeiiii.nooooo..uuuuy.y"
    "aaaaaaccccccccdd..eeeeeeeeeegggggggghh..iiiiiiiii...jjkk.llllll."
    "...nnnnnn...oooooo11rrrrrrsssssssstttt..uuuuuuuuuuuuwwyyyzzzzzz.";
constexpr std::u16string_view kLigatures[] = {u"oe", u"ae", u"ss"};

}  // namespace

std::string UnicodeTextCase::Fold(std::string_view text) {
  std::u16string folded;
  for (char16_t unit : Utf8ToUtf16(text)) {
    if (unit >= 0x0300 && unit <= 0x036F) continue;  // a combining mark
    if (unit >= 0xC0 && unit <= 0x17F) {
      const char base = kLatinBase[unit - 0xC0];
      if (base >= '1' && base <= '3') {
        folded += kLigatures[base - '1'];
        continue;
      }
      if (base != '.') {
        folded += static_cast<char16_t>(base);
        continue;
      }
    }
    const wint_t lower = unit >= 0xD800 && unit <= 0xDFFF ? unit : towlower_l(unit, locale_);
    folded += lower <= 0xFFFF ? static_cast<char16_t>(lower) : unit;
  }
  return Utf16ToUtf8(folded);
}

}  // namespace olb::sim
