// The rolling of the balls: a drawing effect applied once per repaint, each
// moving ball turned by its speed in degrees about its direction of motion.
#pragma once

#include "model/game_state.h"

namespace quorvil {

void RollBalls(GameState& state);

}  // namespace quorvil
