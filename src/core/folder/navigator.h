// Opening items, going up a level, and the list's own keys.
#pragma once

#include <cstdint>
#include <string>

#include "core/platform/item_list_control.h"
#include "core/platform/launcher.h"
#include "core/folder/folder_model.h"
#include "core/folder/list_keys.h"

namespace olb {

// What navigation needs of the rest of the bar form; the layout, title,
// autoload and docking sides implement these.
class NavigationHost {
 public:
  virtual ~NavigationHost() = default;
  virtual void SetUpButtonEnabled(bool enabled) = 0;
  virtual void UpdateScrollStrips() = 0;
  // Re-applies the list extent along the bar with the pitch already measured.
  virtual void ReapplyListExtent() = 0;
  virtual void UpdateTitle() = 0;
  virtual void WriteAutoloadValue() = 0;
  // SetAutoHideShown(true) of the docking engine.
  virtual void ShowAutoHiddenBar() = 0;
  // The application's standard error box.
  virtual void ShowError(const std::string& message) = 0;
  // The folder at `path` could not be opened. When it is gone, the nearest
  // existing folder above it is shown and the user told: true. False when
  // it still exists.
  virtual bool FallBackFromGoneFolder(const std::string& path) {
    (void)path;
    return false;
  }
  // Whether `path` still names a file or folder.
  virtual bool ItemExists(const std::string& path) {
    (void)path;
    return true;
  }
  // Runs a key's command that belongs to the form (rename, delete, re-read,
  // the menu); false when the form has none for it.
  virtual bool RunKeyCommand(ListKeyAction action) {
    (void)action;
    return false;
  }
};

class Navigator {
 public:
  Navigator(FolderModel& model, Launcher& launcher, NavigationHost& host)
      : model_(model), launcher_(launcher), host_(host) {}

  // Opens the selected item: a folder in place, anything else through the
  // shell. A folder gone meanwhile falls back as the host decides; another
  // failing bind raises ComError with the previous folder kept.
  void ListViewDblClick();
  // Opens the parent folder unless the folder shown is a desktop child.
  // A failing bind raises ComError with the previous folder kept.
  void UpOneLevel();
  // Opens the item at `path` (full path), captioned `caption`, from
  // elsewhere in the tree (found by name) as a double click on it would: a
  // folder in place, anything else through the shell.
  void OpenPath(const std::string& path, const std::string& caption, bool isFolder);
  // Runs the key's action; false when the key is left to the control.
  bool ListViewKeyDown(uint16_t virtualKey, uint32_t modifiers);
  // Opens the folder at `absolute` (taken over) in place, as a double click
  // on it does.
  void OpenFolderAt(OwnedPidl absolute);
  // Starts the child `relative` of the folder at `folderAbsolute`, called
  // `caption`, as a double click on it does: the same launch rules, the
  // same messages.
  void LaunchChild(std::string caption, const uint8_t* folderAbsolute, const uint8_t* relative);

 private:
  void OpenFolderItem(const ShellItem& item);
  void LaunchPath(const std::string& path, const std::string& caption);

  FolderModel& model_;
  Launcher& launcher_;
  NavigationHost& host_;
};

}  // namespace olb
