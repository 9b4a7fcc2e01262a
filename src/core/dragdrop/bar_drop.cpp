#include "core/dragdrop/bar_drop.h"

#include "core/commands/file_operation.h"
#include "core/commands/item_paths.h"
#include "core/commands/row_finder.h"
#include "core/dragdrop/drop_effects.h"
#include "core/view/launch_rules.h"

namespace olb {

std::string DroppedName(const std::string& path) {
  const size_t cut = path.find_last_of("\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string TrimArguments(const std::string& text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  size_t first = 0, last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

bool IsProgramExtension(const std::string& lowerExtension) {
  return lowerExtension == ".exe" || lowerExtension == ".com" || lowerExtension == ".bat";
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
  const std::string prefix = FolderPrefix(target.folder);

  std::string arguments;
  int operations = 0, copies = 0;
  for (const std::string& path : droppedFiles) {
    const bool isFolder = s_.files.DirectoryExists(path);
    if (!isFolder && !s_.files.FileExists(path)) continue;
    if (!isFolder && target.ontoShortcut && PathExtension(path) != ".lnk") {
      arguments += "\"" + path + "\" ";
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

  if (target.ontoShortcut && !arguments.empty()) {
    const std::string program = s_.programs.ShortcutTarget(target.shortcutPath);
    if (IsProgramExtension(PathExtension(program))) {
      s_.programs.StartProgram(program, TrimArguments(arguments));
    }
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
