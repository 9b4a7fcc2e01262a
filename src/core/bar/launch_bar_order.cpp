// The controller's part in the user's order of a folder's items: moving
// items by drag or keys, keeping the order through renames and deletes, and
// Sort by Name.
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "core/bar/launch_bar.h"
#include "core/folder/item_order.h"
#include "core/paths/path_text.h"
#include "core/settings/order_store.h"

namespace olb {

std::vector<std::string> LaunchBar::StoredOrderOf(const std::string& folderPath) {
  const std::optional<std::string> relative = RelativeFolderPath(folderPath, paths_.RootPath);
  if (!relative) return {};
  return ReadItemOrder(services_.registry, *relative);
}

std::optional<ReorderDrop> LaunchBar::ReorderDropAt(Point screen) {
  ShellFolder* folder = model_.CurrentFolder();
  return olb::ReorderDropAt(Geometry(screen), [this, folder](int32_t row) {
    const ShellItem* item = model_.GetItem(row);
    return item && folder && model_.ItemIsFolder(*folder, item->RelPidl.get());
  });
}

TDropEffects LaunchBar::OnDropFiles(const FileList& files, const DropRequest& request) {
  const BusyScope busy(*this);
  // Where the pointer is as the drop arrives, as the drop itself takes it.
  const std::optional<ReorderDrop> place = ReorderDropAt(services_.form.CursorPos());
  const std::vector<std::string> before = model_.FileNames();
  const std::string shown = paths_.CurrentPath;
  const TDropEffects effects = drop_.DropFiles(files, request);
  // Onto a category the files went into it; the folder shown is unchanged.
  if (place && !place->into && paths_.CurrentPath == shown) {
    PlaceDroppedItems(before, place->before);
  }
  return effects;
}

void LaunchBar::PlaceDroppedItems(const std::vector<std::string>& before, int32_t at) {
  const std::vector<std::string> after = model_.FileNames();
  const std::unordered_set<std::string> known(before.begin(), before.end());
  std::unordered_map<std::string, int32_t> rowOf;
  std::vector<int32_t> added;
  for (size_t i = 0; i < after.size(); ++i) {
    const auto row = static_cast<int32_t>(i);
    if (known.contains(after[i])) {
      rowOf.emplace(after[i], row);
    } else {
      added.push_back(row);
    }
  }
  if (added.empty()) return;
  // Before the item that stood at the drop position, or the first after it
  // still there; at the end when none is.
  auto target = static_cast<int32_t>(after.size());
  for (size_t i = static_cast<size_t>(std::max(at, 0)); i < before.size(); ++i) {
    if (const auto it = rowOf.find(before[i]); it != rowOf.end()) {
      target = it->second;
      break;
    }
  }
  const bool pastTheLast = target == static_cast<int32_t>(after.size());
  if (pastTheLast && StoredOrderOf(paths_.CurrentPath).empty()) return;
  StoreMovedOrder(added, target);
}

std::vector<std::string> LaunchBar::DragPathsOf(const std::vector<int32_t>& rows) {
  std::vector<std::string> paths;
  for (int32_t row : rows) {
    if (std::optional<std::string> path = DragPathOf(row)) paths.push_back(std::move(*path));
  }
  return paths;
}

void LaunchBar::RereadInPlace() {
  const std::string path = paths_.CurrentPath;
  const int32_t offset = scroller_.ScrollOffset();
  model_.OpenFolderByPath(path);
  WatchShownFolder();
  scroller_.ScrollToOffset(offset);
  scroller_.UpdateScrollStrips();
}

std::optional<MovedNames> LaunchBar::StoreMovedOrder(const std::vector<int32_t>& rows,
                                                     int32_t before) {
  const std::optional<std::string> relative =
      RelativeFolderPath(paths_.CurrentPath, paths_.RootPath);
  if (!relative || rows.empty()) return std::nullopt;
  MovedNames moved = MoveNames(model_.FileNames(), rows, before);
  if (moved.count == 0) return std::nullopt;
  if (!WriteItemOrder(services_.registry, *relative, moved.names)) {
    services_.form.ShowError("The order of the items cannot be kept: the registry refused it.");
    return std::nullopt;
  }
  RereadInPlace();
  return moved;
}

void LaunchBar::MoveItems(const std::vector<int32_t>& rows, int32_t before) {
  const std::optional<MovedNames> stored = StoreMovedOrder(rows, before);
  if (!stored) return;
  const MovedNames& moved = *stored;
  services_.items.ClearSelection();
  const int32_t last = std::min(moved.first + moved.count, model_.ItemCount());
  for (int32_t row = moved.first; row < last; ++row) services_.rows.AddRowToSelection(row);
  if (moved.first < last) {
    services_.rows.FocusRow(moved.first);
    services_.rows.EnsureRowVisible(moved.first);
  }
  scroller_.UpdateScrollStrips();
}

void LaunchBar::MoveSelectedItem(int32_t step) {
  const std::optional<int32_t> selected = services_.items.SelectedIndex();
  if (!selected) return;
  const int32_t before = step < 0 ? *selected - 1 : *selected + 2;
  if (before < 0 || before > model_.ItemCount()) return;
  MoveItems({*selected}, before);
}

void LaunchBar::ItemRenamed(const std::string& from, const std::string& to) {
  const std::optional<std::string> relative =
      RelativeFolderPath(paths_.CurrentPath, paths_.RootPath);
  if (!relative) return;
  std::vector<std::string> names = ReadItemOrder(services_.registry, *relative);
  const auto found = std::find_if(names.begin(), names.end(),
                                  [&](const std::string& n) { return EqualNoCase(n, from); });
  if (found == names.end()) return;
  *found = to;
  WriteItemOrder(services_.registry, *relative, names);
}

void LaunchBar::PruneStoredOrder() {
  const std::optional<std::string> relative =
      RelativeFolderPath(paths_.CurrentPath, paths_.RootPath);
  if (!relative || ReadItemOrder(services_.registry, *relative).empty()) return;
  WriteItemOrder(services_.registry, *relative, model_.FileNames());
}

void LaunchBar::SortByName() {
  const std::optional<std::string> relative =
      RelativeFolderPath(paths_.CurrentPath, paths_.RootPath);
  if (!relative) return;
  ClearItemOrder(services_.registry, *relative);
  RereadInPlace();
}

}  // namespace olb
