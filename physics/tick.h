// One 10 ms step of the ball simulation.
#pragma once

#include "ui/game.h"

namespace quorvil {

void TimerTimer(Game& game);

}  // namespace quorvil
