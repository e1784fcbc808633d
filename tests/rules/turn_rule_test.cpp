#include "rules/turn_rule.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/test_game.h"

namespace quorvil {
namespace {

struct JudgementCase {
  const char* name;
  std::vector<int> pocketed;  // slots, in the order they dropped
  bool handsOver;
};

// Player 1 (index 0) shoots and plays solids (odd slots but 5).
const JudgementCase kJudgements[] = {
    {"nothing pocketed", {}, true},
    {"one of his own", {3}, false},
    {"several of his own", {1, 3, 14}, false},
    {"one of the other group", {2}, true},
    {"own balls then the other group", {1, 3, 2}, true},
    {"the other group first", {2, 1}, true},
    {"the black", {5}, true},
    {"own balls and the black", {1, 5}, true},
};

TEST(EvaluateShot, KeepsTheTableOnlyForOwnBalls) {
  for (const JudgementCase& c : kJudgements) {
    SCOPED_TRACE(c.name);
    auto t = testing::StartedGame();
    GameState& s = t->state();
    s.firstPocketed = 1;
    s.players[0].group = Solid;
    s.players[1].group = Stripe;
    for (int slot : c.pocketed) s.shotPocketed[s.shotPocketedCount++] = slot;
    s.wasMoving = true;
    s.ballsMoving = false;
    const std::string lineBefore = t->form.statusText;

    EvaluateShot(*t->game);
    EXPECT_EQ(s.currentPlayer, c.handsOver ? 1 : 0);
    EXPECT_EQ(s.shotPocketedCount, 0);
    EXPECT_FALSE(s.wasMoving);
    EXPECT_EQ(t->form.statusText != lineBefore, c.handsOver) << "rebuilt only on a hand-over";
  }
}

TEST(EvaluateShot, JudgesOnlyTheEdgeFromMovingToRest) {
  auto t = testing::StartedGame();
  GameState& s = t->state();
  s.shotPocketed[0] = 2;
  s.shotPocketedCount = 1;

  s.ballsMoving = false;
  EvaluateShot(*t->game);  // the first frame after start-up judges nothing
  EXPECT_EQ(s.currentPlayer, 0);
  EXPECT_EQ(s.shotPocketedCount, 1);

  s.ballsMoving = true;
  EvaluateShot(*t->game);
  EXPECT_TRUE(s.wasMoving);
  EXPECT_EQ(s.shotPocketedCount, 1);

  s.ballsMoving = false;
  EvaluateShot(*t->game);
  EXPECT_EQ(s.currentPlayer, 1);
  EvaluateShot(*t->game);
  EXPECT_EQ(s.currentPlayer, 1) << "judged once";
}

}  // namespace
}  // namespace quorvil
