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

// The drop as OLE hands it over: the keys held at the drop, and the effect
// the target chose for them among those the source allows.
struct DropRequest {
  TShiftState shift;
  TDropEffects effect;
};

// What happens to one dropped path that exists.
enum class DropAction { Argument, Move, Copy, Shortcut, Skip };
// A file dropped onto a program's shortcut is its argument; a link drop
// makes shortcuts; a plain drop of a program file makes a shortcut too, so
// an installed program stays where it works (Shift asks for the move). A
// plain drop from `otherVolume` copies, as the shell does (Shift moves).
DropAction ActionForDroppedPath(bool isFolder, bool ontoShortcut, const std::string& lowerExtension,
                                const DropRequest& request, bool otherVolume = false);
// The name of a new shortcut to `path` in the folder with `prefix`, not
// taken yet: "tool.lnk" for "tool.exe", "notes.txt.lnk" for a document,
// then "tool (2).lnk" and on; nullopt when every number is taken.
std::optional<std::string> NewShortcutPath(const std::string& prefix, const std::string& path,
                                           const std::function<bool(const std::string&)>& taken);

class BarDrop {
 public:
  explicit BarDrop(const DropServices& services) : s_(services) {}

  // KrFileDropTarget1DragOverFiles: files over the bar slide it out.
  void DragOverFiles() { s_.host.ShowAutoHiddenBar(); }

  // The item to show drop-highlighted with the pointer at `screen`: a
  // folder item, or a shortcut item whose target is a program.
  std::optional<int32_t> HighlightRowAt(Point screen);

  // KrFileDropTarget1DropFiles. Returns the effect to report to the drag's
  // source: none after any move (the shell already made it here, so no
  // source may delete originals) or when files were only handed to a
  // program; DROPEFFECT_COPY when copies were made; DROPEFFECT_LINK when
  // only shortcuts were.
  uint32_t DropFiles(const FileList& droppedFiles, const DropRequest& request);

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
  // The last shortcut asked about while dragging, and whether it starts a
  // program: the pointer rests on one item for many DragOver calls.
  std::string askedLink_;
  bool askedLinkIsProgram_ = false;
};

}  // namespace olb
