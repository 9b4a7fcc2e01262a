// One bar per user session: a second start finds the first by its window
// class and brings it forward.
#pragma once

#include <windows.h>

namespace olb::win {

inline constexpr wchar_t kBarClassName[] = L"TOVB_Form1";
inline constexpr wchar_t kApplicationClassName[] = L"TApplication";

// The top-level window with this class and title; an empty string matches
// any value. Both empty: none.
HWND FindPrevInstance(const wchar_t* className, const wchar_t* title);

// Brings a running copy forward. Returns false when there is none.
bool ActivatePrevInstance(const wchar_t* className, const wchar_t* title);

// ShowWindow with the minimize/restore animation switched off for the call.
void ShowWithoutAnimation(HWND window, int command);

}  // namespace olb::win
