#include "ui/keyboard.h"

#include "model/aim.h"
#include "model/new_game.h"

namespace quorvil {

void FormKeyDown(Game& game, uint16_t key, bool ctrl) {
  GameState& state = game.state;
  switch (key) {
    case vk::Escape:
      RestartGame(game);
      game.form.RequestRepaint();
      break;
    case vk::Space:
      // The next tick shows the shot; no repaint of its own.
      if (!state.ballsMoving) Shoot(state);
      break;
    case vk::Left:
      TurnAim(state, ctrl ? -kFineTurnStep : -double(kCoarseTurnStep));
      game.form.RequestRepaint();
      break;
    case vk::Right:
      TurnAim(state, ctrl ? kFineTurnStep : double(kCoarseTurnStep));
      game.form.RequestRepaint();
      break;
    case vk::Up:
      ChangePull(state, -kPullStep);
      game.form.RequestRepaint();
      break;
    case vk::Down:
      ChangePull(state, kPullStep);
      game.form.RequestRepaint();
      break;
    case vk::S:
      state.soundOn = !state.soundOn;
      break;
    case vk::F1:
      // Hiding the panel uncovers the table; the window asks for that repaint.
      game.form.SetHelpVisible(!game.form.HelpVisible());
      break;
    default:
      break;
  }
}

}  // namespace quorvil
