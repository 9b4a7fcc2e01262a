#include "core/folder/navigator.h"

#include <exception>

#include "core/folder/launch_rules.h"
#include "core/folder/pidl.h"
#include "core/platform/com_error.h"

namespace olb {
namespace {

// Shows the folder change in report style and puts the user's style back
// however the change ends.
class ReportStyleWhileChanging {
 public:
  explicit ReportStyleWhileChanging(ItemListControl& list) : list_(list), saved_(list.Style()) {
    list_.SetStyle(ListViewStyle::Report);
  }
  ~ReportStyleWhileChanging() { list_.SetStyle(saved_); }
  ReportStyleWhileChanging(const ReportStyleWhileChanging&) = delete;
  ReportStyleWhileChanging& operator=(const ReportStyleWhileChanging&) = delete;

 private:
  ItemListControl& list_;
  ListViewStyle saved_;
};

}  // namespace

void Navigator::ListViewDblClick() {
  const std::optional<int32_t> selected = model_.List().SelectedIndex();
  if (!selected) return;
  // Named: a message about it gives its caption.
  const ShellItem* item = model_.NamedItem(*selected);
  ShellFolder* folder = model_.CurrentFolder();
  if (!item || !folder) return;
  if (model_.ItemIsFolder(*folder, item->RelPidl.get())) {
    OpenFolderItem(*item);
  } else {
    LaunchChild(item->ItemName, model_.CurrentPidl(), item->RelPidl.get());
  }
}

void Navigator::OpenFolderItem(const ShellItem& item) {
  OwnedPidl absolute = ConcatPidls(model_.Allocator(), model_.CurrentPidl(), item.RelPidl.get());
  if (!absolute) model_.Raise(kResultOutOfMemory);
  // `item` belongs to the records that OpenFolder replaces: not used after
  // this.
  OpenFolderAt(std::move(absolute));
}

void Navigator::OpenFolderAt(OwnedPidl absolute) {
  if (!absolute) model_.Raise(kResultInvalidArg);
  // The path names the folder if it turns out to be gone.
  ShellFolder* desktop = model_.DesktopFolder();
  const std::string path = desktop ? model_.GetDisplayName(*desktop, absolute.get(), true) : "";
  bool opened = false;
  try {
    ReportStyleWhileChanging style(model_.List());
    opened = model_.OpenFolder(std::move(absolute));
  } catch (const ComError&) {
    if (!path.empty() && host_.FallBackFromGoneFolder(path)) return;
    throw;
  }
  // Deleted outside the bar before the watcher's re-read came: one shell
  // fails to list it, another lists it as empty.
  if (!opened || model_.ItemCount() == 0) {
    if (!path.empty() && host_.FallBackFromGoneFolder(path)) return;
    if (!opened) {
      host_.ShowError(FolderProblemText(path, "The shell cannot list it."));
      return;
    }
  }
  host_.UpdateScrollStrips();
  // The root itself is opened from its parent after a climb above it.
  const FolderPaths& paths = model_.Paths();
  host_.SetUpButtonEnabled(UpEnabledAt(paths.CurrentPath, paths.RootPath));
  host_.UpdateTitle();
  if (std::optional<std::string> problem = model_.TakeListProblem()) host_.ShowError(*problem);
}

void Navigator::LaunchChild(std::string caption, const uint8_t* folderAbsolute,
                            const uint8_t* relative) {
  std::string path;
  try {
    OwnedPidl absolute = ConcatPidls(model_.Allocator(), folderAbsolute, relative);
    ShellFolder* desktop = model_.DesktopFolder();
    if (!absolute) model_.Raise(kResultOutOfMemory);
    if (!desktop) return;
    path = model_.GetDisplayName(*desktop, absolute.get(), true);
  } catch (const std::exception& e) {
    host_.ShowError("Cannot open \"" + caption + "\": " + e.what());
    return;
  }
  LaunchPath(path, caption);
}

void Navigator::LaunchPath(const std::string& path, const std::string& caption) {
  const ShellOpenRequest request = LaunchRequestFor(path);
  // The shell says nothing of a broken shortcut or a file it cannot open.
  const intptr_t answer = launcher_.ShellOpen(request);
  std::optional<std::string> failed = LaunchFailureMessage(caption, request.file, answer);
  // Not found: the item itself may have gone, which is not its target's fault.
  if (failed && (answer == 2 || answer == 3) && !host_.ItemExists(request.file)) {
    failed = ItemGoneMessage("open", caption);
  }
  if (failed) host_.ShowError(*failed);
}

void Navigator::OpenPath(const std::string& path, const std::string& caption, bool isFolder) {
  if (!isFolder) {
    LaunchPath(path, caption);
    return;
  }
  try {
    ReportStyleWhileChanging style(model_.List());
    model_.OpenFolderByPath(path);
  } catch (const ComError&) {
    if (host_.FallBackFromGoneFolder(path)) return;
    throw;
  }
  host_.UpdateScrollStrips();
  const FolderPaths& paths = model_.Paths();
  host_.SetUpButtonEnabled(UpEnabledAt(paths.CurrentPath, paths.RootPath));
  host_.UpdateTitle();
  if (std::optional<std::string> problem = model_.TakeListProblem()) host_.ShowError(*problem);
}

void Navigator::UpOneLevel() {
  {
    ReportStyleWhileChanging style(model_.List());
    OwnedPidl parent = CopyPidl(model_.Allocator(), model_.CurrentPidl());
    if (model_.CurrentPidl() && !parent) model_.Raise(kResultOutOfMemory);
    StripLastPidlItem(model_.Allocator(), parent.get());
    // The desktop itself is never shown.
    if (!PidlIsEmpty(model_.Allocator(), parent.get())) {
      (void)model_.OpenFolder(std::move(parent));
      const FolderPaths& paths = model_.Paths();
      host_.SetUpButtonEnabled(UpEnabledAt(paths.CurrentPath, paths.RootPath));
    }
  }
  host_.ReapplyListExtent();
  host_.UpdateScrollStrips();
  host_.UpdateTitle();
  if (std::optional<std::string> problem = model_.TakeListProblem()) host_.ShowError(*problem);
}

bool Navigator::ListViewKeyDown(uint16_t virtualKey, uint32_t modifiers) {
  const ListKeyAction action = ListKeyActionFor(virtualKey, modifiers);
  switch (action) {
    case ListKeyAction::UpOneLevel:
      UpOneLevel();
      return true;
    case ListKeyAction::OpenSelected:
      ListViewDblClick();
      return true;
    case ListKeyAction::WriteAutoload:
      host_.WriteAutoloadValue();
      return true;
    case ListKeyAction::ShowAutoHiddenBar:
      host_.ShowAutoHiddenBar();
      return true;
    case ListKeyAction::UpUnlessAtRoot: {
      const FolderPaths& paths = model_.Paths();
      if (!paths.CurrentPath.empty() && UpEnabledAt(paths.CurrentPath, paths.RootPath)) {
        UpOneLevel();
      }
      return true;
    }
    case ListKeyAction::RenameSelected:
    case ListKeyAction::DeleteSelected:
    case ListKeyAction::Reread:
    case ListKeyAction::ShowMenu:
    case ListKeyAction::ShowHelp:
    case ListKeyAction::MoveEarlier:
    case ListKeyAction::MoveLater:
      return host_.RunKeyCommand(action);
    case ListKeyAction::None:
      break;
  }
  return false;
}

}  // namespace olb
