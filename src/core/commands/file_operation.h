// Moving, copying and deleting existing files through the shell, so that its
// confirmations, progress, undo (the recycle bin) and error reports apply.
// The bar never changes an existing file by itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include <string_view>

#include "core/platform/file_ops.h"

namespace olb {

// The path list the shell reads for one path (see ShellFileOperation).
std::u16string PathList(std::string_view path);

// "Moving...", "Copying...", "Deleting...", "Renaming..." for kFoMove to
// kFoRename; absent (a null title) for any other code.
std::optional<std::u16string> ProgressTitle(int32_t operation);

// The shell's flags word: the low 16 bits of `flags`.
constexpr uint16_t FlagsWord(int32_t flags) {
  return static_cast<uint16_t>(static_cast<uint32_t>(flags) & 0xFFFFu);
}

// The operation as handed to the shell. The code is passed as it is.
ShellFileOperation BuildFileOperation(std::string_view from, std::string_view to, int32_t operation,
                                      int32_t flags);

// Runs one operation; true exactly when the shell reported success. A path
// holding a NUL would reach the shell as two paths, so such an operation is
// refused (false) without asking the shell.
bool FileOperation(FileOps& ops, const std::string& from, const std::string& to, int32_t operation,
                   int32_t flags);

// The paths DeleteSH never hands to the shell: exactly "Control Panel" or
// "Recycle Bin", the empty path, and any path containing "nethood" (all
// compared with case).
bool IsDeleteGuarded(std::string_view path);

// Sends `path` to the recycle bin after the shell's confirmation, unless it
// is guarded.
void DeleteSH(FileOps& ops, const std::string& path);
// Sends every path to the recycle bin in one operation: one question of the
// shell's and one undo. Guarded paths and paths holding a zero are left out.
void DeleteAllSH(FileOps& ops, const std::vector<std::string>& paths);

}  // namespace olb
