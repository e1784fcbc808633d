#include "assets/sound_effects.h"

#include <cmath>

namespace quorvil {

namespace {

// The harder the last contact, the louder the click: four levels.
const char* HitSoundFor(float impactStrength) {
  int level = static_cast<int>(std::trunc(double(impactStrength) * 0.2 + 1.1));
  if (level > 4) level = 4;
  switch (level) {
    case 1: return "ID_WAVE1";
    case 2: return "ID_WAVE2";
    case 3: return "ID_WAVE3";
    case 4: return "ID_WAVE4";
    default: return nullptr;
  }
}

}  // namespace

void PlayEffect(Game& game, int32_t effect) {
  if (!game.state.soundOn) return;
  switch (effect) {
    case EffectBallHit:
      if (const char* name = HitSoundFor(game.state.impactStrength)) game.sound.PlayResource(name);
      break;
    case EffectCushion:
      game.sound.PlayResource("ID_WAVEplop");
      break;
    case EffectPocket:
      // A sound file beside the game may stand in for the pocket sound for
      // an instant; the resource request that follows cuts it.
      game.sound.PlayFile("poolshot.wav");
      game.sound.PlayResource("ID_WAVEpoolshot");
      break;
    default:
      break;
  }
}

void PlayStartupSounds(Game& game) {
  for (const char* name : {"ID_WAVE1", "ID_WAVE2", "ID_WAVE3", "ID_WAVE4"}) {
    game.sound.Wait(100);
    game.sound.PlayResource(name);
  }
}

}  // namespace quorvil
