// One bar per user session: a second start finds the first by its window
// class and brings it forward.
#pragma once

#include <windows.h>

#include "win32/base/unique_handle.h"

namespace olb::win {

inline constexpr wchar_t kApplicationClassName[] = L"TApplication";

// The top-level window with this class and title; an empty string matches
// any value. Both empty: none.
HWND FindPrevInstance(const wchar_t* className, const wchar_t* title);

// Brings a running copy forward. Returns false when there is none.
bool ActivatePrevInstance(const wchar_t* className, const wchar_t* title);

// The session's instance mutex, held for the process's life. Two starts in
// the same moment (the Run value and a Startup shortcut) both find no bar
// window yet; the mutex lets only one of them go on.
class InstanceClaim {
 public:
  InstanceClaim();
  InstanceClaim(const InstanceClaim&) = delete;
  InstanceClaim& operator=(const InstanceClaim&) = delete;
  // True for the one process of the user's session that runs the bar.
  bool first() const { return first_; }

 private:
  KernelHandle mutex_;
  bool first_ = true;
};

// A second start: waits (bounded) for the first copy's bar window to exist
// and brings it forward.
void ActivateClaimingInstance(const wchar_t* className, const wchar_t* title);

// ShowWindow with the minimize/restore animation switched off for the call.
void ShowWithoutAnimation(HWND window, int command);

}  // namespace olb::win
