#include "core/commands/item_commands.h"

#include <exception>

#include "core/commands/file_operation.h"
#include "core/commands/item_names.h"
#include "core/commands/item_paths.h"
#include "core/commands/row_finder.h"

namespace olb {

std::string ItemCommands::Prefix() const {
  return FolderPrefix(model_.Paths().CurrentPath);
}

void ItemCommands::Reread() {
  // A copy: the re-read replaces CurrentPath while it works.
  const std::string path = model_.Paths().CurrentPath;
  model_.OpenFolderByPath(path);
}

void ItemCommands::ListViewEdited(int32_t row, const std::string& text) {
  if (!FolderShown()) return;
  PShellItem* item = model_.NamedItem(row);
  ShellFolder* folder = model_.CurrentFolder();
  if (!item || !folder) return;
  if (!RenameAllowed(*item, text)) return;
  std::optional<std::string> destination;
  // `item` belongs to the records that the re-read replaces: not used after.
  if (model_.ItemIsFolder(*folder, item->RelPidl.get())) {
    RenameFolder(row, *item, text);
  } else {
    destination = RenameFile(row, *item, text);
  }
  std::optional<int32_t> found = FindRowByName(model_, text);
  // The typed text may carry the extension the caption hides.
  if (!found && destination) found = FindRowByPath(model_, *destination);
  if (found) MarkFoundRow(services_.rows, *found);
  services_.host.UpdateScrollStrips();
}

bool ItemCommands::RenameAllowed(const PShellItem& item, const std::string& text) {
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

void ItemCommands::RenameFolder(int32_t row, PShellItem& item, const std::string& text) {
  const RenameMove move = FolderRenameMove(Prefix(), item.ItemName, text);
  FileOperation(services_.files, move.from, move.to, kFoMove, kFofAllowUndo);
  item.ItemName = text;
  services_.rows.RedrawRow(row);
  Reread();
}

std::optional<std::string> ItemCommands::RenameFile(int32_t row, PShellItem& item,
                                                    const std::string& text) {
  // A failure here (the path, the move, the re-read) is dropped: the list
  // keeps what it shows and the found row, if any, is still marked.
  try {
    const std::string fullPath = FullPathOf(model_, item);
    const RenameMove move = FileRenameMove(Prefix(), item.ItemName, fullPath, text);
    // Without a path there is nothing the shell could move.
    if (!fullPath.empty()) {
      FileOperation(services_.files, move.from, move.to, kFoMove, kFofAllowUndo);
    }
    item.ItemName = text;
    services_.rows.RedrawRow(row);
    Reread();
    if (move.captionHidExtension) return move.to;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

void ItemCommands::NewFolder1Click() {
  services_.host.ProcessMessages();
  if (!FolderShown()) return;
  // A fixed name: when it exists nothing is made and the existing one is marked.
  services_.files.MakeDirectory(Prefix() + kNewFolderName);
  Reread();
  if (std::optional<int32_t> found = FindRowByName(model_, kNewFolderName)) {
    MarkFoundRow(services_.rows, *found);
  }
  services_.host.UpdateScrollStrips();
}

void ItemCommands::NewShortut1Click() {
  services_.host.ProcessMessages();
  if (!FolderShown()) return;
  const std::string prefix = Prefix();
  const std::optional<std::string> chosen = openDialog1_.Execute(services_.chooser);
  if (!chosen || !services_.files.FileExists(*chosen)) return;
  // The chosen file itself is copied: a shortcut stays one, a program or
  // document is copied as it is.
  const std::string name = FileNamePart(*chosen);
  FileOperation(services_.files, *chosen, prefix + name, kFoCopy, kFofNoErrorUi);
  Reread();
  std::optional<int32_t> found = FindCopiedRow(model_, name);
  // A caption that hides a known extension names the copy without it.
  if (!found) found = FindRowByPath(model_, prefix + name);
  if (found) FocusFoundRow(services_.rows, *found);
  services_.host.UpdateScrollStrips();
}

void ItemCommands::Delete1Click() {
  services_.host.ProcessMessages();
  if (!FolderShown()) return;
  if (std::optional<int32_t> selected = model_.List().SelectedIndex()) {
    if (const PShellItem* item = model_.GetItem(*selected)) {
      const std::string path = FullPathOf(model_, *item);
      if (NamesItemExactly(FileNamePart(path))) {
        DeleteSH(services_.files, path);
      } else {
        DeleteAside(path);
      }
    }
  }
  Reread();
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

void ItemCommands::OpenFolderwithShortcuts1Click() {
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

void ItemCommands::UpdateBar1Click() {
  if (!FolderShown()) return;
  Reread();
}

}  // namespace olb
