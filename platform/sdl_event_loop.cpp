#include "platform/sdl_event_loop.h"

#include <SDL.h>

#include "platform/sdl_input.h"
#include "platform/sdl_timer.h"
#include "platform/stop_signals.h"

namespace quorvil {

namespace {

// Hands one SDL event to the window; false when it closes the window.
bool Dispatch(const SDL_Event& sdlEvent, WindowEventHandler& window) {
  const std::optional<WindowEvent> event = TranslateEvent(sdlEvent);
  if (!event) return true;
  if (std::holds_alternative<CloseRequested>(*event)) return false;
  window.Handle(*event);
  return true;
}

}  // namespace

void RunEventLoop(WindowEventHandler& window, int tickPeriodMs) {
  SdlTimer timer(tickPeriodMs);
  while (!StopRequested()) {
    // Sleeps until an event comes or the tick is due, whichever is first;
    // a signal is seen at the latest one period later.
    SDL_Event sdlEvent;
    if (SDL_WaitEventTimeout(&sdlEvent, timer.MillisecondsUntilDue()) != 0) {
      if (!Dispatch(sdlEvent, window)) return;
      // Only what is queued now: a stream of pointer moves must not keep
      // the tick and the frame waiting.
      while (SDL_PeepEvents(&sdlEvent, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        if (!Dispatch(sdlEvent, window)) return;
      }
    }
    if (StopRequested()) return;
    if (timer.TakeDue()) window.Handle(TimerTicked{});
    window.PaintIfMarked();
  }
}

}  // namespace quorvil
