// Files dropped onto the bar: moved (copied with Ctrl) into the folder shown
// or into the folder item under the pointer, or handed as arguments to the
// program behind the shortcut item under the pointer.
#pragma once

#include <cstdint>
#include <string>

#include "core/dragdrop/drop_files.h"
#include "core/dragdrop/drop_hit.h"
#include "core/platform/file_ops.h"
#include "core/platform/list_row_state.h"
#include "core/platform/program_starter.h"
#include "core/view/folder_model.h"

namespace olb {

// What the drop needs of the bar form.
class DropHost {
 public:
  virtual ~DropHost() = default;
  // The pointer position now, in screen coordinates.
  virtual Point CursorPos() = 0;
  virtual void ProcessMessages() = 0;
  // Slides an auto-hidden bar out.
  virtual void ShowAutoHiddenBar() = 0;
  // The bar as it is now, with `screen` in the window's client coordinates.
  virtual DropGeometry Geometry(Point screen) = 0;
  // Stores the pitch the hit test used while none was measured.
  virtual void StoreDefaultPitch(int32_t pitch) = 0;
  // Whether Ctrl is held at this moment.
  virtual bool CtrlKeyDown() = 0;
  virtual void UpdateScrollStrips() = 0;
  // The application's error box with `message`.
  virtual void ShowError(const std::string& message) = 0;
};

struct DropServices {
  FolderModel& model;
  FileOps& files;
  ProgramStarter& programs;
  ListRowState& rows;
  DropHost& host;
};

// The part of a path after its last backslash or colon.
std::string DroppedName(const std::string& path);

class BarDrop {
 public:
  explicit BarDrop(const DropServices& services) : s_(services) {}

  // KrFileDropTarget1DragOverFiles: files over the bar slide it out.
  void DragOverFiles() { s_.host.ShowAutoHiddenBar(); }

  // KrFileDropTarget1DropFiles. Returns the effect to report to the drag's
  // source: DROPEFFECT_COPY when every file handled was copied, otherwise
  // none, so that no source deletes originals after a move that the shell
  // already made here, or after files were only handed to a program.
  uint32_t DropFiles(const FileList& droppedFiles);

 private:
  struct Target {
    std::string folder;  // where files and folders go
    bool ontoFolder = false;
    bool ontoShortcut = false;
    std::string shortcutPath;
  };
  Target TargetAt(const DropGeometry& g);
  void Reread();
  // Starts the program of the shortcut at `shortcutPath` with `documents`,
  // or says why not.
  void StartShortcut(const std::string& shortcutPath, const FileList& documents);

  DropServices s_;
};

}  // namespace olb
