// Port: the platform calls a drop onto the bar needs for programs and
// shortcuts.
#pragma once

#include <optional>
#include <string>

namespace olb {

// What a shortcut file holds, as stored (the link is not resolved).
struct ShortcutLink {
  std::string target;
  std::string arguments;
  std::string workingDirectory;

  friend bool operator==(const ShortcutLink&, const ShortcutLink&) = default;
};

// One process start: `program` is the file run (CreateProcess's application
// name, so the command line's first token never chooses the program);
// `commandLine` is what the program reads as its command line; an empty
// `directory` leaves the bar's own working directory to the program.
struct ProgramStart {
  std::string program;
  std::string commandLine;
  std::string directory;

  friend bool operator==(const ProgramStart&, const ProgramStart&) = default;
};

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  // The shortcut file's contents; nullopt when the file cannot be read as a
  // shortcut. Raises ComError when the shell's link object cannot be made.
  virtual std::optional<ShortcutLink> ReadShortcut(const std::string& linkPath) = 0;
  // Starts the program; an empty text when it started, otherwise the
  // system's reason.
  virtual std::string StartProgram(const ProgramStart& start) = 0;
  // Saves a new shortcut file `linkPath` pointing at `target` (started in
  // the target's own folder); false when it could not be saved.
  virtual bool CreateShortcut(const std::string& linkPath, const std::string& target) = 0;
};

}  // namespace olb
