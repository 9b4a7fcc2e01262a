// The source and destination of an in-place rename, as pure functions of
// the names.
#pragma once

#include <string>
#include <string_view>

namespace olb {

struct RenameMove {
  std::string from;
  std::string to;
  // The caption hid the file's extension, so the renamed item's caption is
  // not the typed text when that text carries the extension.
  bool captionHidExtension = false;

  friend bool operator==(const RenameMove&, const RenameMove&) = default;
};

// A folder is moved by its caption: `prefix` + caption to `prefix` + typed.
RenameMove FolderRenameMove(std::string_view prefix, std::string_view caption,
                            std::string_view typed);

// A file is moved by its full path. A shortcut (.lnk or .url in any case)
// keeps its extension in lower case after the typed name, which may carry
// that extension itself (it is not doubled). Any other file
// whose caption is its file name without the extension (the shell hides
// known extensions) keeps that extension as stored, unless the typed name
// already ends with it (compared without case); a file whose caption shows
// its whole name gets the typed name as it is.
RenameMove FileRenameMove(std::string_view prefix, std::string_view caption,
                          std::string_view fullPath, std::string_view typed);

}  // namespace olb
