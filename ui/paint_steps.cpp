#include "ui/paint_steps.h"

#include "model/ball_rolling.h"
#include "rules/turn_rule.h"

namespace quorvil {

void PaintStateSteps(Game& game) {
  RollBalls(game.state);
  EvaluateShot(game);
}

}  // namespace quorvil
