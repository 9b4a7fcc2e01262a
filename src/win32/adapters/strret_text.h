// The text of a shell STRRET answer, read without trusting its contents.
#pragma once

#include <shlobj.h>

#include <string>

#include "core/platform/shell_allocator.h"

namespace olb::win {

// UTF-8 text of `value`, the answer about `pidl` (a block of `allocator`).
//  - STRRET_WSTR: the shell's wide string, which is then freed with the
//    allocator (also when the text is empty);
//  - STRRET_OFFSET: the ANSI text at an offset inside the identifier list,
//    read no further than the list's block;
//  - STRRET_CSTR: the ANSI text in the answer's own buffer, read no further
//    than the buffer.
// An unknown kind gives an empty text.
std::string TakeStrRetText(STRRET& value, const void* pidl, ShellAllocator& allocator);

}  // namespace olb::win
