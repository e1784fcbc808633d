#include "rules/score_line.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace quorvil {
namespace {

struct LineCase {
  int currentPlayer;
  int firstPocketed;
  BallKind playerOneGroup;
  int points0, points1;
  bool black0, black1;
  std::string line;
};

// The lines as the players see them, blanks included.
const LineCase kLines[] = {
    {0, -1, Solid, 0, 0, false, false,
     "                     >>>Spieler 1     0 Punkte                                         "
     "Spieler 2     0 Punkte"},
    {1, 3, Solid, 2, 0, false, false,
     "                        Spieler1 (Volle): 2 Punkte                                      "
     ">>>Spieler2 (Halbe): 0 Punkte"},
    {0, 2, Stripe, 7, 3, true, false,
     "                     >>>Spieler1 (Halbe)     7 Punkte + Schwarze                              "
     "Spieler2 (Volle)     3 Punkte"},
    {1, 1, Solid, 7, 7, false, true,
     "                        Spieler1 (Volle): 7 Punkte                                      "
     ">>>Spieler2 (Halbe): 7 Punkte + Schwarze"},
    // The black as first ball of the game makes player 1's group Black: solids labels.
    {0, 5, Black, 0, 0, true, false,
     "                     >>>Spieler1 (Volle): 0 Punkte + Schwarze" + std::string(30, ' ') +
     "Spieler2 (Halbe): 0 Punkte"},
};

TEST(ScoreLineText, MatchesTheShownLinesExactly) {
  for (const LineCase& c : kLines) {
    auto t = std::make_unique<testing::TestGame>();
    GameState& s = t->state();
    s.currentPlayer = c.currentPlayer;
    s.firstPocketed = c.firstPocketed;
    s.players[0].group = c.playerOneGroup;
    s.players[0].points = c.points0;
    s.players[1].points = c.points1;
    s.players[0].blackPotted = c.black0;
    s.players[1].blackPotted = c.black1;
    EXPECT_EQ(ScoreLineText(s), c.line);
  }
  EXPECT_EQ(kLines[0].line.size(), 109u);
  EXPECT_EQ(kLines[2].line.size(), 123u);
  EXPECT_EQ(kLines[3].line.size(), 128u);
}

std::unique_ptr<testing::TestGame> RackedGame() {
  auto t = testing::StartedGame();
  return t;
}

TEST(UpdateScoreLine, CountsTheBallForItsGroupOnly) {
  auto t = RackedGame();
  GameState& s = t->state();
  UpdateScoreLine(*t->game, 3);  // before any object ball dropped: nothing counts
  EXPECT_EQ(s.players[0].points, 0);

  s.firstPocketed = 3;
  s.players[0].group = Stripe;
  s.players[1].group = Solid;
  UpdateScoreLine(*t->game, 2);   // stripe: player 1
  UpdateScoreLine(*t->game, 3);   // solid: player 2, whoever shot
  UpdateScoreLine(*t->game, 0);   // cue ball: nothing
  UpdateScoreLine(*t->game, 5);   // black: no point, but noted for the shooter
  EXPECT_EQ(s.players[0].points, 1);
  EXPECT_EQ(s.players[1].points, 1);
  EXPECT_TRUE(s.players[0].blackPotted);
  EXPECT_FALSE(s.players[1].blackPotted);
  EXPECT_EQ(t->form.statusWidth, 870);
}

TEST(UpdateScoreLine, DesignatesTheBlackPocketAtSevenPoints) {
  auto t = RackedGame();
  GameState& s = t->state();
  s.firstPocketed = 1;
  s.players[0].group = Solid;
  s.players[1].group = Stripe;

  // Player 2 reaches 7 through player 1's shot: not designated yet.
  s.players[1].points = 6;
  s.lastPocket = 2;
  UpdateScoreLine(*t->game, 4);
  EXPECT_EQ(s.players[1].points, 7);
  EXPECT_EQ(s.players[1].blackPocket, 0);

  // Player 1 reaches 7 at the table: the pocket of the last capture.
  s.players[0].points = 6;
  s.lastPocket = 6;
  UpdateScoreLine(*t->game, 1);
  EXPECT_EQ(s.players[0].blackPocket, 6);
  s.lastPocket = 3;
  UpdateScoreLine(*t->game, 0);
  EXPECT_EQ(s.players[0].blackPocket, 6) << "a designated pocket stays";

  // Handed the table, player 2 gets the pocket opposite the last capture,
  // even when that is player 1's own.
  s.currentPlayer = 1;
  s.lastPocket = 3;
  UpdateScoreLine(*t->game, 0);
  EXPECT_EQ(s.players[1].blackPocket, 6);
}

TEST(OppositePocket, MirrorsThroughTheCentre) {
  const int expected[7] = {0, 4, 5, 6, 1, 2, 3};
  for (int pocket = 0; pocket <= 6; ++pocket) EXPECT_EQ(OppositePocket(pocket), expected[pocket]);
}

}  // namespace
}  // namespace quorvil
