// The letter case port by the C library's Unicode tables (the C.UTF-8
// locale), mapped as the platform maps: one UTF-16 unit to one, characters
// outside the basic plane left as they are. Folding models the platform's
// for the Latin letters: the marks of letters that decompose are dropped
// (Ø, Ł and Đ do not decompose and stay), and Æ, Œ and ß are spelled out.
#pragma once

#include <locale.h>

#include "core/platform/text_case.h"

namespace olb::sim {

class UnicodeTextCase : public TextCase {
 public:
  UnicodeTextCase();
  ~UnicodeTextCase() override;
  UnicodeTextCase(const UnicodeTextCase&) = delete;
  UnicodeTextCase& operator=(const UnicodeTextCase&) = delete;

  std::string Upper(std::string_view text) override;
  std::string Fold(std::string_view text) override;

 private:
  locale_t locale_;
};

}  // namespace olb::sim
