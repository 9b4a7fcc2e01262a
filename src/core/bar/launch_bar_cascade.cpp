// Categories opened as cascading menus: the option, the click that opens
// one, and what a chosen entry does.
#include "core/bar/cascade_menu.h"
#include "core/bar/launch_bar.h"
#include "core/commands/row_finder.h"
#include "core/folder/launch_rules.h"
#include "core/folder/pidl.h"
#include "core/settings/category_menus_store.h"

namespace olb {

bool LaunchBar::CategoryMenusOn() {
  return ReadCategoryMenus(services_.registry);
}

void LaunchBar::OnListClick(Point screen) {
  if (!CategoryMenusOn()) return;
  const std::optional<int32_t> row = services_.items.SelectedIndex();
  ShellFolder* folder = model_.CurrentFolder();
  const ShellItem* item = row ? model_.GetItem(*row) : nullptr;
  if (!folder || !item || !item->RelPidl || !model_.ItemIsFolder(*folder, item->RelPidl.get())) {
    return;
  }
  CascadeMenu menu(model_, services_.shell);
  OwnedPidl absolute = ConcatPidls(model_.Allocator(), model_.CurrentPidl(), item->RelPidl.get());
  if (!menu.Open(std::move(absolute))) {
    // Gone or unreadable: opening it in place says why, as a double click does.
    OnDoubleClick();
    return;
  }
  engine_.MenuOpened();
  cascadeCommand_.reset();
  const std::optional<uint16_t> chosen = services_.form.TrackCascadeMenu(screen, menu);
  engine_.MenuClosed();
  services_.form.ProcessMessages();
  if (cascadeCommand_) {
    RunCascadeShellCommand(menu);
    return;
  }
  const std::optional<CascadeChoice> choice = chosen ? menu.Find(*chosen) : std::nullopt;
  if (!choice) return;
  const CascadeLevel& level = menu.Level(choice->level);
  const BusyScope busy(*this);  // a launch may wait in the shell's dialogs
  if (!choice->entry) {
    // "More…": the folder opens in place, where all of it is listed.
    navigator_.OpenFolderAt(CopyPidl(model_.Allocator(), level.absolute.get()));
    return;
  }
  const CascadeEntry& entry = level.entries[*choice->entry];
  if (entry.folder) {
    // A menu opens a folder's submenu rather than choosing it; chosen all
    // the same, it opens in place.
    navigator_.OpenFolderAt(
        ConcatPidls(model_.Allocator(), level.absolute.get(), entry.relative.get()));
    return;
  }
  navigator_.LaunchChild(entry.name, level.absolute.get(), entry.relative.get());
}

bool LaunchBar::OnCascadeRightClick(const CascadeMenu& menu, size_t level, size_t entry,
                                    Point screen) {
  if (level >= menu.LevelCount() || entry >= menu.Level(level).entries.size()) return false;
  const CascadeLevel& l = menu.Level(level);
  std::unique_ptr<ItemShellMenu> shellMenu =
      GuardedShellMenu(*l.folder, l.entries[entry].relative.get());
  if (!shellMenu) return false;
  const std::optional<uint32_t> offset = services_.form.TrackShellMenu(screen, *shellMenu);
  if (!offset) return false;
  // Carried out once the menus have closed: the shell's windows and the
  // bar's questions are not to open under a menu still tracking.
  cascadeCommand_ = CascadeShellCommand{std::move(shellMenu), *offset, level, entry};
  return true;
}

void LaunchBar::RunCascadeShellCommand(const CascadeMenu& menu) {
  CascadeShellCommand command = std::move(*cascadeCommand_);
  cascadeCommand_.reset();
  const BusyScope busy(*this);
  const CascadeLevel& level = menu.Level(command.level);
  const CascadeEntry& entry = level.entries[command.entry];
  const std::string verb = GuardedVerb(*command.menu, command.offset);
  if (verb == "delete" || verb == "rename") {
    // The bar's own Delete and Rename act on the item selected in place,
    // with their name rules, exact paths and questions.
    OwnedPidl absolute =
        ConcatPidls(model_.Allocator(), level.absolute.get(), entry.relative.get());
    ShellFolder* desktop = model_.DesktopFolder();
    const std::string path =
        absolute && desktop ? model_.GetDisplayName(*desktop, absolute.get(), true) : "";
    navigator_.OpenFolderAt(CopyPidl(model_.Allocator(), level.absolute.get()));
    const std::optional<int32_t> row = FindRowOfItem(model_, entry.name, path);
    if (!row) {
      services_.form.ShowError(ItemGoneMessage(verb, entry.name));
      return;
    }
    MarkFoundRow(services_.rows, *row);
  }
  RunShellCommand(*command.menu, command.offset, entry.name);
}

}  // namespace olb
