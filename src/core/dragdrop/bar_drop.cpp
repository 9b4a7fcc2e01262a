#include "core/dragdrop/bar_drop.h"

#include "core/commands/file_operation.h"
#include "core/commands/item_names.h"
#include "core/commands/new_names.h"
#include "core/commands/row_finder.h"
#include "core/dragdrop/drop_effects.h"
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

BarDrop::Target BarDrop::TargetAt(const DropGeometry& g) {
  Target t;
  t.folder = s_.model.Paths().CurrentPath;
  if (g.pitch <= 0) s_.host.StoreDefaultPitch(kDefaultDropPitch);
  const std::optional<int32_t> row = DropHitRow(g);
  const PShellItem* item = row ? s_.model.GetItem(*row) : nullptr;
  ShellFolder* folder = s_.model.CurrentFolder();
  if (!item || !folder) return t;
  const std::string path = FullPathOf(s_.model, *item);
  if (s_.model.ItemIsFolder(*folder, item->RelPidl.get())) {
    t.folder = path;
    t.ontoFolder = true;
  } else {
    t.shortcutPath = path;
    t.ontoShortcut = PathExtension(path) == ".lnk";
  }
  return t;
}

std::optional<int32_t> BarDrop::HighlightRowAt(Point screen) {
  const DropGeometry g = s_.host.Geometry(screen);
  const std::optional<int32_t> row = g.onWindow ? DropHitRow(g) : std::nullopt;
  const PShellItem* item = row ? s_.model.GetItem(*row) : nullptr;
  ShellFolder* folder = s_.model.CurrentFolder();
  if (!item || !folder) return std::nullopt;
  if (s_.model.ItemIsFolder(*folder, item->RelPidl.get())) return row;
  const std::string path = FullPathOf(s_.model, *item);
  if (PathExtension(path) != ".lnk") return std::nullopt;
  if (path != askedLink_) {
    askedLink_ = path;
    const std::optional<ShortcutLink> link = s_.programs.ReadShortcut(path);
    askedLinkIsProgram_ = link && IsProgramExtension(PathExtension(link->target));
  }
  return askedLinkIsProgram_ ? row : std::nullopt;
}

void BarDrop::Reread() {
  // A copy: the re-read replaces CurrentPath while it works.
  const std::string path = s_.model.Paths().CurrentPath;
  s_.model.OpenFolderByPath(path);
}

void BarDrop::StartShortcut(const std::string& shortcutPath, const FileList& documents) {
  const std::optional<ShortcutLink> link = s_.programs.ReadShortcut(shortcutPath);
  if (!link) return;
  std::string name = LeafName(shortcutPath);
  name.resize(name.size() - 4);  // without ".lnk"
  const ShortcutLaunch plan =
      PlanShortcutLaunch(name, *link, s_.files.FileExists(link->target), documents);
  if (const auto* refused = std::get_if<LaunchRefused>(&plan)) {
    s_.host.ShowError(refused->message);
  } else if (const auto* start = std::get_if<ProgramStart>(&plan)) {
    const std::string failure = s_.programs.StartProgram(*start);
    if (!failure.empty()) {
      s_.host.ShowError("\"" + name + "\" cannot start \"" + start->program + "\": " + failure);
    }
  }
}

uint32_t BarDrop::DropFiles(const FileList& droppedFiles, const DropRequest& request) {
  const Point screen = s_.host.CursorPos();
  // Painting and timers run before the drop is handled; the list handed in
  // is this call's own, so nothing they do can change it.
  s_.host.ProcessMessages();
  if (droppedFiles.empty()) return kDropEffectNone;
  s_.host.ShowAutoHiddenBar();
  const DropGeometry g = s_.host.Geometry(screen);
  // The pointer moved off the bar before the drop got here: nothing to do.
  if (!g.onWindow) return kDropEffectNone;
  const Target target = TargetAt(g);
  // The shell would read such a folder's path as another folder's.
  if (target.ontoFolder && !NamesItemExactly(FileNamePart(target.folder))) {
    s_.host.ShowError("Cannot put files into \"" + FileNamePart(target.folder) +
                      "\": Windows would read its name as another folder's.");
    return kDropEffectNone;
  }
  const std::string prefix = FolderPrefix(target.folder);
  auto taken = [this](const std::string& p) {
    return s_.files.FileExists(p) || s_.files.DirectoryExists(p);
  };

  FileList documents;
  int moves = 0, copies = 0, links = 0;
  // What the last path left in the destination, to focus when it stays.
  std::string lastPlaced;
  // The first path whose new full path would pass the shell's limit.
  std::string tooLong;
  const auto fits = [&tooLong](const std::string& path, const std::string& placed) {
    if (FitsPathLimit(placed)) return true;
    if (tooLong.empty()) tooLong = LeafName(path);
    return false;
  };
  for (const std::string& path : droppedFiles) {
    lastPlaced.clear();
    const bool isFolder = s_.files.DirectoryExists(path);
    if (!isFolder && !s_.files.FileExists(path)) continue;
    // The key state of the drop itself decides, not the keys held now: the
    // drag may come from another program, whose keys this thread never saw.
    const DropAction action =
        ActionForDroppedPath(isFolder, target.ontoShortcut, PathExtension(path), request,
                             !OnSameVolume(path, target.folder));
    if (action == DropAction::Argument) {
      documents.push_back(path);
      continue;
    }
    if (action == DropAction::Skip) continue;
    if (action == DropAction::Shortcut) {
      const std::optional<std::string> link = NewShortcutPath(prefix, path, taken);
      if (link && fits(path, *link) && s_.programs.CreateShortcut(*link, path)) {
        ++links;
        lastPlaced = LeafName(*link);
      }
      continue;
    }
    // An item of the bar dropped back where it is, or a folder onto itself
    // (a short accidental drag): nothing to move, and no error from the shell.
    const std::string to = prefix + LeafName(path);
    if (EqualNoCase(to, path) || EqualNoCase(target.folder, path) || !fits(path, to)) continue;
    const bool copy = action == DropAction::Copy;
    FileOperation(s_.files, path, to, copy ? kFoCopy : kFoMove,
                  isFolder ? kFofAllowUndo : kFofNoErrorUi);
    ++(copy ? copies : moves);
    lastPlaced = LeafName(path);
  }
  if (!tooLong.empty()) s_.host.ShowError(PathTooLongMessage("put \"" + tooLong + "\" here"));
  uint32_t effect = kDropEffectNone;
  if (moves == 0 && copies > 0) effect = kDropEffectCopy;
  if (moves == 0 && copies == 0 && links > 0) effect = kDropEffectLink;

  if (target.ontoShortcut && !documents.empty()) {
    StartShortcut(target.shortcutPath, documents);
    // Shortcuts or folders of the same drop went into the folder shown.
    if (moves + copies + links > 0) {
      Reread();
      s_.host.UpdateScrollStrips();
    }
    return effect;
  }

  Reread();
  const std::string& last = droppedFiles.back();
  if (!target.ontoFolder && !lastPlaced.empty() && s_.files.FileExists(last)) {
    if (std::optional<int32_t> row = FindCopiedRow(s_.model, lastPlaced)) {
      FocusFoundRow(s_.rows, *row);
    }
  }
  s_.host.UpdateScrollStrips();
  return effect;
}

}  // namespace olb
