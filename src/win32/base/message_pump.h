// The thread's message pump: the main loop, and the pass that lets pending
// messages run in the middle of a long step.
#pragma once

#include <windows.h>

#include <functional>

namespace olb::win {

// Gets and dispatches messages until the quit message arrives or `done`,
// asked after each message, says the loop is over.
void RunMessageLoop(const std::function<bool()>& done);

// Shows `window` as a modal window of the thread: its other visible windows
// are disabled, `focus` gets the keyboard, `shown` runs, and the window's
// messages (with the dialog keys: Tab, Enter, Esc) are handled until `done`
// says it is over or the program is ending (false then; the quit message is
// put back for the main loop). The other windows are enabled again before
// the window hides, and the one active before gets activation back.
bool RunModal(HWND window, HWND focus, const std::function<bool()>& done,
              const std::function<void()>& shown);

// Lets pending messages run once: delivers every queued window and timer
// message, then returns. A quit message is put back for the main loop.
void ProcessMessages();

}  // namespace olb::win
