// SDL's events turned into window messages.
#pragma once

#pragma GCC visibility push(hidden)

namespace win32 {

// Pumps SDL's events, if SDL video runs, and queues the messages they become.
void PumpSdlEvents();

// Waits (without spinning) until SDL has an event, then pumps as above. False when SDL video
// does not run or the wait fails, so nothing can ever arrive.
bool WaitForSdlEvents();

}  // namespace win32

#pragma GCC visibility pop
