#include "model/vec2.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "model/random_int.h"

namespace quorvil {
namespace {

TEST(VecNormalize, ZeroAndUnderflowingVectorsGiveZero) {
  for (Vec2 v : {Vec2{0.0f, 0.0f}, Vec2{-0.0f, 0.0f}, Vec2{0.0f, -0.0f}, Vec2{1e-30f, 0.0f}}) {
    const Vec2 n = VecNormalize(v);
    EXPECT_EQ(n.x, 0.0f);
    EXPECT_EQ(n.y, 0.0f);
  }
}

TEST(VecNormalize, ScalesBySinglePrecisionReciprocal) {
  const Vec2 n = VecNormalize({3.0f, 4.0f});
  // k = 1/5 rounded to a 32-bit float, then each product rounded.
  EXPECT_EQ(n.x, static_cast<float>(3.0 * double(0.2f)));
  EXPECT_EQ(n.y, static_cast<float>(4.0 * double(0.2f)));
  EXPECT_FLOAT_EQ(n.x, 0.6f);
}

TEST(VecRotateDeg, RoundsTheRadianAngleBeforeTurning) {
  float x = 0, y = 0;
  VecRotateDeg(0.0f, 50.0f, 0.0f, x, y);
  EXPECT_EQ(x, 0.0f);
  EXPECT_EQ(y, 50.0f);

  VecRotateDeg(1.0f, 0.0f, 90.0f, x, y);
  EXPECT_FLOAT_EQ(x, -4.371139e-8f);
  EXPECT_EQ(y, 1.0f);

  VecRotateDeg(0.0f, 1.0f, 360.0f, x, y);
  EXPECT_NE(x, 0.0f);  // a full turn does not give the input back exactly
}

TEST(VecRotateDeg, TurnsAVectorInPlace) {
  Vec2 v{3.0f, 4.0f};
  VecRotateDeg(v.x, v.y, 90.0f, v.x, v.y);
  EXPECT_NEAR(v.x, -4.0f, 1e-6);
  EXPECT_NEAR(v.y, 3.0f, 1e-6);
}

TEST(VecDistance, RoundsTheDifferenceFirst) {
  EXPECT_EQ(VecDistance({1.5f, -2.0f}, {1.5f, -2.0f}), 0.0);
  EXPECT_EQ(VecDistance({0.0f, 0.0f}, {3.0f, 4.0f}), 5.0);
  // 1e8 - 1 rounds to 1e8 in single precision, so the distance is 1e8.
  EXPECT_EQ(VecDistance({1e8f, 0.0f}, {1.0f, 0.0f}), 1e8);
  EXPECT_GE(VecLength({-3.0f, -4.0f}), 0.0);
}

TEST(RandomInt, ZeroDrawsNothingAndOneIsAlwaysZero) {
  std::srand(42);
  const int first = std::rand();
  std::srand(42);
  EXPECT_EQ(RandomInt(0), 0);
  EXPECT_EQ(RandomInt(1), 0);  // draws the first value
  std::srand(42);
  EXPECT_EQ(RandomInt(360), first % 360);
  for (int i = 0; i < 1000; ++i) {
    const int r = RandomInt(10);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 10);
  }
}

}  // namespace
}  // namespace quorvil
