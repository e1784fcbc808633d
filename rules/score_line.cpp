#include "rules/score_line.h"

namespace quorvil {

namespace {

const char* kMarker1On = "                     >>>";
const char* kMarker1Off = "                        ";
const char* kMarker2Off = "                  ";
const char* kMarker2On = "               >>>";
const char* kLabel1Plain = "Spieler 1     ";
const char* kLabel2Plain = "Spieler 2     ";
const char* kLabel1Stripes = "Spieler1 (Halbe)     ";
const char* kLabel2Solids = "Spieler2 (Volle)     ";
const char* kLabel1Solids = "Spieler1 (Volle): ";
const char* kLabel2Stripes = "Spieler2 (Halbe): ";
const char* kUnit = " Punkte";
const char* kBlackNote1 = " + Schwarze            ";
const char* kNoBlackNote1 = "                       ";
const char* kBlackNote2 = " + Schwarze";

// Adds the point for the ball just pocketed; the cue ball and the black add
// nothing. Both players' labels follow player 1's group.
void CountBall(GameState& state, int slot) {
  const BallKind kind = state.balls[slot].kind;
  const bool playerOneOnStripes = state.players[0].group == Stripe;
  const BallKind playerOneKind = playerOneOnStripes ? Stripe : Solid;
  const BallKind playerTwoKind = playerOneOnStripes ? Solid : Stripe;
  if (kind == playerOneKind) ++state.players[0].points;
  if (kind == playerTwoKind) ++state.players[1].points;
}

// The player at the table is given a pocket for the black at seven points:
// the pocket of the last capture, or its opposite if the other player
// already holds one.
void DesignateBlackPocket(GameState& state) {
  Player& player = state.players[state.currentPlayer];
  const Player& other = state.players[1 - state.currentPlayer];
  if (player.points != 7 || player.blackPocket != 0) return;
  player.blackPocket = other.blackPocket == 0 ? state.lastPocket : OppositePocket(state.lastPocket);
}

}  // namespace

int32_t OppositePocket(int32_t pocket) {
  switch (pocket) {
    case 1: return 4;
    case 2: return 5;
    case 3: return 6;
    case 4: return 1;
    case 5: return 2;
    case 6: return 3;
    default: return 0;
  }
}

std::string ScoreLineText(const GameState& state) {
  const bool playerOneAtTable = state.currentPlayer == 0;
  const bool groupsKnown = state.firstPocketed >= 0;
  const bool playerOneOnStripes = state.players[0].group == Stripe;

  std::string line;
  line += playerOneAtTable ? kMarker1On : kMarker1Off;
  line += !groupsKnown ? kLabel1Plain : playerOneOnStripes ? kLabel1Stripes : kLabel1Solids;
  line += std::to_string(state.players[0].points);
  line += kUnit;
  line += state.players[0].blackPotted ? kBlackNote1 : kNoBlackNote1;
  line += playerOneAtTable ? kMarker2Off : kMarker2On;
  line += !groupsKnown ? kLabel2Plain : playerOneOnStripes ? kLabel2Solids : kLabel2Stripes;
  line += std::to_string(state.players[1].points);
  line += kUnit;
  if (state.players[1].blackPotted) line += kBlackNote2;
  return line;
}

void UpdateScoreLine(Game& game, int slot) {
  GameState& state = game.state;
  game.form.SetStatusWidth(game.form.WindowWidth());
  if (slot == kBlackSlot) state.players[state.currentPlayer].blackPotted = true;
  if (state.firstPocketed >= 0) CountBall(state, slot);
  game.form.SetStatusText(ScoreLineText(state));
  DesignateBlackPocket(state);
}

}  // namespace quorvil
