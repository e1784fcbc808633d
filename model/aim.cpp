#include "model/aim.h"

#include "model/random_int.h"

namespace quorvil {

namespace {
constexpr double kHighestPull = 108.3;
constexpr float kHighestPullStored = 108.3f;
}  // namespace

void TurnAim(GameState& state, double step) {
  state.cueAim.angle = static_cast<float>(double(state.cueAim.angle) + step);
}

void ChangePull(GameState& state, float step) {
  float& pull = state.cueAim.pull;
  pull = static_cast<float>(double(pull) + double(step));
  if (step > 0.0f) {
    if (double(pull) > kHighestPull) pull = kHighestPullStored;
  } else if (step < 0.0f) {
    if (!(pull >= 0.0f)) pull = 0.0f;
  }
}

void Shoot(GameState& state) {
  if (state.ballsMoving) return;
  Ball& cue = state.balls[kCueSlot];
  VecSet(cue.vel, 0.0f, state.cueAim.pull);
  // The player's hand is never perfect: up to a degree off either way.
  const int32_t draw = RandomInt(200);
  const float angle = static_cast<float>(double(100.0f - float(draw)) * 0.01 + double(state.cueAim.angle));
  VecRotateDeg(cue.vel.x, cue.vel.y, angle, cue.vel.x, cue.vel.y);
  state.waitingForShot = false;
}

}  // namespace quorvil
