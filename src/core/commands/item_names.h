// What a name typed for an item may be, and which names the Win32 path
// rules would read as another name. Pure rules of the text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace olb {

// The messages Explorer gives for names it refuses.
inline constexpr std::string_view kBadCharactersText =
    "A file name can't contain any of the following characters:\n\\ / : * ? \" < > |";
inline constexpr std::string_view kNoNameText = "You must type a file name.";
inline constexpr std::string_view kDeviceNameText = "The specified device name is invalid.";

// Whether `name` (no folder) is one of the devices every folder seems to
// hold: CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, CONIN$, CONOUT$, in
// any case, also with an extension or with blanks before it ("nul.txt",
// "COM1 .log").
bool IsReservedDeviceName(std::string_view name);

// Why a typed new name is not a name, in Explorer's words; nullopt when it
// is one. Refused: text of only dots and blanks ("." and ".." too), any of \ / : * ? " < > | or a
// control character, and reserved device names. A name is never a path.
std::optional<std::string_view> TypedNameProblem(std::string_view typed);

// Whether a path ending in `name` names that very item under the Win32
// path rules. Not so for a name ending in a dot or a blank (the rules strip
// them, so "trail." names "trail"), nor for a reserved device name.
bool NamesItemExactly(std::string_view name);

// A name for moving the item called `name` aside under exact rules before
// the shell acts on it: "~" + name + "~", numbered from 2 while `taken`.
template <typename Taken>
std::string AsideName(std::string_view name, Taken taken) {
  std::string stem(1, '~');
  stem.append(name).push_back('~');
  std::string aside = stem;
  for (int n = 2; taken(aside) && n < 1000; ++n) aside = stem + std::to_string(n);
  return aside;
}

}  // namespace olb
