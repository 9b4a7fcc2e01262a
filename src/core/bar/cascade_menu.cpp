#include "core/bar/cascade_menu.h"

#include "core/bar/item_menu.h"
#include "core/folder/pidl.h"

namespace olb {

bool CascadeMenu::Open(OwnedPidl absolute) {
  levels_.clear();
  commands_.clear();
  return List(std::move(absolute)).has_value();
}

std::optional<size_t> CascadeMenu::Submenu(size_t level, size_t entry) {
  if (level >= levels_.size() || entry >= levels_[level].entries.size()) return std::nullopt;
  const CascadeEntry& e = levels_[level].entries[entry];
  if (!e.folder) return std::nullopt;
  if (e.opened) return e.opened;
  OwnedPidl absolute =
      ConcatPidls(model_.Allocator(), levels_[level].absolute.get(), e.relative.get());
  if (!absolute) return std::nullopt;
  const std::optional<size_t> listed = List(std::move(absolute));
  levels_[level].entries[entry].opened = listed;  // `levels_` may have moved
  return listed;
}

std::optional<CascadeChoice> CascadeMenu::Find(uint16_t command) const {
  if (command < kFirstCascadeCommand) return std::nullopt;
  const size_t index = command - kFirstCascadeCommand;
  if (index >= commands_.size()) return std::nullopt;
  return commands_[index];
}

uint16_t CascadeMenu::NextCommand(size_t level, std::optional<size_t> entry) {
  commands_.push_back({level, entry});
  return static_cast<uint16_t>(kFirstCascadeCommand + commands_.size() - 1);
}

std::optional<size_t> CascadeMenu::List(OwnedPidl absolute) {
  ShellFolder* desktop = model_.DesktopFolder();
  if (!desktop || !absolute) return std::nullopt;
  // Every entry of a level and its "More…" need an identifier: a menu
  // opened past the range lists no further level.
  if (commands_.size() + kCascadeEntryCap + 1 >
      size_t{kLastCascadeCommand} - kFirstCascadeCommand + 1) {
    return std::nullopt;
  }
  CascadeLevel level;
  if (Failed(desktop->BindToFolder(absolute.get(), &level.folder)) || !level.folder) {
    return std::nullopt;
  }
  ItemList children;
  if (Failed(ListChildren(*level.folder, &children))) return std::nullopt;
  level.absolute = std::move(absolute);
  const size_t index = levels_.size();
  // Only the entries shown are named and given icons: those are what cost.
  for (size_t i = 0; i < children.size() && i < kCascadeEntryCap; ++i) {
    CascadeEntry e;
    e.relative = std::move(children[i]->RelPidl);
    e.name = model_.GetDisplayName(*level.folder, e.relative.get(), false);
    e.caption = ItemMenuCaption(e.name);
    e.folder = model_.ItemIsFolder(*level.folder, e.relative.get());
    const OwnedPidl child = ConcatPidls(model_.Allocator(), level.absolute.get(), e.relative.get());
    e.iconIndex = child ? shell_.SystemIconIndex(child.get(), true) : 0;
    e.command = NextCommand(index, i);
    level.entries.push_back(std::move(e));
  }
  if (children.size() > kCascadeEntryCap) level.moreCommand = NextCommand(index, std::nullopt);
  levels_.push_back(std::move(level));
  return index;
}

}  // namespace olb
