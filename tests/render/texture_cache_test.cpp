// The table's pictures kept in texture objects must not change the frame by
// a single pixel: a run of frames drawn with the cache is compared with the
// same run drawn the way the frame first did it, every picture uploaded
// into one shared texture at every bind.
#include "render/texture_cache.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "model/aim.h"
#include "model/new_game.h"
#include "physics/tick.h"
#include "render/frame.h"
#include "render/offscreen_context.h"
#include "render/overlays.h"
#include "tests/render/picture_probe.h"
#include "support/test_game.h"
#include "ui/help_text.h"
#include "ui/paint_steps.h"

namespace quorvil {
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

struct Step {
  const char* what;
  std::function<void(Game&)> change;
  bool help = false;
};

void Ticks(Game& game, int n) {
  for (int i = 0; i < n; ++i) TimerTimer(game);
}

// Each step changes the game, then one frame (and the overlays) is drawn.
const std::vector<Step>& Steps() {
  static const std::vector<Step> steps = {
      {"start view", [](Game&) {}},
      {"straight down", [](Game& g) { g.view.viewTilt = 0.0f; }},
      {"pocket markers", [](Game& g) {
         g.state.players[0].blackPocket = 2;
         g.state.players[1].blackPocket = 6;
       }},
      {"break in motion", [](Game& g) {
         Shoot(g.state);
         Ticks(g, 12);
       }},
      {"balls in the tray", [](Game& g) {
         g.state.balls[3].pos = {930.0f, -400.0f};
         g.state.balls[15].pos = {930.0f, 600.0f};
         Ticks(g, 5);
       }},
      {"help panel", [](Game& g) { Ticks(g, 5); }, true},
      {"after the help panel", [](Game& g) { Ticks(g, 5); }},
      {"new game", [](Game& g) { RestartGame(g); }},
      {"changed pictures", [](Game& g) {
         // The 15 is drawn last: the tray box takes its texel too.
         for (int slot : {0, 9, 15}) {
           for (uint8_t& p : g.state.balls[slot].texture.pixels) p = uint8_t(255 - p);
         }
         for (uint8_t& p : g.state.clothTexture.pixels) p = uint8_t(p / 2);
       }},
  };
  return steps;
}

std::vector<std::vector<uint8_t>> DrawSteps(TextureReuse reuse, int* uploads = nullptr) {
  std::srand(7);
  auto t = testing::StartedGame(7);
  Game& game = *t->game;
  OffscreenContext offscreen(kWidth, kHeight);
  RenderContext render(reuse);
  Overlays overlays(testing::SharedText());
  std::vector<std::vector<uint8_t>> pictures;
  for (const Step& step : Steps()) {
    step.change(game);
    PaintStateSteps(game);
    DrawFrame(game, kWidth, kHeight, render);
    overlays.Draw({"Spieler 1", step.help, kHelpLines}, kWidth, kHeight);
    pictures.push_back(offscreen.ReadPixels());
  }
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  if (uploads != nullptr) *uploads = render.textures().UploadCount();
  return pictures;
}

TEST(TextureCache, FramesMatchUploadingEveryPicture) {
  const auto reference = DrawSteps(TextureReuse::kUploadEveryBind);
  int uploads = 0;
  const auto cached = DrawSteps(TextureReuse::kKeep, &uploads);
  ASSERT_EQ(cached.size(), Steps().size());
  for (size_t i = 0; i < Steps().size(); ++i) {
    EXPECT_TRUE(cached[i] == reference[i]) << Steps()[i].what;
  }
  // The changed pictures show: the last frame differs from the one before.
  EXPECT_FALSE(cached[cached.size() - 1] == cached[cached.size() - 2]);
  // Sixteen balls, the cloth and the wood once, the three changed balls and
  // the cloth again; a new game may bring new pictures too, but no frame
  // uploads what is already there.
  EXPECT_GE(uploads, 18 + 4);
  EXPECT_LE(uploads, 2 * 18 + 4);
}

TEST(TextureCache, UploadsAPictureOnlyWhenItsPixelsChange) {
  auto t = testing::StartedGame();
  OffscreenContext offscreen(64, 48);
  RenderContext render;
  DrawFrame(*t->game, 64, 48, render);
  EXPECT_EQ(render.textures().UploadCount(), 18);
  for (int i = 0; i < 3; ++i) DrawFrame(*t->game, 64, 48, render);
  EXPECT_EQ(render.textures().UploadCount(), 18);
  t->ball(4).texture.pixels[100] ^= 0xff;
  DrawFrame(*t->game, 64, 48, render);
  EXPECT_EQ(render.textures().UploadCount(), 19);
}

}  // namespace
}  // namespace quorvil
