// The commands that change the contents of the folder shown: the in-place
// rename, and the menu's New Folder, New Shortcut, Delete, Open real folder
// with shortcuts and Update Bar. Each changes files through the shell (or
// creates a directory), then re-reads the folder so the list shows the new
// state. The folder's re-read raises ComError when the folder can no longer
// be opened; the message dispatch reports it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/commands/shortcut_dialog.h"
#include "core/platform/file_chooser.h"
#include "core/platform/file_ops.h"
#include "core/platform/launcher.h"
#include "core/platform/list_row_state.h"
#include "core/platform/program_starter.h"
#include "core/folder/folder_model.h"

namespace olb {

// What the commands need of the rest of the bar form.
class CommandHost {
 public:
  virtual ~CommandHost() = default;
  // Lets pending messages run once, so the menu closes and the bar repaints
  // before the work starts.
  virtual void ProcessMessages() = 0;
  virtual void UpdateScrollStrips() = 0;
  // The application's error box with `message`.
  virtual void ShowError(const std::string& message) = 0;
  // A Yes/No question of the bar's own; true for Yes.
  virtual bool Confirm(const std::string& question) = 0;
  // The folder shown is another one now (a vanished folder was replaced by
  // the nearest one above it): the title and the Up button follow.
  virtual void FolderReplaced() = 0;
  // The item named `from` in the folder shown is called `to` now (before
  // the folder is read again): the user's order keeps its place.
  virtual void ItemRenamed(const std::string& /*from*/, const std::string& /*to*/) {}
};

// The services the commands work through; all must outlive them.
struct CommandServices {
  FileOps& files;
  FileChooser& chooser;
  Launcher& launcher;
  ListRowState& rows;
  ProgramStarter& programs;  // makes the shortcuts of New Shortcut
  CommandHost& host;
};

// The fixed name New Folder creates.
inline constexpr const char* kNewFolderName = "NewFolder";

class ItemCommands {
 public:
  ItemCommands(FolderModel& model, const CommandServices& services)
      : model_(model), services_(services) {}

  // An accepted caption edit of `row` to `text`.
  void ListViewEdited(int32_t row, const std::string& text);
  void MakeNewFolder();
  void MakeNewShortcut();
  void DeleteSelectedItem();
  void OpenShortcutsFolder();
  void UpdateBar();
  // F5 and a change seen outside the bar: re-reads and selects again the
  // item that was selected, when it is still there.
  void RereadKeepingSelection();
  // `gone` could not be opened: when it no longer exists, shows the nearest
  // existing folder above it and tells the user (true); false when it is
  // still there.
  bool FallBackFrom(const std::string& gone);
  // The in-place editor opened on `row`: the edit belongs to that item even
  // when the folder is read again (a drop) before it ends.
  void ListViewEditBegan(int32_t row);

  const ShortcutDialog& OpenDialog1() const { return openDialog1_; }

 private:
  // No folder is shown before the first open: no path can be built then.
  bool FolderShown() const { return !model_.Paths().CurrentPath.empty(); }
  std::string Prefix() const;
  // Re-reads the folder shown and updates the strips. A folder that has
  // gone is replaced by the nearest existing one above it, and the user is
  // told; when not even the root can be opened, ComError is raised.
  void Reread();
  bool Exists(const std::string& path);
  // When the root folder itself is gone, no item of it stays on show and
  // the user is asked whether to make it again (then shown): true. False
  // while the root exists.
  bool RootGone();
  // The checks before a rename: false, after saying why, when the typed
  // text is not a name or the item's own name would be read as another.
  bool RenameAllowed(const ShellItem& item, const std::string& text);
  // Sends an item whose name the Win32 path rules would change to the
  // recycle bin: moved aside under an exact name first, back on failure.
  void DeleteAside(const std::string& path);

  // The item an open in-place editor belongs to, and the fill it was
  // opened in.
  struct EditedItem {
    uint64_t ticket = 0;
    std::string caption;
    std::string path;
  };

  FolderModel& model_;
  CommandServices services_;
  ShortcutDialog openDialog1_;
  std::optional<EditedItem> edited_;
};

}  // namespace olb
