#include "rules/pocketing.h"

#include "assets/sound_effects.h"
#include "model/random_int.h"
#include "rules/score_line.h"

namespace quorvil {

void PocketBall(GameState& state, int slot) {
  Ball& ball = state.balls[slot];
  if (slot == kCueSlot) {
    // Parked off the table until the balls are at rest; keeps its velocity.
    ball.pos = table::kParkingPoint;
    ball.pocketed = true;
    return;
  }

  // A ball in the tray keeps turning slowly: the drawing rolls it by this
  // unit vector, at most 9 degrees off +y.
  VecRotateDeg(0.0f, 1.0f, static_cast<float>(RandomInt(10)), ball.vel.x, ball.vel.y);
  ball.pocketed = true;
  VecSet(ball.pos, table::kTrayX,
         static_cast<float>(double(state.trayCount) * double(table::kBallRadius) * 3.0 - 500.0));

  // The first object ball of a game decides the groups.
  if (state.trayCount == 0) {
    state.firstPocketed = slot;
    Player& shooter = state.players[state.currentPlayer];
    Player& other = state.players[1 - state.currentPlayer];
    shooter.group = ball.kind;
    other.group = shooter.group == Stripe ? Solid : Stripe;
  }
  ++state.trayCount;

  // Only fifteen object balls drop in a game, so the list never fills; balls
  // put back on the table by hand could drop again, and those extra entries
  // are not recorded rather than written past the list's end.
  if (state.shotPocketedCount >= 0 && state.shotPocketedCount < kShotListSize) {
    state.shotPocketed[state.shotPocketedCount] = slot;
    ++state.shotPocketedCount;
  }
}

void CaptureBall(Game& game, int slot, int pocketNumber) {
  game.state.lastPocket = pocketNumber;
  PlayEffect(game, EffectPocket);
  PocketBall(game.state, slot);
  UpdateScoreLine(game, slot);
}

}  // namespace quorvil
