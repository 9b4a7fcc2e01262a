// Files dropped onto the bar: moved (copied with Ctrl, linked with Ctrl+Shift)
// into the folder shown or into the folder item under the pointer, or handed
// as arguments to the program behind the shortcut item under the pointer.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/dragdrop/drop_effects.h"
#include "core/dragdrop/drop_files.h"
#include "core/dragdrop/drop_hit.h"
#include "core/dragdrop/drop_plan.h"
#include "core/platform/file_ops.h"
#include "core/platform/list_row_state.h"
#include "core/platform/program_starter.h"
#include "core/folder/folder_model.h"

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

class BarDrop {
 public:
  explicit BarDrop(const DropServices& services) : services_(services) {}

  // DragFilesOverBar: files over the bar slide it out.
  void DragOverFiles() { services_.host.ShowAutoHiddenBar(); }

  // The item to show drop-highlighted with the pointer at `screen`: a
  // folder item, or a shortcut item whose target is a program.
  std::optional<int32_t> HighlightRowAt(Point screen);

  // DropFilesOnBar: carries out the plan of each dropped path.
  // Returns the effect to report to the drag's source (ReportedDropEffect).
  TDropEffects DropFiles(const FileList& droppedFiles, const DropRequest& request);

 private:
  DropTarget TargetAt(const DropGeometry& g);
  void Reread();
  // Starts the program of the shortcut at `shortcutPath` with `documents`,
  // or says why not.
  void StartShortcut(const std::string& shortcutPath, const FileList& documents);

  DropServices services_;
  // The last shortcut asked about while dragging, and whether it starts a
  // program: the pointer rests on one item for many DragOver calls.
  std::string askedLink_;
  bool askedLinkIsProgram_ = false;
};

}  // namespace olb
