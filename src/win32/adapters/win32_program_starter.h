// The program-starter port: shortcut targets through the shell's link
// object, programs through CreateProcessW, new shortcuts saved by it.
#pragma once

#include "core/platform/program_starter.h"

namespace olb::win {

class Win32ProgramStarter : public ProgramStarter {
 public:
  std::string ShortcutTarget(const std::string& linkPath) override;
  bool StartProgram(const std::string& program, const std::string& arguments) override;
  bool CreateShortcut(const std::string& linkPath, const std::string& target) override;
};

// The command line: the program in quotes (a path with a blank must not be
// read as a shorter program followed by arguments), a blank, the arguments.
std::wstring ProgramCommandLine(const std::string& program, const std::string& arguments);

}  // namespace olb::win
