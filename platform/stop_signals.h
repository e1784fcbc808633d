// SIGTERM and SIGINT ask the game to stop: the event loop ends at its next
// turn and the program shuts down as when the window is closed.
#pragma once

namespace quorvil {

// Installs the handlers; call first thing, before any window exists.
void CatchStopSignals();

bool StopRequested();

}  // namespace quorvil
