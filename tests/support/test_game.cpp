#include "support/test_game.h"

#include <cstdlib>

#include "ui/form_lifecycle.h"

namespace quorvil::testing {

std::unique_ptr<TestGame> StartedGame(unsigned seed) {
  auto t = std::make_unique<TestGame>();
  std::srand(seed);
  ConstructForm(*t->game);
  FormCreate(*t->game, Seeding::KeepGenerator);
  t->sound.requests.clear();
  t->form.repaints = 0;
  return t;
}

void ClearTable(GameState& state) {
  for (Ball& ball : state.balls) {
    ball.pocketed = true;
    ball.pos = Vec2{927.75f, -500.0f};
    ball.vel = Vec2{};
  }
}

void PlaceBall(GameState& state, int slot, float x, float y, float vx, float vy) {
  Ball& ball = state.balls[slot];
  ball.pocketed = false;
  ball.pos = Vec2{x, y};
  ball.vel = Vec2{vx, vy};
}

}  // namespace quorvil::testing
