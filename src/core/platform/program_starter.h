// Port: the two platform calls a drop onto a program's shortcut needs.
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
};

}  // namespace olb
