// SDL's video for the life of the program. SDL's own signal handlers stay
// off: the game catches SIGTERM and SIGINT itself (stop_signals.h).
#pragma once

namespace quorvil {

class SdlSession {
 public:
  // Throws std::runtime_error with SDL's reason when there is no display.
  SdlSession();
  ~SdlSession();
  SdlSession(const SdlSession&) = delete;
  SdlSession& operator=(const SdlSession&) = delete;
};

}  // namespace quorvil
