// Reads one folder's direct entries as the bar shows them, for the find
// index. Uses nothing but the shell namespace it is given, so it may run on
// any thread that may use that namespace.
#pragma once

#include <string_view>

#include "core/find/find_index.h"
#include "core/platform/shell_namespace.h"

namespace olb {

// The direct entries of the folder at `path` (full path, no trailing
// backslash) in the folder's own order: their captions, their names on disk
// and whether each is a folder. Not `ok` when the shell cannot list it.
FolderListing ListFolder(ShellNamespace& shell, std::string_view path);

}  // namespace olb
