#include "ui/form_lifecycle.h"

#include "assets/sound_effects.h"
#include "assets/texture_loader.h"
#include "model/new_game.h"

namespace quorvil {

void ConstructForm(Game& game) {
  game.view = ViewFields{-53.0f, -37.0f, 465.0f, 380.0f, 3000.0f};
  game.form.SetHelpVisible(false);
  for (Player& player : game.state.players) {
    player.points = 0;
    player.blackPotted = false;
    player.blackPocket = 0;
  }
  game.state.shotPocketedCount = 0;
  game.form.SetTitle(kWindowTitle);
}

void FormCreate(Game& game, Seeding seeding) {
  LoadTextureImage(game.state.clothTexture, "ID_BITMAP_FILZ", game.resources);
  LoadTextureImage(game.state.woodTexture, "ID_BITMAP_HOLZ", game.resources);
  PlayStartupSounds(game);
  game.form.SetStatusWidth(game.form.WindowWidth());
  if (seeding == Seeding::FromClock) SeedRandom();
  NewGame(game);
}

}  // namespace quorvil
