// The keys the item list handles itself; all others stay with the control.
#pragma once

#include <cstdint>

namespace olb {

// The modifier set of a key press, compared as a whole.
enum KeyModifier : uint32_t {
  kModShift = 1,
  kModAlt = 2,
  kModCtrl = 4,
};

constexpr uint16_t kVkBack = 0x08;
constexpr uint16_t kVkReturn = 0x0D;
constexpr uint16_t kVkEscape = 0x1B;
constexpr uint16_t kVkEnd = 0x23;
constexpr uint16_t kVkHome = 0x24;
constexpr uint16_t kVkLeft = 0x25;
constexpr uint16_t kVkUp = 0x26;
constexpr uint16_t kVkRight = 0x27;
constexpr uint16_t kVkDown = 0x28;
constexpr uint16_t kVkDelete = 0x2E;
constexpr uint16_t kVkApps = 0x5D;
constexpr uint16_t kVkF1 = 0x70;
constexpr uint16_t kVkF2 = 0x71;
constexpr uint16_t kVkF5 = 0x74;
constexpr uint16_t kVkF10 = 0x79;
constexpr uint16_t kVkF11 = 0x7A;
constexpr uint16_t kVkF12 = 0x7B;

enum class ListKeyAction {
  None,               // left to the control
  UpOneLevel,         // Shift+Alt+Backspace: as the Up button, even while it is disabled
  OpenSelected,       // Enter with any modifiers: as a double-click
  WriteAutoload,      // Shift+Alt+F11: start the program with Windows
  ShowAutoHiddenBar,  // Shift+Alt+F12: slide an auto-hidden bar out
  // The keys of a file window, without modifiers unless named:
  UpUnlessAtRoot,  // Backspace: up one level, never above the root
  RenameSelected,  // F2: edit the selected item's caption
  DeleteSelected,  // Delete: as the menu's Delete
  Reread,          // F5: as the menu's Update Bar
  ShowMenu,        // Shift+F10 or the Menu key: the bar's menu at the selected item
  ShowHelp,        // F1: as the menu's Help
  MoveEarlier,     // Alt+Shift+Up or Left: the selected item one place earlier
  MoveLater,       // Alt+Shift+Down or Right: one place later
};

ListKeyAction ListKeyActionFor(uint16_t virtualKey, uint32_t modifiers);

}  // namespace olb
