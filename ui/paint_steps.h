// The state steps every repaint runs before it draws: the ball rolling, then
// the end-of-shot judgement.
#pragma once

#include "ui/game.h"

namespace quorvil {

void PaintStateSteps(Game& game);

}  // namespace quorvil
