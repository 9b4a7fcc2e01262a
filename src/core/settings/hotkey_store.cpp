#include "core/settings/hotkey_store.h"

#include <array>
#include <cstdio>
#include <utility>

#include "core/settings/options_store.h"

namespace olb {
namespace {

constexpr uint16_t kVkF1 = 0x70, kVkF24 = 0x87;

// Keys with names of their own; letters, digits and function keys are named
// by rule below, and every other key by its code ("VKBA").
constexpr std::array<std::pair<uint16_t, std::string_view>, 14> kKeyNames{{
    {0x08, "Backspace"},
    {0x09, "Tab"},
    {0x0D, "Enter"},
    {kVkSpace, "Space"},
    {0x21, "PageUp"},
    {0x22, "PageDown"},
    {0x23, "End"},
    {0x24, "Home"},
    {0x25, "Left"},
    {0x26, "Up"},
    {0x27, "Right"},
    {0x28, "Down"},
    {0x2D, "Insert"},
    {0x2E, "Delete"},
}};

constexpr std::array<std::pair<uint32_t, std::string_view>, 4> kModifierNames{{
    {kHotkeyCtrl, "Ctrl"},
    {kHotkeyAlt, "Alt"},
    {kHotkeyShift, "Shift"},
    {kHotkeyWin, "Win"},
}};

// Shift, Ctrl, Alt (either side or unsided) and the Windows keys.
bool IsModifierKey(uint16_t key) {
  return (key >= 0x10 && key <= 0x12) || key == 0x5B || key == 0x5C || (key >= 0xA0 && key <= 0xA5);
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string KeyName(uint16_t key) {
  for (const auto& [code, name] : kKeyNames) {
    if (code == key) return std::string(name);
  }
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
    return std::string(1, static_cast<char>(key));
  char code[8];
  if (key >= kVkF1 && key <= kVkF24) {
    std::snprintf(code, sizeof code, "F%d", key - kVkF1 + 1);
  } else {
    std::snprintf(code, sizeof code, "VK%02X", static_cast<unsigned>(key & 0xFF));
  }
  return code;
}

int HexDigit(char c) {
  c = Lower(c);
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<uint16_t> KeyOfName(std::string_view name) {
  for (const auto& [code, known] : kKeyNames) {
    if (SameText(name, known)) return code;
  }
  if (name.size() == 1) {
    char c = name[0];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<uint16_t>(c);
    return std::nullopt;
  }
  if (Lower(name[0]) == 'f' && name.size() <= 3) {
    int n = 0;
    for (char c : name.substr(1)) {
      if (c < '0' || c > '9') return std::nullopt;
      n = n * 10 + (c - '0');
    }
    if (n >= 1 && n <= 24 && name[1] != '0') return static_cast<uint16_t>(kVkF1 + n - 1);
    return std::nullopt;
  }
  if (name.size() == 4 && SameText(name.substr(0, 2), "vk")) {
    const int high = HexDigit(name[2]), low = HexDigit(name[3]);
    if (high < 0 || low < 0 || (high == 0 && low == 0)) return std::nullopt;
    return static_cast<uint16_t>(high * 16 + low);
  }
  return std::nullopt;
}

}  // namespace

std::string FormatHotkey(const Hotkey& hotkey) {
  if (hotkey.IsNone()) return "none";
  std::string text;
  for (const auto& [bit, name] : kModifierNames) {
    if (hotkey.modifiers & bit) {
      text.append(name);
      text.push_back('+');
    }
  }
  text.append(KeyName(hotkey.key));
  return text;
}

std::optional<Hotkey> ParseHotkey(std::string_view text) {
  text = Trimmed(text);
  if (SameText(text, "none")) return Hotkey{};
  Hotkey hotkey;
  while (true) {
    const size_t plus = text.find('+');
    const std::string_view part = Trimmed(text.substr(0, plus));
    if (plus == std::string_view::npos) {
      const std::optional<uint16_t> key = KeyOfName(part);
      if (!key || IsModifierKey(*key)) return std::nullopt;
      hotkey.key = *key;
      break;
    }
    uint32_t bit = 0;
    for (const auto& [b, name] : kModifierNames) {
      if (SameText(part, name)) bit = b;
    }
    if (bit == 0 || (hotkey.modifiers & bit)) return std::nullopt;
    hotkey.modifiers |= bit;
    text.remove_prefix(plus + 1);
  }
  const bool functionKey = hotkey.key >= kVkF1 && hotkey.key <= kVkF24;
  if (!functionKey && !(hotkey.modifiers & (kHotkeyCtrl | kHotkeyAlt | kHotkeyWin)))
    return std::nullopt;
  return hotkey;
}

Hotkey ReadHotkey(Registry& registry) {
  const std::optional<RegistryValue> stored =
      registry.Read(RegistryRoot::CurrentUser, kOptionsKey, kHotkeyValueName);
  if (!stored || stored->type != static_cast<uint32_t>(RegistryType::String)) return kDefaultHotkey;
  const std::string text(stored->data.begin(), stored->data.end());
  return ParseHotkey(text).value_or(kDefaultHotkey);
}

bool WriteHotkey(Registry& registry, const Hotkey& hotkey) {
  const std::string text = FormatHotkey(hotkey);
  const RegistryValue value{static_cast<uint32_t>(RegistryType::String),
                            {text.begin(), text.end()}};
  return registry.Write(RegistryRoot::CurrentUser, kOptionsKey, kHotkeyValueName, value);
}

}  // namespace olb
