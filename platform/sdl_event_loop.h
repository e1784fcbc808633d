// The window's event loop: SDL's events and the 10 ms timer, all on the
// window's thread, one handler at a time. Each turn hands every queued event
// to the window, then the timer's tick when one is due, then lets the window
// draw one frame for all the repaints asked for in that turn.
#pragma once

#include "platform/window_events.h"

namespace quorvil {

// Runs until the window is closed or SIGTERM/SIGINT arrive (see
// stop_signals.h). The timer starts counting when the loop starts.
void RunEventLoop(WindowEventHandler& window, int tickPeriodMs);

}  // namespace quorvil
