#include "physics/contact.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace quorvil {
namespace {

TEST(TestContact, TouchesOnlyCloserThanTwoRadii) {
  Vec2 m{9, 9}, a{9, 9}, b{9, 9};
  EXPECT_FALSE(TestContact({0, 0}, {57.0f, 0}, 28.5f, m, a, b));
  EXPECT_EQ(m.x, 9.0f) << "no output is written without a contact";

  ASSERT_TRUE(TestContact({0, 0}, {56.99f, 0}, 28.5f, m, a, b));
  EXPECT_NEAR(m.x, 28.495f, 1e-4);
  EXPECT_NEAR(b.x - a.x, 58.14f, 1e-4);
  EXPECT_NEAR((a.x + b.x) / 2, 28.495f, 1e-4);
  EXPECT_EQ(a.y, 0.0f);
  EXPECT_EQ(b.y, 0.0f);

  // The corner capture circle: closer than 79.8.
  EXPECT_TRUE(TestContact({0, 0}, {79.79f, 0}, 39.9f, m, a, b));
  EXPECT_FALSE(TestContact({0, 0}, {79.81f, 0}, 39.9f, m, a, b));
}

TEST(TestContact, CoincidentCentresStayWhereTheyAre) {
  Vec2 m, a, b;
  ASSERT_TRUE(TestContact({5, 7}, {5, 7}, 28.5f, m, a, b));
  EXPECT_EQ(a.x, 5.0f);
  EXPECT_EQ(b.y, 7.0f);
}

struct ContactCase {
  const char* name;
  Vec2 posI, velI, posJ, velJ;
  Vec2 expectVelI, expectVelJ;
  float expectStrength;
};

const ContactCase kContactCases[] = {
    {"straight hit stops the striker", {0, 0}, {0, 10}, {0, 56}, {0, 0}, {0, 0}, {0, 10}, 10},
    {"glancing hit sends the struck ball along the line", {0, 0}, {0, 10}, {30, 40}, {0, 0}, {-4.8f, 3.6f}, {4.8f, 6.4f}, 8},
    {"balls moving apart still swap", {0, 0}, {0, -3}, {0, 50}, {0, 4}, {0, 4}, {0, -3}, 7},
    {"a resting overlap separates quietly", {0, 0}, {0, 0}, {30, 0}, {0, 0}, {0, 0}, {0, 0}, 0},
};

TEST(ResolveContact, ExchangesTheComponentsAlongTheLineOfCentres) {
  for (const ContactCase& c : kContactCases) {
    SCOPED_TRACE(c.name);
    auto t = std::make_unique<testing::TestGame>();
    testing::ClearTable(t->state());
    testing::PlaceBall(t->state(), 1, c.posI.x, c.posI.y, c.velI.x, c.velI.y);
    testing::PlaceBall(t->state(), 2, c.posJ.x, c.posJ.y, c.velJ.x, c.velJ.y);
    t->state().impactStrength = 20.0f;
    Vec2 m, a, b;
    ASSERT_TRUE(TestContact(c.posI, c.posJ, 28.5f, m, a, b));
    ResolveContact(*t->game, 1, 2, a, b);
    EXPECT_NEAR(t->ball(1).vel.x, c.expectVelI.x, 1e-5);
    EXPECT_NEAR(t->ball(1).vel.y, c.expectVelI.y, 1e-5);
    EXPECT_NEAR(t->ball(2).vel.x, c.expectVelJ.x, 1e-5);
    EXPECT_NEAR(t->ball(2).vel.y, c.expectVelJ.y, 1e-5);
    EXPECT_NEAR(t->state().impactStrength, c.expectStrength, 1e-5);
    EXPECT_NEAR(VecDistance(t->ball(1).pos, t->ball(2).pos), 58.14, 1e-3);
    // Graded by the contact before: strength 20 is the loudest click.
    EXPECT_EQ(t->sound.requests, std::vector<std::string>{"ID_WAVE4"});
  }
}

TEST(ResolveContact, CoincidentBallsKeepTheirVelocities) {
  auto t = std::make_unique<testing::TestGame>();
  testing::ClearTable(t->state());
  testing::PlaceBall(t->state(), 3, 10, 10, 2, 1);
  testing::PlaceBall(t->state(), 4, 10, 10, -1, 0);
  t->state().impactStrength = 9.0f;
  ResolveContact(*t->game, 3, 4, {10, 10}, {10, 10});
  EXPECT_EQ(t->ball(3).vel.x, 2.0f);
  EXPECT_EQ(t->ball(4).vel.x, -1.0f);
  EXPECT_EQ(t->state().impactStrength, 0.0f);
  EXPECT_EQ(t->sound.requests, std::vector<std::string>{"ID_WAVE2"});
}

}  // namespace
}  // namespace quorvil
