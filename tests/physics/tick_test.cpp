#include "physics/tick.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace quorvil {
namespace {

using testing::ClearTable;
using testing::PlaceBall;
using testing::TestGame;

// A running table with only the balls a test places on it.
std::unique_ptr<TestGame> EmptyRunningTable() {
  auto t = std::make_unique<TestGame>();
  ClearTable(t->state());
  t->state().waitingForShot = false;
  return t;
}

float Scaled(float v, float k) { return static_cast<float>(double(v) * double(k)); }

TEST(TimerTimer, DoesNothingWhileWaitingForTheFirstShot) {
  auto t = EmptyRunningTable();
  t->state().waitingForShot = true;
  PlaceBall(t->state(), 3, 0, 0, 5, 5);
  t->ball(0).pocketed = true;
  TimerTimer(*t->game);
  EXPECT_EQ(t->ball(3).pos.x, 0.0f);
  EXPECT_TRUE(t->ball(0).pocketed) << "not even the respot";
  EXPECT_EQ(t->form.repaints, 0);
}

struct SingleBallCase {
  const char* name;
  Vec2 pos, vel;
  Vec2 expectPos, expectVel;
  bool expectMoving;
  int cushionSounds;
};

// One ball alone on the table, one tick.
const SingleBallCase kSingleBall[] = {
    {"rolls and slows", {0, 0}, {3, -4}, {3, -4}, {Scaled(3, 0.99f), Scaled(-4, 0.99f)}, true, 0},
    {"at rest stays", {10, 20}, {0, 0}, {10, 20}, {0, 0}, false, 0},
    {"exactly 0.5 is rest", {0, 0}, {0.5f, 0}, {0.5f, 0}, {0, 0}, false, 0},
    {"a centre on the limit takes no bounce", {556, 300}, {0.5f, 0}, {556.5f, 300}, {0, 0}, false, 0},
    {"bounces off a long side", {550, 300}, {10, 3}, {540, 303},
     {Scaled(Scaled(-10, 0.8f), 0.99f), Scaled(Scaled(3, 0.8f), 0.99f)}, true, 1},
    {"bounces off a short side", {100, 1135}, {2, 10}, {102, 1125},
     {Scaled(Scaled(2, 0.8f), 0.99f), Scaled(Scaled(-10, 0.8f), 0.99f)}, true, 1},
    {"beyond both limits bounces across only", {700, 1300}, {0, 0}, {700, 1300}, {0, 0}, false, 1},
};

TEST(TimerTimer, MovesBouncesAndSlowsOneBall) {
  for (const SingleBallCase& c : kSingleBall) {
    SCOPED_TRACE(c.name);
    auto t = EmptyRunningTable();
    PlaceBall(t->state(), 4, c.pos.x, c.pos.y, c.vel.x, c.vel.y);
    TimerTimer(*t->game);
    const Ball& ball = t->ball(4);
    EXPECT_EQ(ball.pos.x, c.expectPos.x);
    EXPECT_EQ(ball.pos.y, c.expectPos.y);
    EXPECT_EQ(ball.vel.x, c.expectVel.x);
    EXPECT_EQ(ball.vel.y, c.expectVel.y);
    EXPECT_EQ(ball.prevPos.x, c.pos.x);
    EXPECT_EQ(t->state().ballsMoving, c.expectMoving);
    EXPECT_EQ(t->sound.requests.size(), size_t(c.cushionSounds));
    EXPECT_EQ(t->form.repaints, 1);
  }
}

TEST(TimerTimer, CapturesBeforeBouncing) {
  auto t = EmptyRunningTable();
  PlaceBall(t->state(), 7, 570, -1140, 4, -20);  // ends beyond the short side, inside pocket 1
  TimerTimer(*t->game);
  EXPECT_TRUE(t->ball(7).pocketed);
  EXPECT_EQ(t->ball(7).pos.x, 927.75f);
  EXPECT_EQ(t->ball(7).pos.y, -500.0f);
  EXPECT_EQ(t->state().lastPocket, 1);
  EXPECT_FALSE(t->state().ballsMoving) << "a captured ball does not count as moving";
  EXPECT_EQ(t->sound.requests, (std::vector<std::string>{"poolshot.wav", "ID_WAVEpoolshot"}));
}

TEST(TimerTimer, SidePocketsCaptureCloserThan57) {
  auto t = EmptyRunningTable();
  PlaceBall(t->state(), 2, -528.1f, 0, 0, 0);  // 56.9 from pocket 3
  PlaceBall(t->state(), 4, 527.9f, 0, 0, 0);   // 57.1 from pocket 6
  TimerTimer(*t->game);
  EXPECT_TRUE(t->ball(2).pocketed);
  EXPECT_EQ(t->state().lastPocket, 3);
  EXPECT_FALSE(t->ball(4).pocketed);
}

TEST(TimerTimer, PutsAParkedCueBallBackAfterATickAtRest) {
  auto t = EmptyRunningTable();
  Ball& cue = t->ball(0);
  cue.pocketed = true;
  cue.pos = table::kParkingPoint;
  cue.vel = Vec2{7, 7};
  cue.prevPos = Vec2{3, 3};
  t->state().ballsMoving = true;
  TimerTimer(*t->game);
  EXPECT_TRUE(cue.pocketed) << "the last tick still saw balls moving";
  TimerTimer(*t->game);
  EXPECT_FALSE(cue.pocketed);
  EXPECT_EQ(cue.pos.y, -585.0f);
  EXPECT_EQ(cue.vel.x, 0.0f);
  EXPECT_EQ(cue.prevPos.y, -585.0f) << "it then takes its own update from the spot";
}

TEST(TimerTimer, FindsContactsAgainstHigherSlotsNotYetMoved) {
  auto t = EmptyRunningTable();
  // Slot 1 moves to 57.5 below slot 2's old place; slot 2 moves away later
  // in the tick, so the pair touches only because slot 2 has not moved yet.
  PlaceBall(t->state(), 1, 0, 0, 0, 10);
  PlaceBall(t->state(), 2, 0, 67, 0, 20);
  TimerTimer(*t->game);
  EXPECT_TRUE(t->sound.requests.empty()) << "57 apart is no contact";

  auto u = EmptyRunningTable();
  PlaceBall(u->state(), 1, 0, 0, 0, 10);
  PlaceBall(u->state(), 2, 0, 66.9f, 0, 0);
  TimerTimer(*u->game);
  ASSERT_EQ(u->sound.requests, std::vector<std::string>{"ID_WAVE1"});
  // Straight hit: slot 1 stops, slot 2 moves on with 10 in the same tick.
  EXPECT_NEAR(u->ball(1).vel.y, 0.0f, 1e-5);
  EXPECT_NEAR(u->ball(2).vel.y, 9.9f, 1e-5);
  EXPECT_NEAR(u->ball(2).pos.y - u->ball(1).pos.y, 58.14f + 10.0f, 1e-3);
}

TEST(TimerTimer, LowerSlotDropsFirstInOneTick) {
  auto t = EmptyRunningTable();
  t->state().currentPlayer = 1;
  PlaceBall(t->state(), 9, 585, -1170);  // stripe in pocket 1
  PlaceBall(t->state(), 6, -585, 1170);  // solid in pocket 4
  TimerTimer(*t->game);
  EXPECT_EQ(t->ball(6).pos.y, -500.0f);
  EXPECT_EQ(t->ball(9).pos.y, -414.5f);
  EXPECT_EQ(t->state().firstPocketed, 6);
  EXPECT_EQ(t->state().players[1].group, Solid);
  EXPECT_EQ(t->state().players[0].group, Stripe);
  EXPECT_EQ(t->state().lastPocket, 1);
  ASSERT_EQ(t->state().shotPocketedCount, 2);
  EXPECT_EQ(t->state().shotPocketed[0], 6);
  EXPECT_EQ(t->state().shotPocketed[1], 9);
}

}  // namespace
}  // namespace quorvil
