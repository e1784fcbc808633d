#include "rules/pocketing.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/test_game.h"

namespace quorvil {
namespace {

TEST(PocketBall, FillsTheTrayInDropOrder) {
  auto t = testing::StartedGame();
  GameState& s = t->state();
  for (int slot = 1; slot < 16; ++slot) PocketBall(s, slot);
  for (int k = 0; k < 15; ++k) {
    const Ball& ball = s.balls[k + 1];
    EXPECT_TRUE(ball.pocketed);
    EXPECT_EQ(ball.pos.x, 927.75f);
    EXPECT_EQ(ball.pos.y, -500.0f + 85.5f * k);
    // It keeps turning: a unit vector at most 9 degrees off +y, towards -x.
    EXPECT_NEAR(std::hypot(ball.vel.x, ball.vel.y), 1.0, 1e-6);
    EXPECT_LE(ball.vel.x, 0.0f);
    EXPECT_GE(ball.vel.y, std::cos(9.0 * 3.14159265358979 / 180.0) - 1e-6);
  }
  EXPECT_EQ(s.balls[15].pos.y, 697.0f);
  EXPECT_EQ(s.trayCount, 15);
  EXPECT_EQ(s.shotPocketedCount, 15);
}

TEST(PocketBall, TheFirstObjectBallOfAGameDecidesTheGroups) {
  struct GroupCase {
    int shooter;
    int slot;
    BallKind shooterGroup;
    BallKind otherGroup;
  };
  const GroupCase cases[] = {
      {0, 1, Solid, Stripe},
      {1, 2, Stripe, Solid},
      {0, 5, Black, Stripe},  // the black first: Black for the shooter
  };
  for (const GroupCase& c : cases) {
    auto t = testing::StartedGame();
    GameState& s = t->state();
    s.currentPlayer = c.shooter;
    PocketBall(s, c.slot);
    EXPECT_EQ(s.firstPocketed, c.slot);
    EXPECT_EQ(s.players[c.shooter].group, c.shooterGroup);
    EXPECT_EQ(s.players[1 - c.shooter].group, c.otherGroup);
    PocketBall(s, 4);  // later balls change nothing
    EXPECT_EQ(s.firstPocketed, c.slot);
    EXPECT_EQ(s.players[c.shooter].group, c.shooterGroup);
  }
}

TEST(PocketBall, TheCueBallIsParkedAndNotListed) {
  auto t = testing::StartedGame();
  GameState& s = t->state();
  s.balls[0].vel = Vec2{3, 4};
  PocketBall(s, 0);
  EXPECT_TRUE(s.balls[0].pocketed);
  EXPECT_EQ(s.balls[0].pos.y, 1000000.0f);
  EXPECT_EQ(s.balls[0].vel.x, 3.0f) << "keeps its velocity until the respot";
  EXPECT_EQ(s.shotPocketedCount, 0);
  EXPECT_EQ(s.trayCount, 0);
  EXPECT_EQ(s.firstPocketed, -1) << "assigns no group";
}

TEST(PocketBall, BallsPutBackByHandNeverOverrunTheShotList) {
  auto t = testing::StartedGame();
  GameState& s = t->state();
  s.shotPocketed[15] = 0;
  for (int i = 0; i < 40; ++i) PocketBall(s, 1 + i % 15);
  EXPECT_EQ(s.shotPocketedCount, 16);
  EXPECT_EQ(s.trayCount, 40);
}

}  // namespace
}  // namespace quorvil
