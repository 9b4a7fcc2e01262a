#include "core/commands/row_finder.h"

#include "core/paths/path_text.h"
#include "core/folder/pidl.h"

namespace olb {
namespace {

// Compares captions: the names of the rows passed are asked for.
template <typename Match>
std::optional<int32_t> FirstRow(FolderModel& model, Match match) {
  for (int32_t row = 0; row < model.ItemCount(); ++row) {
    if (match(*model.NamedItem(row))) return row;
  }
  return std::nullopt;
}

}  // namespace

std::optional<int32_t> FindRowByName(FolderModel& model, std::string_view name) {
  return FirstRow(model, [&](const ShellItem& item) { return item.ItemName == name; });
}

std::optional<int32_t> FindCopiedRow(FolderModel& model, std::string_view fileName) {
  return FirstRow(model, [&](const ShellItem& item) {
    const std::string& c = item.ItemName;
    return fileName == c || fileName == c + ".lnk" || fileName == c + ".url";
  });
}

std::optional<int32_t> FindRowByPath(FolderModel& model, std::string_view path) {
  for (int32_t row = 0; row < model.ItemCount(); ++row) {
    if (EqualNoCase(FullPathOf(model, *model.GetItem(row)), path)) return row;
  }
  return std::nullopt;
}

std::optional<int32_t> FindRowOfItem(FolderModel& model, std::string_view caption,
                                     std::string_view path) {
  for (int32_t row = 0; row < model.ItemCount(); ++row) {
    const ShellItem& item = *model.NamedItem(row);
    if (item.ItemName == caption && EqualNoCase(FullPathOf(model, item), path)) return row;
  }
  return std::nullopt;
}

std::string FullPathOf(FolderModel& model, const ShellItem& item) {
  ShellFolder* desktop = model.DesktopFolder();
  if (!desktop) return {};
  OwnedPidl absolute = ConcatPidls(model.Allocator(), model.CurrentPidl(), item.RelPidl.get());
  if (!absolute) model.Raise(kResultOutOfMemory);
  return model.GetDisplayName(*desktop, absolute.get(), true);
}

void MarkFoundRow(ListRowState& rows, int32_t row) {
  rows.SelectRow(row);
  rows.FocusRow(row);
  rows.EnsureRowVisible(row);
}

void FocusFoundRow(ListRowState& rows, int32_t row) {
  rows.FocusRow(row);
  rows.EnsureRowVisible(row);
}

}  // namespace olb
