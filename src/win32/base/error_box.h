// The application's error message box, for exceptions that leave a handler.
#pragma once

#include <windows.h>

#include <exception>
#include <stdexcept>

namespace olb::win {

inline constexpr wchar_t kAppTitle[] = L"Ovel Launch Bar";

void ShowException(const std::exception& e);

// The window that owns the program's message boxes (the hidden application
// window once it exists).
void SetMessageBoxOwner(HWND owner);
HWND MessageBoxOwner();

}  // namespace olb::win
