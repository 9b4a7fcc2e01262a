// Port: the system's letter case rules for text the bar shows.
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
};

}  // namespace olb
