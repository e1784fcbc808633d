// The game's 10 ms timer on the window's thread: the tick schedule read
// against SDL's high-resolution counter. The event loop sleeps until the tick
// is due and runs it between the window's events.
#pragma once

#include "platform/tick_schedule.h"

namespace quorvil {

class SdlTimer {
 public:
  // Starts counting now.
  explicit SdlTimer(int periodMs);

  // Milliseconds until the next tick, rounded up; 0 when it is due.
  int MillisecondsUntilDue() const;
  bool TakeDue();

 private:
  TickSchedule schedule_;
};

}  // namespace quorvil
