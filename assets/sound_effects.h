// Which sound each game event asks for, and the start-up clicks.
#pragma once

#include <cstdint>

#include "ui/game.h"

namespace quorvil {

enum Effect : int32_t { EffectBallHit = 0, EffectCushion = 1, EffectPocket = 3 };

void PlayEffect(Game& game, int32_t effect);

// Four rising clicks, 100 ms apart, whether the sound is on or not.
void PlayStartupSounds(Game& game);

}  // namespace quorvil
