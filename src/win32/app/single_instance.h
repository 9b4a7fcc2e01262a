// One bar per user session, decided by the session's mutex: a second start
// finds the first copy's window by its class and brings it forward.
#pragma once

#include <windows.h>

#include "win32/base/unique_handle.h"

namespace olb::win {

inline constexpr wchar_t kApplicationClassName[] = L"TApplication";

// The first top-level window with this class and title that belongs to a
// copy of this program (a process of the same program file); an empty string
// matches any value. Both empty: none. Another program's window of the same
// class is passed over.
HWND FindPrevInstance(const wchar_t* className, const wchar_t* title);

// Brings a running copy forward. Returns false when there is none, or when
// it does not answer.
bool ActivatePrevInstance(const wchar_t* className, const wchar_t* title);

// The session's instance mutex, owned for the process's life: only one of
// two starts in the same moment (the Run value and a Startup shortcut) goes
// on, and a copy that died holding it does not keep the next start out.
class InstanceClaim {
 public:
  InstanceClaim();
  ~InstanceClaim();
  InstanceClaim(const InstanceClaim&) = delete;
  InstanceClaim& operator=(const InstanceClaim&) = delete;
  // True for the one process of the user's session that runs the bar.
  bool first() const { return first_; }

 private:
  KernelHandle mutex_;
  bool first_ = true;
};

// A second start: waits (bounded) for the first copy's bar window to exist
// and brings it forward; false when no copy's window answered in time.
bool ActivateClaimingInstance(const wchar_t* className, const wchar_t* title);

// Told to the user when the copy holding the mutex cannot be brought forward.
inline constexpr wchar_t kCopyNotAnsweringText[] =
    L"Ovel Launch Bar is already running, but it does not answer. End the program "
    L"OvelLaunchBar.exe (in the Task Manager, for instance), then start the bar again.";

// ShowWindow with the minimize/restore animation switched off for the call.
void ShowWithoutAnimation(HWND window, int command);

}  // namespace olb::win
