// Any pair of paths through the title rule: no crash, and the title always
// starts with the bar's name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/layout/title.h"
#include "sim/linux/unicode_text_case.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const size_t cut = all.find('\0');
  const std::string_view current = all.substr(0, cut);
  const std::string_view root = cut == std::string_view::npos ? "" : all.substr(cut + 1);
  static olb::sim::UnicodeTextCase letters;
  const std::string title = olb::TitleText(current, root, letters);
  if (title.rfind(olb::kBarTitle, 0) != 0) std::abort();
  return 0;
}
