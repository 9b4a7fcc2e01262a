// Documents dropped on a program's shortcut: the process start they ask
// for, or the reason it is refused. Nothing in a shortcut or a dropped name
// may choose another program or run a command the user did not ask for.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "core/dragdrop/drop_files.h"
#include "core/platform/program_starter.h"

namespace olb {

// Programs that take dropped files as arguments (lower-case extensions).
bool IsProgramExtension(const std::string& lowerExtension);
// Batch files, which the command interpreter runs: it reads "%" in their
// arguments as the start of a variable, even inside quotes.
bool IsBatchExtension(const std::string& lowerExtension);

// One argument in double quotes, read back as itself by the usual
// command-line rules: backslashes before the closing quote are doubled.
// The caller has refused text holding a quote.
std::string QuoteArgument(std::string_view text);

// The argument text's trim: blanks and control characters at both ends.
std::string TrimArguments(const std::string& text);

struct LaunchRefused {
  std::string message;  // names the shortcut and what is wrong
};
struct LaunchIgnored {};  // the shortcut is not one of a program

using ShortcutLaunch = std::variant<ProgramStart, LaunchRefused, LaunchIgnored>;

// The start for `documents` dropped on the shortcut called `shortcutName`
// holding `link`: the program is the target itself, its command line the
// quoted target, the shortcut's own arguments, then each document quoted;
// its directory the shortcut's working directory. Refused when the target
// holds a quote or a control character or is not an existing file
// (`targetIsFile`), when a document holds one, and when a document or the
// target of a batch file holds "%".
ShortcutLaunch PlanShortcutLaunch(std::string_view shortcutName, const ShortcutLink& link,
                                  bool targetIsFile, const FileList& documents);

}  // namespace olb
