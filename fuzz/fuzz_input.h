// Splits a fuzzer's bytes into the parts a target needs: NUL-separated
// texts, and small numbers taken from the front.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace olb::fuzz {

class Input {
 public:
  Input(const uint8_t* data, size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

  // The first byte as a number (0 when none is left).
  uint8_t Byte() {
    if (rest_.empty()) return 0;
    const auto b = static_cast<uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return b;
  }
  // The text up to the next NUL (or the end).
  std::string_view Text() {
    const size_t cut = rest_.find('\0');
    const std::string_view text = rest_.substr(0, cut);
    rest_.remove_prefix(cut == std::string_view::npos ? rest_.size() : cut + 1);
    return text;
  }
  std::string_view Rest() const { return rest_; }
  bool Empty() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

}  // namespace olb::fuzz
