// Port: the system's letter case rules for text the bar shows and finds.
#pragma once

#include <string>
#include <string_view>

namespace olb {

class TextCase {
 public:
  virtual ~TextCase() = default;

  // `text` (UTF-8) in capitals by the system's Unicode tables, each
  // character mapped to one character (a letter without a capital of its
  // own, as "ß", stays as it is).
  virtual std::string Upper(std::string_view text) = 0;
  // `text` (UTF-8) as the system's sorting sees names when letter case and
  // accents do not count: small letters, the marks on letters dropped and
  // ligatures spelled out ("Ærø" folds to "aero"). For comparing only.
  virtual std::string Fold(std::string_view text) = 0;
};

}  // namespace olb
