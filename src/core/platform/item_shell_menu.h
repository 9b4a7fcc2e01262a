// Port: the shell's own context menu for one item of the folder shown, as
// the bar's menu carries it in a submenu named after the item.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/platform/shell_namespace.h"

namespace olb {

// The menu identifiers the shell's entries are numbered in: the bar's own
// commands lie below, so a chosen identifier tells whose entry it was.
inline constexpr uint16_t kFirstShellCommand = 0x4000;
inline constexpr uint16_t kLastShellCommand = 0x7FFF;

// The user cancelled the shell's command (HRESULT_FROM_WIN32(ERROR_CANCELLED)):
// nothing to report.
inline constexpr HResult kResultCancelled = ResultFromBits(0x800704C7u);

// One item's menu, filled from kFirstShellCommand on.
class ItemShellMenu {
 public:
  virtual ~ItemShellMenu() = default;
  // The shell's language-independent name of the entry `offset` past the
  // first identifier ("delete", "rename", "copy"...); empty when it has none.
  virtual std::string Verb(uint32_t offset) = 0;
  // Carries out the entry `offset` with the bar's window as owner.
  virtual HResult Invoke(uint32_t offset) = 0;
};

class ItemShellMenus {
 public:
  virtual ~ItemShellMenus() = default;
  // The filled menu for `relative`, a child of `folder`; a failure code and
  // nothing when the shell or one of its extensions refuses.
  virtual HResult MenuFor(ShellFolder& folder, const uint8_t* relative,
                          std::unique_ptr<ItemShellMenu>* out) = 0;
};

// The submenu the bar's menu gains for an item.
struct ItemMenu {
  std::string caption;  // the item's name, its '&' doubled so that it shows as itself
  ItemShellMenu& shell;
};

}  // namespace olb
