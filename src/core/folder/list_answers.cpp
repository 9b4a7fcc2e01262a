#include "core/folder/list_answers.h"

namespace olb {

std::optional<ItemDisplay> ListViewData(FolderModel& model, int32_t index, bool reportStyle) {
  const ShellItem* item = model.NamedItem(index);
  if (!item) return std::nullopt;
  // The control need not have hinted at this index first (Windows may ask
  // beyond its hints): an item never stays with the generic image, nor with
  // its kind's when its real icon's lookup was dropped.
  if (item->NeedsInfo || item->NeedsIcon) model.FillItemDetails(index, index);
  ItemDisplay shown{item->ItemName, item->IconIndex, {}};
  if (reportStyle) {
    ShellFolder* folder = model.CurrentFolder();
    const bool isFolder = folder && model.ItemIsFolder(*folder, item->RelPidl.get());
    shown.subItems = {isFolder ? std::string() : SizeText(item->SizeKB), item->FileType,
                      item->Modified, AttributeLetters(item->FileAttributes)};
  }
  return shown;
}

std::string ItemCaption(FolderModel& model, int32_t index) {
  const ShellItem* item = model.NamedItem(index);
  return item ? item->ItemName : std::string();
}

void CacheHint(FolderModel& model, int32_t from, int32_t to) {
  if (CacheHintInRange(from, to, model.ItemCount())) model.FillItemDetails(from, to);
}

std::optional<int32_t> FindItem(FolderModel& model, FindKind kind, std::string_view text,
                                int32_t start, bool wrap) {
  if (kind != FindKind::PartialString && kind != FindKind::ExactString) return std::nullopt;
  return FindByPrefix(
      model.ItemCount(),
      [&model](int32_t i) -> std::string_view { return model.NamedItem(i)->ItemName; }, text, start,
      wrap);
}

ItemColor ItemDrawColor(const FolderModel& model, std::optional<int32_t> index) {
  const ShellItem* item = index ? model.GetItem(*index) : nullptr;
  return item ? ItemTextColor(item->FileAttributes) : ItemColor::ListFont;
}

}  // namespace olb
