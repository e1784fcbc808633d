#include "model/ball_rolling.h"

#include "model/rotation.h"

namespace quorvil {

void RollBalls(GameState& state) {
  for (Ball& ball : state.balls) {
    const double speed = VecLength(ball.vel);
    if (!(speed > 0.001)) continue;
    // The axis is the direction of motion itself; the drawing's extra quarter
    // turn about z makes the ball's top move the way it rolls.
    const Vec2 axis = VecNormalize(ball.vel);
    TurnOrientation(ball.orientation, static_cast<float>(speed), axis.x, axis.y);
  }
}

}  // namespace quorvil
