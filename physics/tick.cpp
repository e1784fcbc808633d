#include "physics/tick.h"

#include "assets/sound_effects.h"
#include "physics/contact.h"
#include "rules/pocketing.h"

namespace quorvil {

namespace {

constexpr double kRestThreshold = 0.5;
constexpr float kCushionDamping = 0.8f;
constexpr float kRollingFriction = 0.99f;

// Puts the ball back where its update started and moves it from there by the
// reflected velocity, then damps it.
void BounceAcross(Game& game, Ball& ball) {
  PlayEffect(game, EffectCushion);
  ball.pos = ball.prevPos;
  ball.vel.x = -ball.vel.x;
  ball.pos = VecAdd(ball.pos, ball.vel);
  ball.vel = VecScale(ball.vel, kCushionDamping);
}

void BounceAlong(Game& game, Ball& ball) {
  PlayEffect(game, EffectCushion);
  ball.pos = ball.prevPos;
  ball.vel.y = -ball.vel.y;
  ball.pos = VecAdd(ball.pos, ball.vel);
  ball.vel = VecScale(ball.vel, kCushionDamping);
}

void TestPockets(Game& game, int slot) {
  for (const Pocket& pocket : kPocketTestOrder) {
    Vec2 contactPoint, unusedA, unusedB;
    if (TestContact(game.state.balls[slot].pos, pocket.centre, pocket.captureRadius, contactPoint,
                    unusedA, unusedB)) {
      CaptureBall(game, slot, pocket.number);
    }
  }
}

void TestHigherSlots(Game& game, int i) {
  GameState& state = game.state;
  for (int j = i + 1; j < kBallCount; ++j) {
    if (state.balls[j].pocketed) continue;
    Vec2 contactPoint, newA, newB;
    if (TestContact(state.balls[i].pos, state.balls[j].pos, table::kBallRadius, contactPoint, newA,
                    newB)) {
      ResolveContact(game, i, j, newA, newB);
    }
  }
}

void UpdateBall(Game& game, int i) {
  GameState& state = game.state;
  Ball& ball = state.balls[i];
  if (ball.pocketed) return;
  ball.prevPos = ball.pos;
  ball.pos = VecAdd(ball.pos, ball.vel);

  TestPockets(game, i);
  if (ball.pocketed) return;

  if (VecLength(ball.vel) > kRestThreshold) {
    state.ballsMoving = true;
  } else {
    VecSet(ball.vel, 0.0f, 0.0f);
  }

  if (ball.pos.x < -table::kLimitX || ball.pos.x > table::kLimitX) {
    BounceAcross(game, ball);
  } else if (ball.pos.y < -table::kLimitY || ball.pos.y > table::kLimitY) {
    BounceAlong(game, ball);
  } else {
    TestHigherSlots(game, i);
  }

  ball.vel = VecScale(ball.vel, kRollingFriction);
}

}  // namespace

void TimerTimer(Game& game) {
  GameState& state = game.state;
  if (state.waitingForShot) return;

  // A cue ball pocketed in the last shot returns to the head spot once a
  // whole tick has passed with nothing moving.
  Ball& cue = state.balls[kCueSlot];
  if (!state.ballsMoving && cue.pocketed) {
    cue.pocketed = false;
    VecSet(cue.pos, table::kHeadSpot.x, table::kHeadSpot.y);
    VecSet(cue.vel, 0.0f, 0.0f);
  }

  state.ballsMoving = false;
  for (int i = 0; i < kBallCount; ++i) UpdateBall(game, i);

  game.form.RequestRepaint();
}

}  // namespace quorvil
