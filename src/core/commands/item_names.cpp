#include "core/commands/item_names.h"

#include <array>

#include "core/paths/path_text.h"

namespace olb {

bool IsReservedDeviceName(std::string_view name) {
  // The device part: up to the first dot, without the blanks before it.
  std::string_view base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  static constexpr std::array<std::string_view, 6> kFixed{"CON", "PRN",    "AUX",
                                                          "NUL", "CONIN$", "CONOUT$"};
  for (std::string_view device : kFixed) {
    if (EqualNoCase(base, device)) return true;
  }
  if (base.size() == 4 && base[3] >= '1' && base[3] <= '9') {
    const std::string_view stem = base.substr(0, 3);
    return EqualNoCase(stem, "COM") || EqualNoCase(stem, "LPT");
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
