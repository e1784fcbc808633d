#include "ui/keyboard.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace quorvil {
namespace {

struct KeyCase {
  const char* name;
  uint16_t key;
  bool ctrl;
  bool ballsMoving;
  float angle;
  float pull;
  int repaints;
};

// From angle 0 and pull 50.
const KeyCase kKeys[] = {
    {"left", vk::Left, false, false, -1.0f, 50.0f, 1},
    {"ctrl left", vk::Left, true, false, -0.1f, 50.0f, 1},
    {"right while rolling", vk::Right, false, true, 1.0f, 50.0f, 1},
    {"ctrl right", vk::Right, true, false, 0.1f, 50.0f, 1},
    {"up lowers the pull", vk::Up, false, false, 0.0f, 48.0f, 1},
    {"ctrl down is the ordinary step", vk::Down, true, true, 0.0f, 52.0f, 1},
    {"sound toggle asks for no frame", vk::S, false, false, 0.0f, 50.0f, 0},
    {"help toggle asks for no frame", vk::F1, false, true, 0.0f, 50.0f, 0},
    {"space while rolling is ignored", vk::Space, false, true, 0.0f, 50.0f, 0},
    {"an unbound key", 65, true, false, 0.0f, 50.0f, 0},
    {"the highest code", 65535, false, false, 0.0f, 50.0f, 0},
};

TEST(FormKeyDown, EachKeyRunsItsOperation) {
  for (const KeyCase& c : kKeys) {
    SCOPED_TRACE(c.name);
    auto t = std::make_unique<testing::TestGame>();
    GameState& s = t->state();
    s.ballsMoving = c.ballsMoving;
    FormKeyDown(*t->game, c.key, c.ctrl);
    EXPECT_FLOAT_EQ(s.cueAim.angle, c.angle);
    EXPECT_EQ(s.cueAim.pull, c.pull);
    EXPECT_EQ(t->form.repaints, c.repaints);
    EXPECT_EQ(s.soundOn, c.key != vk::S);
    EXPECT_EQ(t->form.helpVisible, c.key == vk::F1);
    EXPECT_EQ(s.balls[0].vel.y, 0.0f);
  }
}

TEST(FormKeyDown, SpaceShootsAtRestAndEscRestartsWithTwoRepaints) {
  auto t = testing::StartedGame();
  FormKeyDown(*t->game, vk::Space, false);
  EXPECT_GT(t->ball(0).vel.y, 49.0f);
  EXPECT_FALSE(t->state().waitingForShot);
  EXPECT_EQ(t->form.repaints, 0);

  FormKeyDown(*t->game, vk::Escape, false);
  EXPECT_TRUE(t->state().waitingForShot);
  EXPECT_EQ(t->form.repaints, 2);

  FormKeyDown(*t->game, vk::F1, false);
  FormKeyDown(*t->game, vk::F1, false);
  EXPECT_FALSE(t->form.helpVisible);
}

}  // namespace
}  // namespace quorvil
