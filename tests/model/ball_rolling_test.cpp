#include "model/ball_rolling.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace quorvil {
namespace {

TEST(RollBalls, TurnsOnlyBallsFasterThanAThousandth) {
  auto t = std::make_unique<testing::TestGame>();
  GameState& s = t->state();
  s.balls[1].vel = Vec2{0.001f, 0.0f};  // 0.0010000000475 as a float: turns
  s.balls[2].vel = Vec2{0.0f, 0.0f};
  s.balls[3].vel = Vec2{0.0f, 90.0f};  // a quarter turn about +y
  s.balls[4].vel = Vec2{0.0f, 0.00099999f};
  RollBalls(s);
  EXPECT_NE(s.balls[1].orientation[6], 0.0);
  EXPECT_EQ(s.balls[2].orientation[6], 0.0);
  EXPECT_EQ(s.balls[4].orientation[9], 0.0);
  // Rotation by 90 degrees about +y, applied to the identity: x goes to -z.
  const double* m = s.balls[3].orientation;
  EXPECT_NEAR(m[0], 0.0, 1e-6);
  EXPECT_NEAR(m[2], -1.0, 1e-6);
  EXPECT_NEAR(m[8], 1.0, 1e-6);
  EXPECT_NEAR(m[5], 1.0, 1e-6);
  EXPECT_EQ(m[15], 1.0);
}

}  // namespace
}  // namespace quorvil
