// A category opened as a cascading menu: its items in the folder's order,
// each subfolder's level listed only when its submenu opens, and no more
// than kCascadeEntryCap entries a level, so a huge folder opens at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/folder/folder_model.h"
#include "core/platform/owned_pidl.h"
#include "core/platform/shell_namespace.h"

namespace olb {

// The most items a level lists; a folder holding more ends in a "More…"
// entry that opens it in place in the bar.
inline constexpr size_t kCascadeEntryCap = 100;
inline constexpr std::string_view kCascadeMoreCaption = "More\u2026";
// The menu identifiers the entries are numbered in, above the bar's own
// commands and the shell's item menu.
inline constexpr uint16_t kFirstCascadeCommand = 0x8000;
inline constexpr uint16_t kLastCascadeCommand = 0xFFFF;

struct CascadeEntry {
  std::string name;              // the item's name in its folder
  std::string caption;           // as the menu shows it (ItemMenuCaption)
  int32_t iconIndex = 0;         // in the small system image list
  bool folder = false;           // opens a submenu rather than being chosen
  uint16_t command = 0;          // its menu identifier
  std::optional<size_t> opened;  // a folder's level, once listed
  OwnedPidl relative;            // in its level's folder
};

struct CascadeLevel {
  std::shared_ptr<ShellFolder> folder;
  OwnedPidl absolute;
  std::vector<CascadeEntry> entries;
  uint16_t moreCommand = 0;  // not 0: the folder holds more; its "More…" entry
};

// What a chosen identifier stands for: an entry of a level, or (no entry)
// that level's "More…".
struct CascadeChoice {
  size_t level = 0;
  std::optional<size_t> entry;
};

class CascadeMenu {
 public:
  CascadeMenu(FolderModel& model, ShellNamespace& shell) : model_(model), shell_(shell) {}
  CascadeMenu(const CascadeMenu&) = delete;
  CascadeMenu& operator=(const CascadeMenu&) = delete;

  // Lists the folder at `absolute` (taken over) as the first level; false
  // when it cannot be bound or listed.
  bool Open(OwnedPidl absolute);
  // The level the folder entry `entry` of `level` opens, listed on the
  // first call; nothing for an entry that is no folder, or a folder that
  // cannot be listed.
  std::optional<size_t> Submenu(size_t level, size_t entry);

  size_t LevelCount() const { return levels_.size(); }
  const CascadeLevel& Level(size_t index) const { return levels_[index]; }
  std::optional<CascadeChoice> Find(uint16_t command) const;

 private:
  std::optional<size_t> List(OwnedPidl absolute);
  uint16_t NextCommand(size_t level, std::optional<size_t> entry);

  FolderModel& model_;
  ShellNamespace& shell_;
  std::vector<CascadeLevel> levels_;
  std::vector<CascadeChoice> commands_;  // by identifier, from kFirstCascadeCommand
};

}  // namespace olb
