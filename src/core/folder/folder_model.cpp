#include "core/folder/folder_model.h"

#include <algorithm>

#include "core/platform/com_error.h"
#include "core/folder/item_order.h"
#include "core/folder/item_presentation.h"
#include "core/folder/pidl.h"
#include "core/paths/path_text.h"

namespace olb {
namespace {

// Shows the hourglass while a folder is read and restores the cursor on
// every way out.
class WaitCursor {
 public:
  explicit WaitCursor(ScreenCursor& cursor) : cursor_(cursor), saved_(cursor.Get()) {
    cursor_.Set(CursorShape::HourGlass);
  }
  ~WaitCursor() { cursor_.Set(saved_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  ScreenCursor& cursor_;
  CursorShape saved_;
};

}  // namespace

FolderModel::FolderModel(const FolderServices& services, FolderPaths& paths)
    : services_(services), paths_(paths) {}

// Records release their lists through the allocator, which outlives the model.
FolderModel::~FolderModel() = default;

void FolderModel::Raise(HResult result) {
  throw ComError(result, services_.shell.MessageText(result));
}

void FolderModel::InitFolderView() {
  currentPidl_.reset();
  ClearItemList();
  std::shared_ptr<ShellFolder> desktop;
  Check(services_.shell.GetDesktopFolder(&desktop));
  if (!desktop) Raise(kResultFail);
  desktop_ = desktop;
  current_ = desktop;
}

std::string FolderProblemText(std::string_view path, std::string_view reason) {
  std::string text = "Cannot show the folder \"";
  text.append(path).append("\": ").append(reason);
  // A listing asks for the path followed by a backslash and a star, which
  // must stay below the limit too; a path handed out at 259 characters may
  // be a longer one cut short.
  if (path.size() + 2 >= kShellPathLimit) {
    if (!text.empty() && text.back() == '.') text.pop_back();
    text.append(" (its path reaches the shell's limit of ")
        .append(std::to_string(kShellPathLimit))
        .append(" characters).");
  }
  return text;
}

void FolderModel::OpenFolderByPath(std::string_view path) {
  if (!desktop_) Raise(kResultFail);
  OwnedPidl absolute;
  const HResult parsed = desktop_->ParseDisplayName(path, &absolute);
  if (Failed(parsed)) {
    throw ComError(parsed, FolderProblemText(path, services_.shell.MessageText(parsed)));
  }
  if (!absolute) Raise(kResultFail);
  (void)OpenFolder(std::move(absolute));
  if (std::optional<std::string> problem = TakeListProblem()) {
    throw ComError(kResultFail, *problem);
  }
}

bool FolderModel::OpenFolder(OwnedPidl absolute) {
  if (!desktop_ || !absolute) Raise(kResultInvalidArg);
  std::shared_ptr<ShellFolder> folder;
  Check(desktop_->BindToFolder(absolute.get(), &folder));
  if (!folder) Raise(kResultFail);

  ItemListControl& list = services_.list;
  list.BeginUpdate();
  bool opened = false;
  try {
    FillItemList(folder);
    currentPidl_ = std::move(absolute);
    paths_.CurrentPath = GetDisplayName(*desktop_, currentPidl_.get(), true);
    ApplyStoredOrder();
    if (list.ItemCount() > 0) list.ClearSelection();
    opened = true;
  } catch (...) {
    // A folder that cannot be listed is not shown; the previous one stays.
  }
  list.EndUpdate();
  // The shell lists a folder by a pattern of its path: past the limit it
  // answers an empty list, which must not pass for an empty folder.
  const std::string& shown = paths_.CurrentPath;
  listProblem_.reset();
  if (ItemCount() == 0 && shown.size() + 2 >= kShellPathLimit) {
    listProblem_ = FolderProblemText(shown, "The shell cannot list it.");
  }
  return opened;
}

std::optional<std::string> FolderModel::TakeListProblem() {
  std::optional<std::string> problem = std::move(listProblem_);
  listProblem_.reset();
  return problem;
}

HResult ListChildren(ShellFolder& folder, ItemList* out) {
  std::unique_ptr<ShellEnumerator> children;
  const HResult started = folder.EnumObjects(kEnumEverything, &children);
  if (Failed(started)) return started;
  if (!children) return kResultFail;
  ItemList items;
  // Names are not needed to sort: they are asked for when first shown.
  OwnedPidl relative;
  while (children->Next(&relative) == kResultOk) {
    if (!relative) continue;
    auto item = std::make_unique<ShellItem>();
    item->RelPidl = std::move(relative);
    items.push_back(std::move(item));
  }
  // A stable merge sort stays inside the list even if a shell's comparison
  // is not a consistent order.
  std::stable_sort(items.begin(), items.end(), [&folder](const auto& a, const auto& b) {
    return OrderFromCompareResult(folder.CompareIDs(0, a->RelPidl.get(), b->RelPidl.get())) < 0;
  });
  *out = std::move(items);
  return kResultOk;
}

void FolderModel::FillItemList(std::shared_ptr<ShellFolder> folder) {
  WaitCursor wait(services_.cursor);
  ItemList children;
  Check(ListChildren(*folder, &children));
  current_ = std::move(folder);
  ClearItemList();
  items_ = std::move(children);
  services_.list.SetItemCount(ItemCount());
  services_.list.Repaint();
}

void FolderModel::ApplyStoredOrder() {
  if (!services_.storedOrder || items_.empty()) return;
  const std::vector<std::string> stored = services_.storedOrder(paths_.CurrentPath);
  if (stored.empty()) return;
  const std::vector<size_t> order = OrderByStoredNames(FileNames(), stored);
  ItemList ordered;
  ordered.reserve(items_.size());
  for (size_t i : order) ordered.push_back(std::move(items_[i]));
  items_ = std::move(ordered);
  // Icons asked for by row before the records moved would land on others.
  ++iconTicket_;
  if (services_.icons) {
    services_.icons->CancelPending();
    for (const auto& item : items_) item->NeedsIcon = !item->NeedsInfo;
  }
  services_.list.Repaint();
}

std::vector<std::string> FolderModel::FileNames() {
  std::vector<std::string> names;
  names.reserve(items_.size());
  for (const auto& item : items_) {
    names.push_back(LeafName(GetDisplayName(*current_, item->RelPidl.get(), true)));
  }
  return names;
}

void FolderModel::ShowNothing() {
  ClearItemList();
  services_.list.SetItemCount(0);
  services_.list.Repaint();
}

void FolderModel::ClearItemList() {
  items_.clear();
  ++iconTicket_;
  if (services_.icons) services_.icons->CancelPending();
}

void FolderModel::FillItemDetails(int32_t first, int32_t last) {
  const ListViewStyle style = services_.list.Style();
  const bool smallIcon =
      style != ListViewStyle::LargeIcons && style != ListViewStyle::ExtraLargeIcons;
  const bool report = style == ListViewStyle::Report;
  const int32_t from = std::max(first, 0);
  const int32_t to = std::min(last, ItemCount() - 1);
  std::vector<IconRequest> icons;
  for (int32_t i = from; i <= to; ++i) {
    ShellItem& item = *items_[static_cast<size_t>(i)];
    if (item.NeedsName) NameOne(item);
    if (item.NeedsInfo) {
      FillOne(i, smallIcon, icons);
    } else if (item.NeedsIcon) {
      AskIcon(i, smallIcon, icons);
    }
    if (report && item.NeedsReport) FillReport(item);
  }
  if (!icons.empty()) services_.icons->Request(std::move(icons));
}

void FolderModel::NameOne(ShellItem& item) {
  item.ItemName = GetDisplayName(*current_, item.RelPidl.get(), false);
  item.NeedsName = false;
}

void FolderModel::FillOne(int32_t index, bool smallIcon, std::vector<IconRequest>& icons) {
  ShellNamespace& shell = services_.shell;
  ShellItem& item = *items_[static_cast<size_t>(index)];
  item.AbsPidl = ConcatPidls(services_.allocator, currentPidl_.get(), item.RelPidl.get());
  FindData data;
  if (Failed(shell.GetFindData(*current_, item.RelPidl.get(), &data))) data = FindData{};
  if (services_.icons) {
    // The icon of the item's kind now; its own (a shortcut's target, an
    // overlay) when the fetcher has it.
    item.IconIndex = shell.KindIconIndex(data.fileName, data.attributes, smallIcon);
    AskIcon(index, smallIcon, icons);
  } else {
    item.IconIndex = shell.SystemIconIndex(item.AbsPidl.get(), smallIcon);
  }
  item.SizeKB = SizeKBFromBytes(data.size);
  item.LastWriteTime = data.lastWriteTime;
  item.FileAttributes = data.attributes;
  item.NeedsInfo = false;
  ++detailFills_;
}

void FolderModel::AskIcon(int32_t index, bool smallIcon, std::vector<IconRequest>& icons) {
  ShellItem& item = *items_[static_cast<size_t>(index)];
  item.NeedsIcon = false;
  icons.push_back(
      {iconTicket_, index, PidlToBytes(services_.allocator, item.AbsPidl.get()), smallIcon});
}

std::vector<int32_t> FolderModel::TakeFetchedIcons() {
  std::vector<int32_t> changed;
  if (!services_.icons) return changed;
  for (const IconAnswer& answer : services_.icons->TakeAnswers()) {
    ShellItem* item = answer.ticket == iconTicket_ ? GetItem(answer.index) : nullptr;
    if (!item) continue;
    if (answer.dropped) {
      // Redrawn, the row asks again if it is still shown; off screen, when
      // it next is.
      item->NeedsIcon = true;
      changed.push_back(answer.index);
      continue;
    }
    if (item->IconIndex == answer.iconIndex) continue;
    item->IconIndex = answer.iconIndex;
    changed.push_back(answer.index);
  }
  return changed;
}

// The type name is the costliest question of a fill; only report style shows it.
void FolderModel::FillReport(ShellItem& item) {
  item.FileType = services_.shell.TypeName(item.AbsPidl.get());
  item.Modified = ModifiedText(services_.time, item.LastWriteTime);
  item.NeedsReport = false;
}

ShellItem* FolderModel::GetItem(int32_t index) {
  if (index < 0 || index >= ItemCount()) return nullptr;
  return items_[static_cast<size_t>(index)].get();
}

const ShellItem* FolderModel::GetItem(int32_t index) const {
  if (index < 0 || index >= ItemCount()) return nullptr;
  return items_[static_cast<size_t>(index)].get();
}

ShellItem* FolderModel::NamedItem(int32_t index) {
  ShellItem* item = GetItem(index);
  if (item && item->NeedsName) NameOne(*item);
  return item;
}

bool FolderModel::ItemIsFolder(ShellFolder& folder, const uint8_t* relative) {
  uint32_t mask = kItemIsFolder;
  folder.GetAttributesOf(relative, &mask);
  return (mask & kItemIsFolder) != 0;
}

std::string FolderModel::GetDisplayName(ShellFolder& folder, const uint8_t* pidl, bool forParsing) {
  std::string name;
  if (Failed(folder.GetDisplayNameOf(pidl, forParsing ? kNameForParsing : kNameNormal, &name))) {
    return {};
  }
  return name;
}

int FolderModel::CompareItems(const ShellItem& a, const ShellItem& b) {
  return OrderFromCompareResult(current_->CompareIDs(0, a.RelPidl.get(), b.RelPidl.get()));
}

int OrderFromCompareResult(HResult result) {
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(result) & 0xFFFFu));
}

}  // namespace olb
