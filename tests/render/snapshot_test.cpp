// Offscreen snapshots: the sizes they take, the PNG they write, and that a
// snapshot is one repaint of the frame's state steps, as in quorvil-sim.
#include "render/snapshot.h"

#include <png.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "support/test_game.h"
#include "tests/render/picture_probe.h"
#include "tests/tools/sim_process.h"
#include "ui/paint_steps.h"

namespace quorvil {
namespace {

// A started game with the cue ball rolling, so a repaint would turn it.
std::unique_ptr<testing::TestGame> RollingGame() {
  auto t = testing::StartedGame();
  testing::PlaceBall(t->state(), kCueSlot, 0.0f, -585.0f, 3.0f, 4.0f);
  t->state().ballsMoving = true;
  return t;
}

TEST(RenderSnapshot, RefusesSizesOutsideOneTo8192AndLeavesTheGameAlone) {
  const std::pair<int, int> refused[] = {{0, 10}, {10, 0}, {-1, 10}, {8193, 10}, {10, 8193}};
  for (auto [w, h] : refused) {
    SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
    auto t = RollingGame();
    const Ball before = t->ball(kCueSlot);
    EXPECT_THROW(testing::Snap(*t->game, w, h), std::invalid_argument);
    EXPECT_EQ(std::memcmp(before.orientation, t->ball(kCueSlot).orientation, sizeof before.orientation), 0);
    EXPECT_FALSE(t->state().wasMoving);
  }
}

TEST(RenderSnapshot, TakesTheExtremeSizes) {
  const std::pair<int, int> taken[] = {{1, 1}, {8192, 1}, {1, 8192}};
  for (auto [w, h] : taken) {
    SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
    auto t = RollingGame();
    EXPECT_EQ(testing::Snap(*t->game, w, h).rgba.size(), size_t(w) * size_t(h) * 4);
  }
}

TEST(RenderSnapshot, IsOneRepaintOfTheStateSteps) {
  auto t = RollingGame();
  auto u = RollingGame();
  testing::Snap(*t->game, 16, 16);
  PaintStateSteps(*u->game);
  EXPECT_EQ(std::memcmp(t->ball(kCueSlot).orientation, u->ball(kCueSlot).orientation,
                        sizeof(double) * 16), 0);
  EXPECT_TRUE(t->state().wasMoving);
}

struct PngPicture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;
};

PngPicture ReadPng(const std::string& path) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  PngPicture picture;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return picture;
  image.format = PNG_FORMAT_RGBA;
  picture.rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr)) return {};
  picture.width = int(image.width);
  picture.height = int(image.height);
  return picture;
}

TEST(WriteSnapshot, WritesThePngTopRowFirst) {
  auto t = testing::StartedGame();
  const std::string path = ::testing::TempDir() + "/quorvil_snapshot.png";
  WriteSnapshot(*t->game, 120, 90, path, {"Spieler 1", false}, testing::SharedText());
  const PngPicture png = ReadPng(path);
  ASSERT_EQ(png.width, 120);
  ASSERT_EQ(png.height, 90);
  // The dark blue sky at the top, the status line at the bottom.
  EXPECT_EQ(std::vector<int>(png.rgba.begin(), png.rgba.begin() + 4), (std::vector<int>{0, 0, 51, 255}));
  const auto last = png.rgba.end() - 4;
  EXPECT_EQ(std::vector<int>(last, last + 4), (std::vector<int>{240, 240, 240, 255}));
  std::filesystem::remove(path);
}

TEST(WriteSnapshot, ReportsAFileItCannotWrite) {
  auto t = testing::StartedGame();
  const std::string path = ::testing::TempDir() + "/no such folder/frame.png";
  EXPECT_THROW(WriteSnapshot(*t->game, 8, 8, path, {}, testing::SharedText()), std::runtime_error);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(SimSnap, CountsAsOneRepaintAndWritesThePicture) {
  const std::string path = ::testing::TempDir() + "/quorvil_sim_snap.png";
  const std::string opening = "seed 3\nstart\nkey 32\nstep 30\n";
  const sim::testing::SimProcess snapped =
      sim::testing::RunSimProcess(opening + "snap 200 150 " + path + "\nstep 3\ndump\n");
  const sim::testing::SimProcess painted =
      sim::testing::RunSimProcess(opening + "paint\nstep 3\ndump\n");
  ASSERT_TRUE(snapped.exited);
  EXPECT_EQ(snapped.status, 0) << snapped.err;
  EXPECT_EQ(snapped.out, painted.out);
  EXPECT_EQ(ReadPng(path).width, 200);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace quorvil
