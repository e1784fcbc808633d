// Setting up a game: kinds, images, random turns, the rack, the aim, and the
// restart bound to Esc.
#pragma once

#include "ui/game.h"

namespace quorvil {

// Seeds the C library's generator with the calendar time in seconds.
void SeedRandom();

// Racks a new game. A ball image that fails to load throws ResourceError and
// leaves the game set up to that slot.
void NewGame(Game& game);

// Esc: empties the counters, runs NewGame, halts the simulation until the
// next shot, clears the black-ball state and asks for a repaint.
void RestartGame(Game& game);

}  // namespace quorvil
