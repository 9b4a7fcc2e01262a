#include "core/commands/item_paths.h"

#include "core/paths/path_text.h"

namespace olb {

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
                             EndsWithNoCase(name, stored) && StartsWithNoCase(name, caption);
  if (move.captionHidExtension && !EndsWithNoCase(typed, stored)) move.to += stored;
  return move;
}

}  // namespace olb
