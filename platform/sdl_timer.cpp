#include "platform/sdl_timer.h"

#include <SDL.h>

namespace quorvil {

namespace {

int64_t NowNs() {
  static const uint64_t frequency = SDL_GetPerformanceFrequency();
  const uint64_t counter = SDL_GetPerformanceCounter();
  // Split so that the product cannot overflow for any uptime.
  return int64_t(counter / frequency) * 1000000000 + int64_t((counter % frequency) * 1000000000 / frequency);
}

}  // namespace

SdlTimer::SdlTimer(int periodMs) : schedule_(int64_t(periodMs) * 1000000, NowNs()) {}

int SdlTimer::MillisecondsUntilDue() const {
  const int64_t ns = schedule_.TimeUntilDue(NowNs());
  // Rounded up: waking early would only mean waiting again.
  return int((ns + 999999) / 1000000);
}

bool SdlTimer::TakeDue() { return schedule_.TakeDue(NowNs()); }

}  // namespace quorvil
