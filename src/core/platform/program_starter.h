// Port: the platform calls a drop onto the bar needs for programs and
// shortcuts.
#pragma once

#include <string>

namespace olb {

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  // The path a shortcut file points at, as stored (the link is not
  // resolved); empty when the file cannot be read as a shortcut. Raises
  // ComError when the shell's link object cannot be made at all.
  virtual std::string ShortcutTarget(const std::string& linkPath) = 0;
  // Starts `program` with `arguments` as its command-line arguments;
  // false when it could not be started.
  virtual bool StartProgram(const std::string& program, const std::string& arguments) = 0;
  // Saves a new shortcut file `linkPath` pointing at `target` (started in
  // the target's own folder); false when it could not be saved.
  virtual bool CreateShortcut(const std::string& linkPath, const std::string& target) = 0;
};

}  // namespace olb
