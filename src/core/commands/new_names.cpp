#include "core/commands/new_names.h"

#include "core/folder/folder_model.h"
#include "core/paths/path_text.h"
#include "core/platform/utf16.h"

namespace olb {

bool RenameHitsAnotherItem(const RenameMove& move, bool destinationExists) {
  if (!destinationExists) return false;
  const bool sameItem = EqualNoCase(move.from, move.to);
  return !sameItem;
}

std::string RenameTakenMessage(std::string_view typed) {
  std::string message = "Cannot rename: an item named \"";
  message.append(typed).append("\" already exists in this folder.");
  return message;
}

std::string RenameFailedMessage(std::string_view caption, std::string_view typed) {
  std::string message = "Cannot rename \"";
  message.append(caption)
      .append("\" to \"")
      .append(typed)
      .append(
          "\". The name may contain characters that are not allowed, be too long, or the "
          "item may be in use.");
  return message;
}

bool FitsPathLimit(std::string_view path) {
  return Utf8ToUtf16(path).size() < kShellPathLimit;
}

std::string PathTooLongMessage(std::string_view what) {
  std::string message = "Cannot ";
  message.append(what)
      .append(": its full path would be longer than the ")
      .append(std::to_string(kShellPathLimit))
      .append(" characters Windows allows.");
  return message;
}

std::optional<std::string> FirstFreeName(std::string_view base, std::string_view suffix,
                                         const PathTaken& taken) {
  for (int n = 1; n <= 999; ++n) {
    std::string path(base);
    if (n > 1) path.append(" (").append(std::to_string(n)).append(")");
    path.append(suffix);
    if (!taken(path)) return path;
  }
  return std::nullopt;
}

std::optional<std::string> ChosenShortcutPath(std::string_view prefix, std::string_view chosen,
                                              const PathTaken& taken) {
  const std::string name = FileNamePart(chosen);
  const std::string ext = PathExtension(name);
  const bool copied = ext == ".lnk" || ext == ".url";
  const std::string stem = name.substr(0, name.size() - ext.size());
  if (stem.empty()) return std::nullopt;
  std::string base(prefix);
  base.append(stem);
  return FirstFreeName(base, copied ? name.substr(stem.size()) : ".lnk", taken);
}

std::string NearestExistingFolder(std::string_view current, std::string_view root,
                                  const PathTaken& exists) {
  if (root.empty()) return std::string(current);
  const std::string top(WithoutTrailingBackslashes(root));
  std::string path(current);
  // Only folders below the root are walked; anything else falls back to it.
  const auto below = [&top](const std::string& p) {
    return p.size() > top.size() && StartsWithNoCase(p, top) &&
           (top.back() == '\\' || p[top.size()] == '\\');
  };
  while (below(path)) {
    if (exists(path)) return path;
    path = PathFolder(path);
  }
  return top;
}

namespace {

// The last name of a folder path, which may end with a backslash.
std::string FolderName(std::string_view path) {
  path = WithoutTrailingBackslashes(path);
  const std::string name = FileNamePart(path);
  return name.empty() ? std::string(path) : name;
}

}  // namespace

std::string RootGoneQuestion(std::string_view root) {
  std::string question = "The bar's folder \"";
  question.append(root).append(
      "\" was removed or renamed outside the bar.\n\nMake it again, empty? (No leaves the bar "
      "empty until the folder is back; F5 looks again.)");
  return question;
}

std::string FolderGoneMessage(std::string_view gone, std::string_view shown) {
  std::string message = "The folder \"";
  message.append(FolderName(gone))
      .append("\" was removed or renamed outside the bar. The bar now shows \"")
      .append(FolderName(shown))
      .append("\".");
  return message;
}

}  // namespace olb
