#include "core/dragdrop/drop_plan.h"

#include "core/commands/item_names.h"
#include "core/commands/new_names.h"
#include "core/dragdrop/shortcut_launch.h"
#include "core/paths/path_text.h"

namespace olb {

DropAction ActionForDroppedPath(bool isFolder, bool ontoShortcut, const std::string& lowerExtension,
                                const DropRequest& request, bool otherVolume) {
  if (!isFolder && ontoShortcut && lowerExtension != ".lnk") return DropAction::Argument;
  if (request.effect.Has(TDropEffect::deLink)) return DropAction::Shortcut;
  if (request.effect.Has(TDropEffect::deCopy)) return DropAction::Copy;
  if (!request.effect.Has(TDropEffect::deMove)) return DropAction::Skip;
  const bool program = IsProgramExtension(lowerExtension);
  if (!isFolder && program && !request.shift.Has(TShift::Shift)) return DropAction::Shortcut;
  return otherVolume && !request.shift.Has(TShift::Shift) ? DropAction::Copy : DropAction::Move;
}

std::optional<std::string> NewShortcutPath(const std::string& prefix, const std::string& path,
                                           const std::function<bool(const std::string&)>& taken) {
  std::string stem = LeafName(path);
  const std::string ext = PathExtension(stem);
  if (IsProgramExtension(ext) || ext == ".lnk") {
    stem.resize(stem.size() - ext.size());
  }
  return FirstFreeName(prefix + stem, ".lnk", taken);
}

DropStep PlanDroppedPath(const std::string& path, bool isFolder, const DropTarget& target,
                         const DropRequest& request,
                         const std::function<bool(const std::string&)>& taken) {
  const DropAction action = ActionForDroppedPath(isFolder, target.ontoShortcut, PathExtension(path),
                                                 request, !OnSameVolume(path, target.folder));
  const std::string prefix = FolderPrefix(target.folder);
  DropStep step;
  switch (action) {
    case DropAction::Argument:
      step.action = action;
      return step;
    case DropAction::Skip:
      return step;
    case DropAction::Shortcut:
      if (std::optional<std::string> link = NewShortcutPath(prefix, path, taken)) {
        step.tooLong = !FitsPathLimit(*link);
        if (!step.tooLong) step = {action, *link};
      }
      return step;
    case DropAction::Move:
    case DropAction::Copy:
      break;
  }
  const std::string to = prefix + LeafName(path);
  if (EqualNoCase(to, path) || EqualNoCase(target.folder, path)) return step;
  step.tooLong = !FitsPathLimit(to);
  if (!step.tooLong) step = {action, to};
  return step;
}

std::optional<std::string> RefusedDropTarget(const DropTarget& target) {
  // The shell would read such a folder's path as another folder's.
  if (!target.ontoFolder || NamesItemExactly(FileNamePart(target.folder))) return std::nullopt;
  return "Cannot put files into \"" + FileNamePart(target.folder) +
         "\": Windows would read its name as another folder's.";
}

TDropEffects ReportedDropEffect(int moves, int copies, int links) {
  if (moves == 0 && copies > 0) return {TDropEffect::deNone, TDropEffect::deCopy};
  if (moves == 0 && copies == 0 && links > 0) return {TDropEffect::deNone, TDropEffect::deLink};
  return {TDropEffect::deNone};
}

}  // namespace olb
