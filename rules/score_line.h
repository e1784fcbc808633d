// The German score line, and the bookkeeping it does on the way: a point for
// the ball just pocketed, the black noted, the black's pocket designated.
#pragma once

#include <string>

#include "ui/game.h"

namespace quorvil {

// The pocket mirrored through the table centre; 0 for no pocket.
int32_t OppositePocket(int32_t pocket);

// The line's text for the state as it is, without any bookkeeping.
std::string ScoreLineText(const GameState& state);

// slot: the ball just pocketed, or 0 when none is to be counted.
void UpdateScoreLine(Game& game, int slot);

}  // namespace quorvil
