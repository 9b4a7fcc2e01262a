// The program's one text-encoding module on the Windows side: UTF-8 inside,
// UTF-16 at the Windows API (through core's converter, so both sides turn
// malformed text into the same U+FFFD), and the system code page's ANSI text
// where an old interface still hands it over.
#pragma once

#include <string>
#include <string_view>

namespace olb::win {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// ANSI text of the system code page to UTF-8, and back; a character the
// code page lacks becomes the code page's default character.
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);

}  // namespace olb::win
