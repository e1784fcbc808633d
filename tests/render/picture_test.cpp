// Probes of the 3D picture: table points projected with the frame's camera
// must show the colour of what lies there, for the view the game starts with
// and for a view straight down on the table.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <span>

#include "support/test_game.h"
#include "tests/render/picture_probe.h"

namespace quorvil {
namespace {

using testing::Pixel;
using testing::Picture;

using ColourTest = std::function<bool(Pixel)>;

bool Background(Pixel p) { return p.r == 0 && p.g == 0 && p.b == 51; }
bool Cloth(Pixel p) { return p.g > 60 && p.g > 2 * p.r && p.g > 2 * p.b; }
bool Black(Pixel p) { return p.r < 16 && p.g < 16 && p.b < 16; }
bool SpotYellow(Pixel p) { return p.r > 60 && p.g > 60 && p.b < 20 && std::abs(p.r - p.g) < 20; }
bool Brown(Pixel p) { return p.r > p.g && p.g > p.b && p.r > 40 && p.r > p.b + 30; }
bool White(Pixel p) { return p.r > 150 && p.g > 150 && p.b > 150; }
bool Yellow(Pixel p) { return p.r > 100 && p.g > 100 && p.b < p.r / 2; }
bool Blue(Pixel p) { return p.b > 100 && p.r < p.b / 2 && p.g < p.b / 2; }
bool Purple(Pixel p) { return p.r > 80 && p.b > 80 && p.g < p.r / 2; }
// The shadow is unlit: exactly its colour (0, 0.2, 0).
bool Shadow(Pixel p) { return p.r == 0 && p.g == 51 && p.b == 0; }

struct Probe {
  const char* what;
  double x, y, z;
  ColourTest test;
};

// A point on the cue's axis, `along` units from the cue ball's centre, for
// the aim angle 0: the axis runs along (0, -sin 85, cos 85).
Probe CueAxisProbe(const char* what, double ballX, double ballY, double along) {
  const double tilt = 85.0 * std::numbers::pi / 180.0;
  return {what, ballX, ballY - along * std::sin(tilt), along * std::cos(tilt), Brown};
}

constexpr int kWidth = 870;
constexpr int kHeight = 640;

void ExpectProbes(const Picture& picture, const ViewFields& view, std::span<const Probe> probes) {
  for (const Probe& probe : probes) {
    const Pixel seen = testing::PixelAt(picture, view, probe.x, probe.y, probe.z);
    EXPECT_TRUE(probe.test(seen)) << probe.what << " shows " << seen;
  }
}

// A started game, its balls as racked, with every orientation straightened
// so the colour at a ball's top is the top of its picture.
std::unique_ptr<testing::TestGame> Table() {
  auto t = testing::StartedGame();
  for (Ball& ball : t->state().balls) {
    for (int i = 0; i < 16; ++i) ball.orientation[i] = i % 5 == 0 ? 1.0 : 0.0;
  }
  return t;
}

TEST(Picture, StartViewShowsTheTable) {
  auto t = Table();
  GameState& s = t->state();
  // The cue ball off its spot so the head spot shows; markers for both
  // players.
  testing::PlaceBall(s, kCueSlot, 200.0f, -300.0f);
  s.players[0].blackPocket = 5;
  s.players[1].blackPocket = 6;
  const Picture picture = testing::Snap(*t->game, kWidth, kHeight);
  const ViewFields& view = t->game->view;
  ASSERT_EQ(view.viewTilt, -53.0f);

  const Probe probes[] = {
      {"cloth", -300, 300, -28.5, Cloth},
      {"side pocket hole", 600, 0, -27.5, Black},
      {"head spot", 0, -585, -25.5, SpotYellow},
      {"left rim", -785, 0, 0, Brown},
      {"cue ball top", 200, -300, 28.5, White},
      {"apex ball top", 0, 585, 28.5, Yellow},
      CueAxisProbe("cue", 200, -300, 500),
      {"tray box floor", 940, 300, -185.5, Brown},
      {"marker of player 0", 785 + 40, 1370 + 40, 4, Yellow},
      {"marker of player 1", 785 - 40, 0 - 40, 4, Blue},
  };
  ExpectProbes(picture, view, probes);
  EXPECT_TRUE(Background(picture.At(5, 5))) << picture.At(5, 5);
}

TEST(Picture, StraightDownViewShowsTheTable) {
  auto t = Table();
  GameState& s = t->state();
  testing::PlaceBall(s, kCueSlot, 200.0f, -600.0f);
  // A purple 4 in the tray, as pocketing lays it there.
  s.balls[3].pocketed = true;
  s.balls[3].pos = Vec2{927.75f, -500.0f};
  s.players[0].blackPocket = 5;
  s.players[1].blackPocket = 4;
  // Upright, so the whole frame fits with room to spare.
  t->game->view = ViewFields{0.0f, 0.0f, 0.0f, 0.0f, 3300.0f};
  const Picture picture = testing::Snap(*t->game, 1000, 1400);
  const ViewFields& view = t->game->view;

  const Probe probes[] = {
      {"beyond the frame", 1050, 0, 0, Background},
      {"cloth", 300, 300, -28.5, Cloth},
      {"hole 1", 595, -1180, -27.5, Black},
      {"hole 2", -595, -1180, -27.5, Black},
      {"hole 3", -595, 0, -27.5, Black},
      {"hole 4", -595, 1180, -27.5, Black},
      {"hole 5", 595, 1180, -27.5, Black},
      {"hole 6", 595, 0, -27.5, Black},
      {"hole reaches x = 650", 650, 0, -27.5, Black},
      {"head spot", 0, -585, -25.5, SpotYellow},
      {"right rim", 785, 600, 0, Brown},
      {"cue ball top", 200, -600, 28.5, White},
      {"apex ball top", 0, 585, 28.5, Yellow},
      {"shadow beside the cue ball", 200 + 25.5, -600 + 25.5, -24.5, Shadow},
      {"no shadow on the other side", 200 - 25.5, -600 - 25.5, -24.5, Cloth},
      CueAxisProbe("cue behind the cue ball", 200, -600, 400),
      {"tray box floor", 927.75, 300, -185.5, Brown},
      {"ball in the tray", 927.75, -500, -142.75 + 28.5, Purple},
      {"marker of player 0", 785 + 40, 1370 - 40, 4, Yellow},
      {"marker of player 1", -785 - 40, 1370 - 40, 4, Blue},
  };
  ExpectProbes(picture, view, probes);
}

TEST(Picture, CueOnlyWhileTheBallsRest) {
  for (bool moving : {false, true}) {
    SCOPED_TRACE(moving ? "moving" : "at rest");
    auto t = Table();
    t->state().ballsMoving = moving;
    t->state().wasMoving = moving;  // no judgement of a shot in this frame
    t->game->view = ViewFields{0.0f, 0.0f, 0.0f, 0.0f, 3300.0f};
    const Picture picture = testing::Snap(*t->game, kWidth, kHeight);
    const Probe probe = CueAxisProbe("cue", 0, -585, 400);
    const Pixel cue = testing::PixelAt(picture, t->game->view, probe.x, probe.y, probe.z);
    EXPECT_EQ(Brown(cue), !moving) << cue;
    if (moving) {
      EXPECT_TRUE(Cloth(cue)) << cue;
    }
  }
}

}  // namespace
}  // namespace quorvil
