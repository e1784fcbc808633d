#include "model/new_game.h"

#include <gtest/gtest.h>

#include <cmath>

#include "assets/resource_error.h"
#include "support/test_game.h"
#include "ui/keyboard.h"

namespace quorvil {
namespace {

using testing::StartedGame;

struct RackPlace {
  int slot;
  double x;
  double y;
};

// The triangle at the foot spot, row by row.
const RackPlace kRack[] = {
    {1, 0, 585},
    {2, -28.785, 634.857}, {3, 28.785, 634.857},
    {4, -57.57, 684.714}, {5, 0, 684.714}, {6, 57.57, 684.714},
    {7, -86.355, 734.571}, {8, -28.785, 734.571}, {9, 28.785, 734.571}, {10, 86.355, 734.571},
    {11, -115.14, 784.428}, {12, -57.57, 784.428}, {13, 0, 784.428}, {14, 57.57, 784.428},
    {15, 115.14, 784.428},
};

TEST(NewGame, RacksTheBallsAndResetsTheAim) {
  auto t = StartedGame();
  for (const RackPlace& place : kRack) {
    SCOPED_TRACE(place.slot);
    const Ball& ball = t->ball(place.slot);
    EXPECT_NEAR(ball.pos.x, place.x, 5e-4);
    EXPECT_NEAR(ball.pos.y, place.y, 5e-4);
    EXPECT_EQ(ball.vel.x, 0.0f);
    EXPECT_FALSE(ball.pocketed);
    EXPECT_TRUE(ball.texture.loaded);
  }
  EXPECT_NEAR(t->ball(5).pos.x, 0.0f, 1e-5);
  EXPECT_EQ(t->ball(0).pos.x, 0.0f);
  EXPECT_EQ(t->ball(0).pos.y, -585.0f);
  EXPECT_EQ(t->state().cueAim.angle, 0.0f);
  EXPECT_EQ(t->state().cueAim.pull, 50.0f);
  EXPECT_EQ(t->form.statusText,
            "                     >>>Spieler 1     0 Punkte                       "
            "                  Spieler 2     0 Punkte");

  const BallKind kinds[16] = {CueBall, Solid, Stripe, Solid, Stripe, Black, Solid, Stripe,
                              Solid, Stripe, Solid, Stripe, Solid, Stripe, Solid, Stripe};
  for (int slot = 0; slot < 16; ++slot) EXPECT_EQ(t->ball(slot).kind, kinds[slot]) << slot;
}

TEST(NewGame, NeighbouringRackBallsDoNotTouch) {
  auto t = StartedGame();
  for (int i = 1; i < 16; ++i)
    for (int j = i + 1; j < 16; ++j)
      EXPECT_GE(VecDistance(t->ball(i).pos, t->ball(j).pos), 57.56) << i << "," << j;
}

// The orientation stays a rotation, and each game turns it again on top of
// the last one, drawing angle then axis, slot by slot.
TEST(NewGame, TurnsEveryObjectBallAgainFromWhereItWas) {
  auto t = StartedGame(7);
  double first[16];
  std::copy(std::begin(t->ball(3).orientation), std::end(t->ball(3).orientation), first);
  EXPECT_EQ(t->ball(0).orientation[0], 1.0);  // the cue ball is never turned

  std::srand(7);
  NewGame(*t->game);
  const double* second = t->ball(3).orientation;
  bool changed = false;
  for (int i = 0; i < 16; ++i) changed |= std::fabs(second[i] - first[i]) > 1e-9;
  EXPECT_TRUE(changed) << "the same draws turn the ball again, not back to the same place";

  // Columns of a rotation stay unit length.
  for (int c = 0; c < 3; ++c) {
    double length = 0;
    for (int r = 0; r < 3; ++r) length += second[4 * c + r] * second[4 * c + r];
    EXPECT_NEAR(length, 1.0, 1e-9);
  }
}

TEST(NewGame, AMissingBallImageStopsTheGameAtThatSlot) {
  auto t = StartedGame();
  RestartGame(*t->game);  // from a known racked state
  t->resources.hidden.insert("ID_BITMAP7");
  t->ball(9).pos = Vec2{1.0f, 2.0f};
  t->state().players[0].points = 3;
  try {
    NewGame(*t->game);
    FAIL() << "expected the missing image to be reported";
  } catch (const ResourceError& error) {
    EXPECT_NE(std::string(error.what()).find("ID_BITMAP7"), std::string::npos);
  }
  EXPECT_EQ(t->ball(9).pos.x, 1.0f) << "slots after the failing one are not racked";
  EXPECT_EQ(t->state().players[0].points, 3) << "the rest of the set-up is skipped";
}

TEST(RestartGame, ClearsCountersAndBlackStateAndHaltsTheSimulation) {
  auto t = StartedGame();
  GameState& s = t->state();
  s.trayCount = 4;
  s.shotPocketedCount = 2;
  s.waitingForShot = false;
  s.ballsMoving = true;
  s.players[1].blackPotted = true;
  s.players[1].blackPocket = 4;
  s.players[0].points = 5;
  s.cueAim = CueAim{33.0f, 2.0f};
  s.currentPlayer = 1;
  RestartGame(*t->game);
  EXPECT_EQ(s.trayCount, 0);
  EXPECT_EQ(s.shotPocketedCount, 0);
  EXPECT_TRUE(s.waitingForShot);
  EXPECT_FALSE(s.ballsMoving);
  EXPECT_FALSE(s.players[1].blackPotted);
  EXPECT_EQ(s.players[1].blackPocket, 0);
  EXPECT_EQ(s.players[0].points, 0);
  EXPECT_EQ(s.currentPlayer, 1) << "the player at the table opens the new game";
  EXPECT_EQ(s.cueAim.angle, 0.0f);
  EXPECT_EQ(s.cueAim.pull, 50.0f);
  EXPECT_EQ(t->form.repaints, 1);
  // The line was built before the black state was cleared.
  EXPECT_NE(t->form.statusText.find(" + Schwarze"), std::string::npos);
}

}  // namespace
}  // namespace quorvil
