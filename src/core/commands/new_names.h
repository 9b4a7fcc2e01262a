// Names the item commands give or refuse: a rename onto a taken name, the
// file name of a new shortcut, the folder to fall back to when the one shown
// has gone.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/commands/item_paths.h"

namespace olb {

// Whether a path names an existing file or folder.
using PathTaken = std::function<bool(const std::string& path)>;

// A rename replaces or swallows another item when its destination exists
// and is not the item itself under another case of its letters (A to Z
// compared without case, as the file system does).
bool RenameHitsAnotherItem(const RenameMove& move, bool destinationExists);

// The message shown when the typed name is taken.
std::string RenameTakenMessage(std::string_view typed);
// The message shown when the shell did not rename the item.
std::string RenameFailedMessage(std::string_view caption, std::string_view typed);

// Whether a new path for an item stays within the shell's limit of 260
// characters (UTF-16 units) with the NUL that ends it: a longer one could
// be made, but then neither opened, renamed nor deleted through the shell.
bool FitsPathLimit(std::string_view path);
// Why a new name for an item is refused: "Cannot <what>: its full path
// would be longer than the 260 characters Windows allows."
std::string PathTooLongMessage(std::string_view what);

// The first of `base` + `suffix`, `base` + " (2)" + `suffix`, and so on up
// to " (999)", that is not taken; nullopt when all are.
std::optional<std::string> FirstFreeName(std::string_view base, std::string_view suffix,
                                         const PathTaken& taken);

// The path of the shortcut New Shortcut makes in `prefix` for `chosen`: its
// file name without the extension, plus ".lnk"; a chosen shortcut (.lnk or
// .url) keeps its own extension, since it is copied as it is. A taken name
// is numbered as FirstFreeName does; nullopt when the name is empty.
std::optional<std::string> ChosenShortcutPath(std::string_view prefix, std::string_view chosen,
                                              const PathTaken& taken);

// The folder to show when `current` is gone: the nearest folder above it
// that still exists, never above `root` (which is returned at worst, even
// when it is gone too). `root` may end with a backslash.
std::string NearestExistingFolder(std::string_view current, std::string_view root,
                                  const PathTaken& exists);

// The question asked when the bar's root folder `root` is gone: it names the
// folder and offers to make it again.
std::string RootGoneQuestion(std::string_view root);

// The message shown after falling back from `gone` to `shown`: it names
// both folders by their own names.
std::string FolderGoneMessage(std::string_view gone, std::string_view shown);

}  // namespace olb
