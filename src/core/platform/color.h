// A colour as red, green and blue; converts to the platform's 0x00BBGGRR value.
#pragma once

#include <cstdint>

namespace olb {

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;

  // The platform packs colours blue-green-red from the high byte down.
  constexpr uint32_t ColorRef() const {
    return uint32_t{r} | (uint32_t{g} << 8) | (uint32_t{b} << 16);
  }
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace olb
