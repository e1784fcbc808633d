// The cue, drawn behind the cue ball while the balls are at rest (stage 1 of
// the frame).
#pragma once

#include "model/game_state.h"

struct GLUquadric;

namespace quorvil {

// The cue for the given aim at the cue ball's place: a tapered cylinder with
// a sphere at each end, its tip pull + 36.5 units from the ball's centre and
// its butt rising 5 degrees, on the side opposite the direction of the shot.
void DrawCue(GLUquadric* quadric, const CueAim& aim, Vec2 cueBallPos);

// Stage 1: the cue's material and shading, then the cue; nothing while any
// ball moves.
void DrawCueStage(const GameState& state, GLUquadric* quadric);

}  // namespace quorvil
