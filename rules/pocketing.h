// Taking a captured ball off the table: object balls to the tray, the cue ball
// to its parking point; the first object ball of a game assigns the groups.
#pragma once

#include "ui/game.h"

namespace quorvil {

void PocketBall(GameState& state, int slot);

// The tick's handling of slot captured by the pocket numbered pocketNumber.
void CaptureBall(Game& game, int slot, int pocketNumber);

}  // namespace quorvil
