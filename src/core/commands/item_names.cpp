#include "core/commands/item_names.h"

#include <array>

namespace olb {
namespace {

char UpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

}  // namespace

bool IsReservedDeviceName(std::string_view name) {
  // The device part: up to the first dot, without the blanks before it.
  std::string_view base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  static constexpr std::array<std::string_view, 6> kFixed{"CON", "PRN",    "AUX",
                                                          "NUL", "CONIN$", "CONOUT$"};
  for (std::string_view device : kFixed) {
    if (SameNoCase(base, device)) return true;
  }
  if (base.size() == 4 && base[3] >= '1' && base[3] <= '9') {
    const std::string_view stem = base.substr(0, 3);
    return SameNoCase(stem, "COM") || SameNoCase(stem, "LPT");
  }
  return false;
}

std::optional<std::string_view> TypedNameProblem(std::string_view typed) {
  // Only dots and blanks: the path rules strip them all ("." and ".." too).
  if (typed.find_first_not_of(". ") == std::string_view::npos) return kNoNameText;
  for (char c : typed) {
    if (static_cast<unsigned char>(c) < ' ' ||
        std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
      return kBadCharactersText;
    }
  }
  if (IsReservedDeviceName(typed)) return kDeviceNameText;
  return std::nullopt;
}

bool NamesItemExactly(std::string_view name) {
  if (name.empty()) return false;
  if (name.back() == '.' || name.back() == ' ') return false;
  return !IsReservedDeviceName(name);
}

}  // namespace olb
