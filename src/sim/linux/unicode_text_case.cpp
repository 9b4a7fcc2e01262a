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

}  // namespace olb::sim
