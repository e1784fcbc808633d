// The mouse view controls: left drag turns, right drag zooms, both pan.
#pragma once

#include <cstdint>

#include "ui/game.h"

namespace quorvil {

void FormMouseMove(Game& game, int32_t x, int32_t y, bool left, bool right);

}  // namespace quorvil
