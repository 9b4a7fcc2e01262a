// The running program's own file.
#pragma once

#include <string>

namespace olb::win {

// The full path of the executable as the system reports it (UTF-8), however
// long it is.
std::string ExecutablePath();

}  // namespace olb::win
