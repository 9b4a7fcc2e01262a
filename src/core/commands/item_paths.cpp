#include "core/commands/item_paths.h"

#include "core/folder/launch_rules.h"

namespace olb {
namespace {

char FoldAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The file name's extension from its last "." on, with its case as stored.
std::string StoredExtension(std::string_view fullPath) {
  const std::string name = FileNamePart(fullPath);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

}  // namespace

std::string FolderPrefix(std::string_view currentPath) {
  std::string prefix(currentPath);
  if (prefix.empty() || prefix.back() != '\\') prefix += '\\';
  return prefix;
}

std::string FileNamePart(std::string_view path) {
  const size_t slash = path.rfind('\\');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  if (suffix.size() > text.size()) return false;
  const std::string_view tail = text.substr(text.size() - suffix.size());
  for (size_t i = 0; i < suffix.size(); ++i) {
    if (FoldAscii(tail[i]) != FoldAscii(suffix[i])) return false;
  }
  return true;
}

RenameMove FolderRenameMove(std::string_view prefix, std::string_view caption,
                            std::string_view typed) {
  const std::string p(prefix);
  return {p + std::string(caption), p + std::string(typed)};
}

RenameMove FileRenameMove(std::string_view prefix, std::string_view caption,
                          std::string_view fullPath, std::string_view typed) {
  RenameMove move{std::string(fullPath), std::string(prefix) + std::string(typed)};
  const std::string lower = PathExtension(fullPath);
  if (lower == ".lnk" || lower == ".url") {
    // A typed "Tools.lnk" names the same file as "Tools", in lower case.
    if (EndsWithNoCase(typed, lower)) move.to.resize(move.to.size() - lower.size());
    move.to += lower;
    return move;
  }
  // The caption hid the extension when it is the file name without it.
  const std::string name = FileNamePart(fullPath);
  const std::string stored = StoredExtension(fullPath);
  move.captionHidExtension = !stored.empty() && name.size() == caption.size() + stored.size() &&
                             EndsWithNoCase(name, stored) &&
                             EndsWithNoCase(name.substr(0, caption.size()), caption);
  if (move.captionHidExtension && !EndsWithNoCase(typed, stored)) move.to += stored;
  return move;
}

}  // namespace olb
