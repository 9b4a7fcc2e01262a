// The folder shown by the bar: its identity, its sorted item records, and the
// details filled lazily for the range the list control is about to show.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/icon_fetcher.h"
#include "core/platform/item_list_control.h"
#include "core/platform/screen_cursor.h"
#include "core/platform/shell_allocator.h"
#include "core/platform/shell_namespace.h"
#include "core/platform/time_format.h"
#include "core/folder/shell_item.h"

namespace olb {

// The bar form's path fields that the folder view reads and writes.
struct FolderPaths {
  std::string CurrentPath;  // parse name of the folder shown, no trailing backslash
  std::string RootPath;     // root shortcuts folder, with trailing backslash
};

// The platform services the model works through; all must outlive it.
struct FolderServices {
  ShellNamespace& shell;
  ShellAllocator& allocator;
  ItemListControl& list;
  ScreenCursor& cursor;
  TimeFormat& time;
  // Looks up the real icons off the user-interface thread; without one they
  // are asked for on the spot.
  IconFetcher* icons = nullptr;
  // The user's order of the folder at a path (its item names); empty: the
  // shell's order. Asked each time a folder is read.
  std::function<std::vector<std::string>(const std::string& folderPath)> storedOrder = nullptr;
};

// The order a folder's comparison result stands for: its low 16 bits read as
// a signed number (0xFFFF is -1, not 65535).
int OrderFromCompareResult(HResult result);

// The longest path the shell's plain path calls take (MAX_PATH).
inline constexpr size_t kShellPathLimit = 260;

// The error text for a folder that cannot be shown: the folder named, the
// reason, and a note when its path is too long for the shell to list.
std::string FolderProblemText(std::string_view path, std::string_view reason);

// The children of `folder` in its own order (its first column), as fresh
// records without details. A failing start of the enumeration gives its
// code and leaves `out` alone; a reading that stops early keeps what came.
HResult ListChildren(ShellFolder& folder, ItemList* out);

class FolderModel {
 public:
  FolderModel(const FolderServices& services, FolderPaths& paths);
  FolderModel(const FolderModel&) = delete;
  FolderModel& operator=(const FolderModel&) = delete;
  ~FolderModel();

  // Gets the desktop folder; raises ComError when the shell refuses it.
  // (The caller attaches the image lists and measures the pitch afterwards.)
  void InitFolderView();

  // Parses `path` through the desktop folder and opens it. A failing parse or
  // bind raises ComError, naming the folder, and leaves everything as it
  // was; a folder opened that the shell cannot list raises one after.
  void OpenFolderByPath(std::string_view path);

  // Opens the folder named by an absolute list, which the model takes over.
  // A failing bind raises ComError; a failing enumeration is swallowed and
  // keeps the previous folder, records and paths. Either way the list given
  // is released unless it became CurrentPidl. False when the folder was not
  // listed and the previous one stays.
  bool OpenFolder(OwnedPidl absolute);
  // Why the folder opened last shows no items although it may hold some
  // (its path passes what the shell lists), once; nullopt otherwise.
  std::optional<std::string> TakeListProblem();

  // Replaces the records with the children of `folder` in its own order.
  // A failing enumeration raises ComError before anything changes.
  void FillItemList(std::shared_ptr<ShellFolder> folder);
  void ClearItemList();
  // The list shows no item (the folder shown is gone with everything above
  // it); the paths stay as they were.
  void ShowNothing();

  // Fills name, icon, size and attributes of the records in [first, last]
  // that still need them, and in report style also type and time; indexes
  // outside the list are skipped.
  void FillItemDetails(int32_t first, int32_t last);

  // Takes the real icons fetched since the last call into the records they
  // were asked for; answers for records since replaced are dropped. Gives
  // the indexes to redraw: those whose icon changed and those whose lookup
  // was dropped (a row still shown asks for it again).
  std::vector<int32_t> TakeFetchedIcons();

  // The record at `index`, or null outside [0, ItemCount()). Its name may
  // not have been asked for yet (ItemName empty, NeedsName set).
  ShellItem* GetItem(int32_t index);
  const ShellItem* GetItem(int32_t index) const;
  // The record at `index` with its name: asked for on first use, then kept.
  ShellItem* NamedItem(int32_t index);
  // Changes whenever the records are replaced: a row index taken before
  // and used after such a change may name another item.
  uint64_t FillTicket() const { return iconTicket_; }
  int32_t ItemCount() const { return static_cast<int32_t>(items_.size()); }
  // The file names of the records, in the order shown.
  std::vector<std::string> FileNames();

  // Whether the shell reports the item as a folder (a failed question leaves
  // the asked-for bit set, so the item then counts as a folder).
  bool ItemIsFolder(ShellFolder& folder, const uint8_t* relative);
  // The item's name; empty when the shell gives none.
  std::string GetDisplayName(ShellFolder& folder, const uint8_t* pidl, bool forParsing);
  // <0: a first; >0: b first; 0: equal; from the folder's default column.
  int CompareItems(const ShellItem& a, const ShellItem& b);

  ShellFolder* DesktopFolder() const { return desktop_.get(); }
  ShellFolder* CurrentFolder() const { return current_.get(); }
  const uint8_t* CurrentPidl() const { return currentPidl_.get(); }
  FolderPaths& Paths() { return paths_; }
  ShellAllocator& Allocator() { return services_.allocator; }
  ItemListControl& List() { return services_.list; }

  // Records filled since the model was made (a figure for benchmarks).
  int64_t detailFills() const { return detailFills_; }

  // Throws ComError with the system's text for `result`.
  [[noreturn]] void Raise(HResult result);

 private:
  void Check(HResult result) {
    if (Failed(result)) Raise(result);
  }
  void NameOne(ShellItem& item);
  // Fills record `index`; its real icon, when looked up elsewhere, is added to `icons`.
  void FillOne(int32_t index, bool smallIcon, std::vector<IconRequest>& icons);
  // Adds record `index`'s real icon to the lookups to ask for.
  void AskIcon(int32_t index, bool smallIcon, std::vector<IconRequest>& icons);
  void FillReport(ShellItem& item);
  // Puts the records in the user's stored order for the folder shown.
  void ApplyStoredOrder();

  FolderServices services_;
  FolderPaths& paths_;
  std::shared_ptr<ShellFolder> desktop_;
  std::shared_ptr<ShellFolder> current_;
  OwnedPidl currentPidl_;
  ItemList items_;
  // Marks the records icon requests were made for: changes whenever they are replaced.
  uint64_t iconTicket_ = 0;
  int64_t detailFills_ = 0;
  std::optional<std::string> listProblem_;
};

}  // namespace olb
