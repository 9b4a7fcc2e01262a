// The global hotkey, kept as its own value beside the settings record: its
// text ("Ctrl+Alt+Space", "none").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/platform/hotkey_port.h"
#include "core/platform/registry.h"

namespace olb {

inline constexpr std::string_view kHotkeyValueName = "Hotkey";
inline constexpr uint16_t kVkSpace = 0x20;
inline constexpr Hotkey kDefaultHotkey{kHotkeyCtrl | kHotkeyAlt, kVkSpace};

// "Ctrl+Alt+Space": the modifiers in the order Ctrl, Alt, Shift, Win, then
// the key's name; "none" for no hotkey.
std::string FormatHotkey(const Hotkey& hotkey);

// Reads what FormatHotkey writes, in any letter case and with blanks around
// the parts. Refuses (nullopt) a text naming no key, a modifier key as the
// key, a part named twice, and a key that would take plain typing away from
// every program: one without Ctrl, Alt or Win, unless it is a function key.
std::optional<Hotkey> ParseHotkey(std::string_view text);

// The stored hotkey; missing, not a string, or not a hotkey the bar takes:
// the default. A stored "none" is no hotkey.
Hotkey ReadHotkey(Registry& registry);

// Writes the hotkey's text; false when it could not be written.
bool WriteHotkey(Registry& registry, const Hotkey& hotkey);

}  // namespace olb
