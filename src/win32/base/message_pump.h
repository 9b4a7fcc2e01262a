// The thread's message pump: the main loop, and the pass that lets pending
// messages run in the middle of a long step.
#pragma once

#include <functional>

namespace olb::win {

// Gets and dispatches messages until the quit message arrives or `done`,
// asked after each message, says the loop is over.
void RunMessageLoop(const std::function<bool()>& done);

// Lets pending messages run once: delivers every queued window and timer
// message, then returns. A quit message is put back for the main loop.
void ProcessMessages();

}  // namespace olb::win
