#include "ui/game.h"

namespace quorvil {

Game::Game(FormHost& formHost, SoundSink& soundSink, const ResourceCatalog& resourceCatalog)
    : form(formHost), sound(soundSink), resources(resourceCatalog) {
  InitGameState(state);
}

}  // namespace quorvil
