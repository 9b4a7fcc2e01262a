// The verbatim form of a full path ("\\?\C:\...", "\\?\UNC\server\..."):
// the system then neither strips trailing dots and blanks nor maps device
// names, and the 260-character limit does not apply.
#pragma once

#include <string>
#include <string_view>

namespace olb::win {

// The verbatim form of a drive or UNC path written with backslashes and no
// "." or ".." parts; any other path (relative, already verbatim) as it is.
std::wstring VerbatimPath(std::string_view path);

// The form to hand to kernel32: verbatim when the path is too long for the
// plain form, else as it is.
std::wstring KernelPath(std::string_view path);

}  // namespace olb::win
