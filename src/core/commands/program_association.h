// The program registered to open files of an extension.
#pragma once

#include <string>
#include <string_view>

#include "core/platform/registry.h"

namespace olb {

// Strips a registered command line down to the program: everything from the
// first "%" is cut, then one leading and one trailing double quote, then any
// trailing blanks and double quotes. Arguments before the first "%" stay.
std::string CleanRegisteredCommand(std::string command);

// `extension` comes without its dot. Reads, under the classes root, the
// extension's own open command, else its class's open command, else the
// class name itself; empty when the extension is not registered. The result
// is cleaned by CleanRegisteredCommand.
std::string GetProgramAssociation(Registry& registry, std::string_view extension);

}  // namespace olb
