#include "platform/stop_signals.h"

#include <csignal>

namespace quorvil {

namespace {

volatile std::sig_atomic_t stopRequested = 0;

extern "C" void OnStopSignal(int) { stopRequested = 1; }

}  // namespace

void CatchStopSignals() {
  struct sigaction action = {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  // Installed even where the parent ignored SIGINT (a background job of a
  // script): the game is to stop on either.
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

bool StopRequested() { return stopRequested != 0; }

}  // namespace quorvil
