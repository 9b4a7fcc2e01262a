// The folder model's answers to the owner-data list control's requests
// (display data, cache hint, incremental find, custom-draw colour). Every
// index the control passes is checked against the records first.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/folder/folder_model.h"
#include "core/folder/item_presentation.h"

namespace olb {

// What an empty folder's list shows instead of items.
inline constexpr const char* kEmptyFolderHint =
    "This folder is empty. Drop files here, or choose New Shortcut from the bar's menu "
    "(right-click).";

struct ItemDisplay {
  std::string caption;
  int32_t iconIndex = 0;
  // Report style only: size, type, modified, attributes.
  std::vector<std::string> subItems;
};

// The caption and image of item `index`, and in report style its four
// subitems; nullopt for an index outside the records. Asks for the name
// when the item has none yet, and fills the item's details first when no
// cache hint has.
std::optional<ItemDisplay> ListViewData(FolderModel& model, int32_t index, bool reportStyle);

// The caption of item `index` (asked for when it has none yet); empty for an
// index outside the records.
std::string ItemCaption(FolderModel& model, int32_t index);

// Fills the details of [from, to] when both lie inside the records;
// otherwise fills nothing at all.
void CacheHint(FolderModel& model, int32_t from, int32_t to);

// Type-ahead: only the two string kinds are answered. The names of the items
// the search passes are asked for and kept.
std::optional<int32_t> FindItem(FolderModel& model, FindKind kind, std::string_view text,
                                int32_t start, bool wrap);

// The font colour of the item being drawn; the list's own for no item.
ItemColor ItemDrawColor(const FolderModel& model, std::optional<int32_t> index);

}  // namespace olb
