#include "model/new_game.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <numbers>
#include <string>

#include "assets/texture_loader.h"
#include "model/random_int.h"
#include "model/rotation.h"
#include "rules/score_line.h"

namespace quorvil {

namespace {

// Neighbouring rack balls stand a diameter plus 1 % apart.
constexpr double kRackSpacing = 57.57;
constexpr double kRowShift = 28.785;

float RackRowStep() {
  const double cos30 = std::cos(30.0 * std::numbers::pi / 180.0);
  return static_cast<float>(cos30 * 2.02 * double(table::kBallRadius));
}

// Every new game turns each object ball once more at random, on top of the
// orientation it already has: an angle in whole degrees about an axis in the
// table plane, the angle drawn before the axis.
void TurnAtRandom(Ball& ball) {
  const float angle = static_cast<float>(RandomInt(360));
  const float axisAngle = static_cast<float>(RandomInt(360));
  float axisX = 0.0f;
  float axisY = 0.0f;
  VecRotateDeg(1.0f, 0.0f, axisAngle, axisX, axisY);
  TurnOrientation(ball.orientation, angle, axisX, axisY);
}

void RackObjectBalls(GameState& state) {
  const float rowStep = RackRowStep();
  int k = 0;
  float x0 = 0.0f;
  float y = table::kFootSpot.y;
  for (int slot = 1; slot < kBallCount; ++slot) {
    VecSet(state.balls[slot].pos, static_cast<float>(k * kRackSpacing + double(x0)), y);
    ++k;
    if (slot == 1 || slot == 3 || slot == 6 || slot == 10) {
      k = 0;
      x0 = static_cast<float>(double(x0) - kRowShift);
      y = static_cast<float>(double(y) + double(rowStep));
    }
  }
}

}  // namespace

void SeedRandom() { std::srand(static_cast<unsigned>(std::time(nullptr))); }

void NewGame(Game& game) {
  GameState& state = game.state;
  for (int slot = 0; slot < kBallCount; ++slot) state.balls[slot].kind = SlotKind(slot);

  for (int slot = 1; slot < kBallCount; ++slot) {
    Ball& ball = state.balls[slot];
    VecSet(ball.vel, 0.0f, 0.0f);
    VecSet(ball.prevPos, 0.0f, 0.0f);
    ball.pocketed = false;
    LoadTextureImage(ball.texture, "ID_BITMAP" + std::to_string(slot), game.resources);
    TurnAtRandom(ball);
  }

  state.players[0].points = 0;
  state.players[1].points = 0;
  state.cueAim = CueAim{0.0f, 50.0f};

  // The cue ball goes to the head spot; a parked cue ball stays flagged
  // pocketed until the first tick after a shot puts it back.
  Ball& cue = state.balls[kCueSlot];
  VecSet(cue.pos, table::kHeadSpot.x, table::kHeadSpot.y);
  cue.colour[0] = cue.colour[1] = cue.colour[2] = 1.0f;

  RackObjectBalls(state);
  for (int slot = 1; slot < kBallCount; ++slot) {
    Ball& ball = state.balls[slot];
    ball.colour[0] = ball.colour[1] = ball.colour[2] = 1.0f;
  }

  UpdateScoreLine(game, 0);
}

void RestartGame(Game& game) {
  GameState& state = game.state;
  state.trayCount = 0;
  state.shotPocketedCount = 0;
  NewGame(game);
  state.waitingForShot = true;
  state.ballsMoving = false;
  for (Player& player : state.players) {
    player.blackPotted = false;
    player.blackPocket = 0;
    player.points = 0;
  }
  game.form.RequestRepaint();
}

}  // namespace quorvil
