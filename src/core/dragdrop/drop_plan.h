// The plan of a drop onto the bar, path by path: what becomes of each
// dropped file or folder and where it goes, and the effect the drag's
// source is told. Pure: the caller says what is on disk.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/dragdrop/drop_effects.h"

namespace olb {

// The drop as OLE hands it over: the keys held at the drop, and the effect
// the target chose for them among those the source allows.
struct DropRequest {
  TShiftState shift;
  TDropEffects effect;
};

// Where a drop lands.
struct DropTarget {
  std::string folder;  // where files and folders go
  bool ontoFolder = false;
  bool ontoShortcut = false;
  std::string shortcutPath;
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

// One dropped path's step: its action and the full path it makes (the
// shortcut, or the moved or copied item). Skip when there is nothing to
// do: no free shortcut name, the item is where it would go (an item of the
// bar dropped back, a folder onto itself: a short accidental drag), or the
// new path would pass the shell's limit (`tooLong`).
struct DropStep {
  DropAction action = DropAction::Skip;
  std::string to;
  bool tooLong = false;
};
// The step for `path`, a file or folder (`isFolder`) that exists, dropped
// onto `target`; `taken` says whether a path is in use. The key state of
// the drop itself decides, not the keys held now: the drag may come from
// another program, whose keys this thread never saw.
DropStep PlanDroppedPath(const std::string& path, bool isFolder, const DropTarget& target,
                         const DropRequest& request,
                         const std::function<bool(const std::string&)>& taken);

// Why nothing may be dropped onto `target`; nothing when it takes drops.
std::optional<std::string> RefusedDropTarget(const DropTarget& target);

// The effect the drag's source is told: none after any move (the shell
// already made it here, so no source may delete originals) or when files
// were only handed to a program; a copy when copies were made; a link when
// only shortcuts were.
TDropEffects ReportedDropEffect(int moves, int copies, int links);

}  // namespace olb
