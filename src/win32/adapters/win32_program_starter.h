// The program-starter port: shortcuts read and saved through the shell's
// link object, programs started with CreateProcessW.
#pragma once

#include "core/platform/program_starter.h"

namespace olb::win {

class Win32ProgramStarter : public ProgramStarter {
 public:
  std::optional<ShortcutLink> ReadShortcut(const std::string& linkPath) override;
  std::string StartProgram(const ProgramStart& start) override;
  bool CreateShortcut(const std::string& linkPath, const std::string& target) override;
};

}  // namespace olb::win
