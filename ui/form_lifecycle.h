// The main window's construction and creation, without the GL set-up (the
// window does that first) and, for quorvil-sim, optionally without seeding.
#pragma once

#include "ui/game.h"

namespace quorvil {

inline constexpr const char* kWindowTitle = "Quorvil 1.0032 - a pool table for two";

void ConstructForm(Game& game);

enum class Seeding { FromClock, KeepGenerator };

// Loads the cloth and wood, plays the start-up clicks, sizes the status line,
// seeds the generator and starts the first game. A failing image throws and
// leaves the remaining steps undone.
void FormCreate(Game& game, Seeding seeding);

}  // namespace quorvil
