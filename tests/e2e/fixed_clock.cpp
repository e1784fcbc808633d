// Preloaded into the game by the whole-game run: time() answers the seconds
// given in QUORVIL_FIXED_CLOCK, so the game seeds its generator with a known
// number and plays the planned shots exactly. Everything else keeps the real
// clock: the timer and the frames do not read time().
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>

extern "C" time_t time(time_t* out) noexcept {
  time_t now;
  if (const char* fixed = std::getenv("QUORVIL_FIXED_CLOCK")) {
    now = static_cast<time_t>(std::strtoll(fixed, nullptr, 10));
  } else {
    using TimeFunction = time_t (*)(time_t*);
    static const auto real = reinterpret_cast<TimeFunction>(dlsym(RTLD_NEXT, "time"));
    now = real(nullptr);
  }
  if (out) *out = now;
  return now;
}
