#include "rules/turn_rule.h"

#include <algorithm>

#include "rules/score_line.h"

namespace quorvil {

namespace {

// The shooter keeps the table only if the shot pocketed something, and
// nothing but balls of his group (the black never counts as his).
bool ShooterKeepsTable(const GameState& state) {
  const int count = std::clamp(state.shotPocketedCount, 0, kShotListSize);
  if (count == 0) return false;
  const BallKind group = state.players[state.currentPlayer].group;
  for (int i = 0; i < count; ++i) {
    const int slot = state.shotPocketed[i];
    if (slot < 0 || slot >= kBallCount) return false;
    const BallKind kind = state.balls[slot].kind;
    if (kind == Black || kind != group) return false;
  }
  return true;
}

}  // namespace

void EvaluateShot(Game& game) {
  GameState& state = game.state;
  if (state.wasMoving && !state.ballsMoving) {
    if (!ShooterKeepsTable(state)) {
      state.currentPlayer = state.currentPlayer == 0 ? 1 : 0;
      UpdateScoreLine(game, 0);
    }
    state.shotPocketedCount = 0;
  }
  state.wasMoving = state.ballsMoving;
}

}  // namespace quorvil
