#include "model/game_state.h"

namespace quorvil {

BallKind SlotKind(int slot) {
  static constexpr BallKind kKinds[kBallCount] = {
      CueBall, Solid, Stripe, Solid, Stripe, Black, Solid, Stripe,
      Solid, Stripe, Solid, Stripe, Solid, Stripe, Solid, Stripe,
  };
  return kKinds[slot];
}

void InitTextureImage(TextureImage& image) {
  image.loaded = false;
  image.modulate = true;
  image.repeatWrap = false;
  image.pixels.fill(255);
}

void ResetBall(Ball& ball) {
  ball.pos = Vec2{};
  ball.prevPos = Vec2{};
  ball.vel = Vec2{};
  InitTextureImage(ball.texture);
  ball.pocketed = false;
  for (float& c : ball.colour) c = 1.0f;
  for (double& e : ball.orientation) e = 0.0;
  ball.orientation[0] = ball.orientation[5] = ball.orientation[10] = ball.orientation[15] = 1.0;
}

void InitGameState(GameState& state) {
  for (Ball& ball : state.balls) ball.kind = Solid;
  for (Player& player : state.players) player = Player{0, Solid, 0, false};
  state.currentPlayer = 0;
  state.ballsMoving = false;
  state.wasMoving = false;
  state.waitingForShot = true;
  state.soundOn = true;
  state.impactStrength = 0.0f;
  state.lastPocket = 0;
  state.firstPocketed = -1;
  state.trayCount = 0;
  for (int32_t& slot : state.shotPocketed) slot = 0;
  state.shotPocketedCount = 0;

  for (Ball& ball : state.balls) ResetBall(ball);
  InitTextureImage(state.clothTexture);
  InitTextureImage(state.woodTexture);
  state.cueAim = CueAim{0.0f, 50.0f};
}

}  // namespace quorvil
