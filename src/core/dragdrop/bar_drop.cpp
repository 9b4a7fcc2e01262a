#include "core/dragdrop/bar_drop.h"

#include "core/commands/file_operation.h"
#include "core/commands/item_names.h"
#include "core/commands/new_names.h"
#include "core/commands/row_finder.h"
#include "core/dragdrop/drop_effects.h"
#include "core/dragdrop/shortcut_launch.h"
#include "core/paths/path_text.h"

namespace olb {

DropTarget BarDrop::TargetAt(const DropGeometry& g) {
  DropTarget t;
  t.folder = services_.model.Paths().CurrentPath;
  if (g.pitch <= 0) services_.host.StoreDefaultPitch(kDefaultDropPitch);
  const std::optional<int32_t> row = DropHitRow(g);
  const ShellItem* item = row ? services_.model.GetItem(*row) : nullptr;
  ShellFolder* folder = services_.model.CurrentFolder();
  if (!item || !folder) return t;
  const std::string path = FullPathOf(services_.model, *item);
  if (services_.model.ItemIsFolder(*folder, item->RelPidl.get())) {
    t.folder = path;
    t.ontoFolder = true;
  } else if (!BetweenItems(g)) {
    // Near another item's side the files go between the two, into the
    // folder shown; a category takes them anywhere on its cell.
    t.shortcutPath = path;
    t.ontoShortcut = PathExtension(path) == ".lnk";
  }
  return t;
}

std::optional<int32_t> BarDrop::HighlightRowAt(Point screen) {
  const DropGeometry g = services_.host.Geometry(screen);
  const std::optional<int32_t> row = g.onWindow ? DropHitRow(g) : std::nullopt;
  const ShellItem* item = row ? services_.model.GetItem(*row) : nullptr;
  ShellFolder* folder = services_.model.CurrentFolder();
  if (!item || !folder) return std::nullopt;
  if (services_.model.ItemIsFolder(*folder, item->RelPidl.get())) return row;
  if (BetweenItems(g)) return std::nullopt;
  const std::string path = FullPathOf(services_.model, *item);
  if (PathExtension(path) != ".lnk") return std::nullopt;
  if (path != askedLink_) {
    askedLink_ = path;
    const std::optional<ShortcutLink> link = services_.programs.ReadShortcut(path);
    askedLinkIsProgram_ = link && IsProgramExtension(PathExtension(link->target));
  }
  return askedLinkIsProgram_ ? row : std::nullopt;
}

void BarDrop::Reread() {
  // A copy: the re-read replaces CurrentPath while it works.
  const std::string path = services_.model.Paths().CurrentPath;
  services_.model.OpenFolderByPath(path);
}

void BarDrop::StartShortcut(const std::string& shortcutPath, const FileList& documents) {
  const std::optional<ShortcutLink> link = services_.programs.ReadShortcut(shortcutPath);
  if (!link) return;
  std::string name = LeafName(shortcutPath);
  name.resize(name.size() - 4);  // without ".lnk"
  const ShortcutLaunch plan =
      PlanShortcutLaunch(name, *link, services_.files.FileExists(link->target), documents);
  if (const auto* refused = std::get_if<LaunchRefused>(&plan)) {
    services_.host.ShowError(refused->message);
  } else if (const auto* start = std::get_if<ProgramStart>(&plan)) {
    const std::string failure = services_.programs.StartProgram(*start);
    if (!failure.empty()) {
      services_.host.ShowError("\"" + name + "\" cannot start \"" + start->program +
                               "\": " + failure);
    }
  }
}

TDropEffects BarDrop::DropFiles(const FileList& droppedFiles, const DropRequest& request) {
  const Point screen = services_.host.CursorPos();
  // Painting and timers run before the drop is handled; the list handed in
  // is this call's own, so nothing they do can change it.
  services_.host.ProcessMessages();
  if (droppedFiles.empty()) return {TDropEffect::deNone};
  services_.host.ShowAutoHiddenBar();
  const DropGeometry g = services_.host.Geometry(screen);
  // The pointer moved off the bar before the drop got here: nothing to do.
  if (!g.onWindow) return {TDropEffect::deNone};
  const DropTarget target = TargetAt(g);
  if (const std::optional<std::string> refusal = RefusedDropTarget(target)) {
    services_.host.ShowError(*refusal);
    return {TDropEffect::deNone};
  }
  auto taken = [this](const std::string& p) {
    return services_.files.FileExists(p) || services_.files.DirectoryExists(p);
  };

  FileList documents;
  int moves = 0, copies = 0, links = 0;
  // What the last path left in the destination, to focus when it stays.
  std::string lastPlaced;
  // The first path whose new full path would pass the shell's limit.
  std::string tooLong;
  // Each path is planned as the one before left the disk: a shortcut made
  // takes its name, a folder moved takes what it held along.
  for (const std::string& path : droppedFiles) {
    lastPlaced.clear();
    const bool isFolder = services_.files.DirectoryExists(path);
    if (!isFolder && !services_.files.FileExists(path)) continue;
    const DropStep step = PlanDroppedPath(path, isFolder, target, request, taken);
    if (step.tooLong && tooLong.empty()) tooLong = LeafName(path);
    switch (step.action) {
      case DropAction::Argument:
        documents.push_back(path);
        break;
      case DropAction::Shortcut:
        if (services_.programs.CreateShortcut(step.to, path)) {
          ++links;
          lastPlaced = LeafName(step.to);
        }
        break;
      case DropAction::Move:
      case DropAction::Copy: {
        const bool copy = step.action == DropAction::Copy;
        FileOperation(services_.files, path, step.to, copy ? kFoCopy : kFoMove,
                      isFolder ? kFofAllowUndo : kFofNoErrorUi);
        ++(copy ? copies : moves);
        lastPlaced = LeafName(path);
        break;
      }
      case DropAction::Skip:
        break;
    }
  }
  if (!tooLong.empty())
    services_.host.ShowError(PathTooLongMessage("put \"" + tooLong + "\" here"));
  const TDropEffects effect = ReportedDropEffect(moves, copies, links);

  if (target.ontoShortcut && !documents.empty()) {
    StartShortcut(target.shortcutPath, documents);
    // Shortcuts or folders of the same drop went into the folder shown.
    if (moves + copies + links > 0) {
      Reread();
      services_.host.UpdateScrollStrips();
    }
    return effect;
  }

  Reread();
  const std::string& last = droppedFiles.back();
  if (!target.ontoFolder && !lastPlaced.empty() && services_.files.FileExists(last)) {
    if (std::optional<int32_t> row = FindCopiedRow(services_.model, lastPlaced)) {
      FocusFoundRow(services_.rows, *row);
    }
  }
  services_.host.UpdateScrollStrips();
  return effect;
}

}  // namespace olb
