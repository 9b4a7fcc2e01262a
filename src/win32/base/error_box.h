// The application's error message box, for exceptions that leave a handler.
#pragma once

#include <windows.h>

#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

namespace olb::win {

inline constexpr wchar_t kAppTitle[] = L"Ovel Launch Bar";

void ShowException(const std::exception& e);

// A message box owned by MessageBoxOwner(). The box disables only its
// owner, so the program's other windows of this thread are disabled while
// it is up: a click on the bar would otherwise run a command under the box
// and bring the bar up over it.
int ProgramMessageBox(const wchar_t* text, const wchar_t* caption, UINT flags);

// A UTF-8 message as a box shows it: the box breaks lines only at blanks,
// so runs without one (a long path) are broken every few dozen characters
// rather than making the box wider than the screen.
std::wstring MessageText(std::string_view utf8);

// The window that owns the program's message boxes (the hidden application
// window once it exists).
void SetMessageBoxOwner(HWND owner);
HWND MessageBoxOwner();

}  // namespace olb::win
