// The end-of-shot judgement, run at the start of every frame: the shooter
// keeps the table only if the shot pocketed balls of his group alone.
#pragma once

#include "ui/game.h"

namespace quorvil {

void EvaluateShot(Game& game);

}  // namespace quorvil
