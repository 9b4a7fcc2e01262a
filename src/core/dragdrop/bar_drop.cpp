#include "core/dragdrop/bar_drop.h"

#include "core/commands/file_operation.h"
#include "core/commands/item_names.h"
#include "core/commands/item_paths.h"
#include "core/commands/row_finder.h"
#include "core/dragdrop/drop_effects.h"
#include "core/dragdrop/shortcut_launch.h"
#include "core/view/launch_rules.h"

namespace olb {

std::string DroppedName(const std::string& path) {
  const size_t cut = path.find_last_of("\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

namespace {

bool SamePath(const std::string& a, const std::string& b) {
  return a.size() == b.size() && EndsWithNoCase(a, b);
}

}  // namespace

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

void BarDrop::Reread() {
  // A copy: the re-read replaces CurrentPath while it works.
  const std::string path = s_.model.Paths().CurrentPath;
  s_.model.OpenFolderByPath(path);
}

void BarDrop::StartShortcut(const std::string& shortcutPath, const FileList& documents) {
  const std::optional<ShortcutLink> link = s_.programs.ReadShortcut(shortcutPath);
  if (!link) return;
  std::string name = DroppedName(shortcutPath);
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

uint32_t BarDrop::DropFiles(const FileList& droppedFiles) {
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

  FileList documents;
  int operations = 0, copies = 0;
  for (const std::string& path : droppedFiles) {
    const bool isFolder = s_.files.DirectoryExists(path);
    if (!isFolder && !s_.files.FileExists(path)) continue;
    if (!isFolder && target.ontoShortcut && PathExtension(path) != ".lnk") {
      documents.push_back(path);
      continue;
    }
    // An item of the bar dropped back where it is, or a folder onto itself
    // (a short accidental drag): nothing to move, and no error from the shell.
    const std::string to = prefix + DroppedName(path);
    if (SamePath(to, path) || SamePath(target.folder, path)) continue;
    // Decided per path: the user may press or release Ctrl while the shell
    // asks about an earlier one.
    const int32_t op = s_.host.CtrlKeyDown() ? kFoCopy : kFoMove;
    FileOperation(s_.files, path, to, op, isFolder ? kFofAllowUndo : kFofNoErrorUi);
    ++operations;
    if (op == kFoCopy) ++copies;
  }
  const uint32_t effect =
      operations > 0 && copies == operations ? kDropEffectCopy : kDropEffectNone;

  if (target.ontoShortcut && !documents.empty()) {
    StartShortcut(target.shortcutPath, documents);
    // Shortcuts or folders of the same drop went into the folder shown.
    if (operations > 0) {
      Reread();
      s_.host.UpdateScrollStrips();
    }
    return effect;
  }

  Reread();
  const std::string& last = droppedFiles.back();
  if (!target.ontoFolder && s_.files.FileExists(last)) {
    if (std::optional<int32_t> row = FindCopiedRow(s_.model, DroppedName(last))) {
      FocusFoundRow(s_.rows, *row);
    }
  }
  s_.host.UpdateScrollStrips();
  return effect;
}

}  // namespace olb
