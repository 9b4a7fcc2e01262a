// The shell's own menu for an item, as a submenu of the bar's menu: built
// under a guard, its Delete and Rename handed to the bar's own commands.
#include <exception>

#include "core/bar/launch_bar.h"
#include "core/bar/item_menu.h"

namespace olb {

std::unique_ptr<ItemShellMenu> LaunchBar::BuildItemShellMenu(int32_t row) {
  ShellFolder* folder = model_.CurrentFolder();
  const ShellItem* item = model_.GetItem(row);
  if (!folder || !item || !item->RelPidl) return nullptr;
  return GuardedShellMenu(*folder, item->RelPidl.get());
}

std::unique_ptr<ItemShellMenu> LaunchBar::GuardedShellMenu(ShellFolder& folder,
                                                           const uint8_t* relative) {
  if (!services_.itemMenus || !relative) return nullptr;
  // Extensions of the shell run inside this call: one that fails or throws
  // costs the submenu, never the bar's own menu.
  try {
    std::unique_ptr<ItemShellMenu> menu;
    if (Failed(services_.itemMenus->MenuFor(folder, relative, &menu))) return nullptr;
    return menu;
  } catch (...) {
    return nullptr;
  }
}

void LaunchBar::RunShellCommand(ItemShellMenu& menu, uint32_t offset, const std::string& name) {
  const BusyScope busy(*this);  // the shell's command may wait in its own dialogs
  const std::string verb = GuardedVerb(menu, offset);
  // The bar's own Delete and Rename keep their name rules, exact paths and
  // questions; both act on the selection, which is the item.
  if (verb == "delete") {
    RunCommand(CommandId::Delete1);
    return;
  }
  if (verb == "rename") {
    RunKeyCommand(ListKeyAction::RenameSelected);
    return;
  }
  HResult result = kResultFail;
  try {
    result = menu.Invoke(offset);
  } catch (...) {
    result = kResultFail;
  }
  if (Succeeded(result) || result == kResultCancelled) return;
  services_.form.ShowError(ShellCommandFailedText(name, services_.shell.MessageText(result)));
}

std::string LaunchBar::GuardedVerb(ItemShellMenu& menu, uint32_t offset) {
  try {
    return menu.Verb(offset);
  } catch (...) {
    return {};  // no name: the shell runs the entry itself
  }
}

std::string ItemMenuCaption(std::string_view name) {
  std::string caption;
  size_t characters = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    const bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    if (!continuation && ++characters > kItemMenuCaptionMax) {
      caption += "\u2026";  // the ellipsis, never inside a character
      break;
    }
    caption += c;
    if (c == '&') caption += '&';
  }
  return caption;
}

std::string ShellCommandFailedText(std::string_view name, std::string_view reason) {
  std::string text = "The command could not be carried out on \"" + std::string(name) + "\".";
  if (!reason.empty()) text += "\n\n" + std::string(reason);
  return text;
}

}  // namespace olb
