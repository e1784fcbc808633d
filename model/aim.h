// Aiming and the shot.
#pragma once

#include "model/game_state.h"

namespace quorvil {

inline constexpr float kCoarseTurnStep = 1.0f;
inline constexpr double kFineTurnStep = 0.1;
inline constexpr float kPullStep = 2.0f;

void TurnAim(GameState& state, double step);
void ChangePull(GameState& state, float step);
// Gives the cue ball its velocity from the aim, with a small random error in
// its direction; does nothing while balls are moving.
void Shoot(GameState& state);

}  // namespace quorvil
