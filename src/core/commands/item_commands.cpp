#include "core/commands/item_commands.h"

#include <exception>
#include <utility>

#include "core/commands/file_operation.h"
#include "core/commands/item_names.h"
#include "core/commands/item_paths.h"
#include "core/paths/path_text.h"
#include "core/commands/new_names.h"
#include "core/platform/com_error.h"
#include "core/commands/row_finder.h"
#include "core/folder/launch_rules.h"

namespace olb {

std::string ItemCommands::Prefix() const {
  return FolderPrefix(model_.Paths().CurrentPath);
}

void ItemCommands::Reread() {
  // A copy: the re-read replaces CurrentPath while it works.
  const std::string path = model_.Paths().CurrentPath;
  try {
    model_.OpenFolderByPath(path);
  } catch (const ComError&) {
    if (!FallBackFrom(path)) throw;
    return;
  }
  services_.host.UpdateScrollStrips();
}

bool ItemCommands::FallBackFrom(const std::string& gone) {
  // The shell gives at most 259 characters of a longer path: a path that
  // long may be cut short, and a cut name never exists. Such a folder is
  // reported as unreadable, not as removed.
  if (gone.size() + 1 >= kShellPathLimit) return false;
  if (RootGone()) return true;
  const std::string shown = NearestExistingFolder(
      gone, model_.Paths().RootPath,
      [this](const std::string& p) { return services_.files.DirectoryExists(p); });
  if (shown == gone) return false;
  model_.OpenFolderByPath(shown);
  services_.host.FolderReplaced();
  services_.host.UpdateScrollStrips();
  services_.host.ShowError(FolderGoneMessage(gone, shown));
  return true;
}

bool ItemCommands::RootGone() {
  const std::string root(WithoutTrailingBackslashes(model_.Paths().RootPath));
  if (root.empty() || services_.files.DirectoryExists(root)) return false;
  model_.ShowNothing();
  services_.host.UpdateScrollStrips();
  if (services_.host.Confirm(RootGoneQuestion(root)) && services_.files.MakeDirectory(root)) {
    model_.OpenFolderByPath(root);
    services_.host.FolderReplaced();
    services_.host.UpdateScrollStrips();
  }
  return true;
}

bool ItemCommands::Exists(const std::string& path) {
  return services_.files.FileExists(path) || services_.files.DirectoryExists(path);
}

void ItemCommands::ListViewEditBegan(int32_t row) {
  edited_.reset();
  if (!FolderShown()) return;
  const ShellItem* item = model_.NamedItem(row);
  if (!item) return;
  std::string path;
  try {
    path = FullPathOf(model_, *item);
  } catch (const ComError&) {
    // Without a path the item cannot be found again after a re-read.
  }
  edited_ = EditedItem{model_.FillTicket(), item->ItemName, path};
}

void ItemCommands::ListViewEdited(int32_t row, const std::string& text) {
  if (!FolderShown()) return;
  const std::optional<EditedItem> began = std::exchange(edited_, std::nullopt);
  if (began && began->ticket != model_.FillTicket()) {
    // The folder was read again while the editor was open: its row may now
    // hold another item. The edit goes to the item it was opened on.
    const std::optional<int32_t> found =
        began->path.empty() ? std::nullopt : FindRowByPath(model_, began->path);
    if (!found) {
      services_.host.ShowError(ItemGoneMessage("rename", began->caption));
      return;
    }
    row = *found;
  }
  ShellItem* item = model_.NamedItem(row);
  ShellFolder* folder = model_.CurrentFolder();
  if (!item || !folder) return;
  if (!RenameAllowed(*item, text)) return;
  // `item` belongs to the records that the re-read replaces: not used after it.
  const std::string caption = item->ItemName;
  RenameMove move;
  if (model_.ItemIsFolder(*folder, item->RelPidl.get())) {
    move = FolderRenameMove(Prefix(), caption, text);
  } else {
    const std::string fullPath = FullPathOf(model_, *item);
    // Without a path there is nothing the shell could move.
    if (fullPath.empty()) return;
    move = FileRenameMove(Prefix(), caption, fullPath, text);
  }
  // Removed or renamed outside the bar since the list was read: the shell
  // would report only that it failed.
  if (!Exists(move.from)) {
    services_.host.ShowError(ItemGoneMessage("rename", caption));
    Reread();
    return;
  }
  if (!FitsPathLimit(move.to)) {
    services_.host.ShowError(PathTooLongMessage("rename \"" + caption + "\" to \"" + text + "\""));
    return;
  }
  // The shell would replace a file of that name, or move the item into a
  // folder of that name: neither is what a rename means.
  if (RenameHitsAnotherItem(move, Exists(move.to))) {
    services_.host.ShowError(RenameTakenMessage(text));
    return;
  }
  const bool moved = FileOperation(services_.files, move.from, move.to, kFoMove, kFofAllowUndo);
  if (moved) services_.host.ItemRenamed(FileNamePart(move.from), FileNamePart(move.to));
  Reread();
  if (!moved) {
    services_.host.ShowError(RenameFailedMessage(caption, text));
    return;
  }
  std::optional<int32_t> found = FindRowByName(model_, text);
  // The typed text may carry the extension the caption hides.
  if (!found) found = FindRowByPath(model_, move.to);
  if (found) MarkFoundRow(services_.rows, *found);
  services_.host.UpdateScrollStrips();
}

bool ItemCommands::RenameAllowed(const ShellItem& item, const std::string& text) {
  if (const std::optional<std::string_view> problem = TypedNameProblem(text)) {
    std::string message = "Cannot rename \"";
    message.append(item.ItemName).append("\" to \"").append(text).append("\": ").append(*problem);
    services_.host.ShowError(message);
    return false;
  }
  const std::string name = FileNamePart(FullPathOf(model_, item));
  if (!name.empty() && !NamesItemExactly(name)) {
    services_.host.ShowError("Cannot rename \"" + name +
                             "\": Windows would read its name as another item's.");
    return false;
  }
  return true;
}

void ItemCommands::MakeNewFolder() {
  services_.host.ProcessMessages();
  if (!FolderShown()) return;
  // A fixed name: when it exists nothing is made and the existing one is marked.
  const std::string path = Prefix() + kNewFolderName;
  if (!FitsPathLimit(path)) {
    services_.host.ShowError(PathTooLongMessage(std::string("make \"") + kNewFolderName + "\""));
    return;
  }
  services_.files.MakeDirectory(path);
  Reread();
  if (std::optional<int32_t> found = FindRowByName(model_, kNewFolderName)) {
    MarkFoundRow(services_.rows, *found);
  }
  services_.host.UpdateScrollStrips();
}

void ItemCommands::MakeNewShortcut() {
  services_.host.ProcessMessages();
  if (!FolderShown()) return;
  const std::string prefix = Prefix();
  const std::optional<std::string> chosen = openDialog1_.Execute(services_.chooser);
  if (!chosen || !services_.files.FileExists(*chosen)) return;
  // A shell link to the chosen file; a chosen shortcut is one already and
  // is copied as it is.
  const std::optional<std::string> path =
      ChosenShortcutPath(prefix, *chosen, [this](const std::string& p) { return Exists(p); });
  bool made = false;
  if (path && !FitsPathLimit(*path)) {
    services_.host.ShowError(PathTooLongMessage("make a shortcut to \"" + *chosen + "\" here"));
    return;
  }
  if (path) {
    const std::string ext = PathExtension(*chosen);
    made = ext == ".lnk" || ext == ".url"
               ? FileOperation(services_.files, *chosen, *path, kFoCopy, kFofNoErrorUi)
               : services_.programs.CreateShortcut(*path, *chosen);
  }
  Reread();
  if (!made) {
    std::string message = "Cannot make a shortcut to \"";
    message.append(*chosen).append("\" in this folder.");
    services_.host.ShowError(message);
    return;
  }
  if (std::optional<int32_t> found = FindRowByPath(model_, *path)) {
    FocusFoundRow(services_.rows, *found);
  }
  services_.host.UpdateScrollStrips();
}

void ItemCommands::DeleteSelectedItem() {
  services_.host.ProcessMessages();
  if (!FolderShown()) return;
  const std::vector<int32_t> rows = model_.List().SelectedIndexes();
  if (rows.size() > 1) {
    // Several items go in one operation; a name the path rules would read
    // as another's is moved aside on its own.
    std::vector<std::string> paths;
    for (int32_t row : rows) {
      const ShellItem* item = model_.GetItem(row);
      if (!item) continue;
      const std::string path = FullPathOf(model_, *item);
      if (NamesItemExactly(FileNamePart(path))) {
        paths.push_back(path);
      } else {
        DeleteAside(path);
      }
    }
    DeleteAllSH(services_.files, paths);
  } else if (std::optional<int32_t> selected = model_.List().SelectedIndex()) {
    if (const ShellItem* item = model_.NamedItem(*selected)) {
      const std::string path = FullPathOf(model_, *item);
      // A name the path rules would read as another is looked for by its
      // exact name when it is moved aside.
      const bool exact = NamesItemExactly(FileNamePart(path));
      if (exact && !IsDeleteGuarded(path) && !Exists(path)) {
        services_.host.ShowError(ItemGoneMessage("delete", item->ItemName));
      } else if (exact) {
        DeleteSH(services_.files, path);
      } else {
        DeleteAside(path);
      }
    }
  }
  // A declined question leaves the item where it was, still selected, so
  // that Delete can be pressed again.
  RereadKeepingSelection();
}

void ItemCommands::DeleteAside(const std::string& path) {
  if (IsDeleteGuarded(path)) return;
  const std::string name = FileNamePart(path);
  // The shell would ask about the aside name: the question names the item.
  if (!services_.host.Confirm("Are you sure you want to send \"" + name +
                              "\" to the Recycle Bin?")) {
    return;
  }
  const std::string folder = path.substr(0, path.size() - name.size());
  FileOps& files = services_.files;
  const std::string aside =
      folder + AsideName(name, [&](const std::string& candidate) {
        return files.FileExists(folder + candidate) || files.DirectoryExists(folder + candidate);
      });
  if (!files.MoveExactly(path, aside)) {
    services_.host.ShowError("Cannot delete \"" + name + "\": it cannot be moved aside.");
    return;
  }
  if (!FileOperation(files, aside, "", kFoDelete, kFofAllowUndo | kFofNoConfirmation)) {
    files.MoveExactly(aside, path);
  }
}

void ItemCommands::OpenShortcutsFolder() {
  services_.host.ProcessMessages();
  if (!FolderShown()) return;
  const std::string prefix = Prefix();
  ShellOpenRequest request;
  request.ownedByAppWindow = true;
  request.verb = "Open";
  request.file = prefix;
  request.parameters = "";
  request.directory = prefix;
  request.show = kShowNormal;
  services_.launcher.ShellOpen(request);  // a refusal is not reported
  Reread();
}

void ItemCommands::RereadKeepingSelection() {
  if (!FolderShown()) return;
  // The item itself, by its path: another item may carry the same caption.
  std::string caption, path;
  if (std::optional<int32_t> row = model_.List().SelectedIndex()) {
    if (const ShellItem* item = model_.NamedItem(*row)) {
      caption = item->ItemName;
      path = FullPathOf(model_, *item);
    }
  }
  Reread();
  if (path.empty()) return;
  if (std::optional<int32_t> row = FindRowOfItem(model_, caption, path)) {
    services_.rows.SelectRow(*row);
    services_.rows.FocusRow(*row);
  }
}

void ItemCommands::UpdateBar() {
  if (!FolderShown()) return;
  Reread();
}

}  // namespace olb
