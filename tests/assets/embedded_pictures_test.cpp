// The game's own pictures against what the players are meant to see: the
// slot colours, the band, the number disc, the cloth and the wood.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "assets/bitmap.h"
#include "assets/resource_catalog.h"

namespace quorvil {
namespace {

struct Colour {
  int r, g, b;
  bool operator==(const Colour&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Colour& c) {
  return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

Colour At(const Bitmap& picture, int x, int y) {
  const uint32_t c = picture.PixelAt(x, y);
  return {int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF)};
}

Bitmap Picture(const std::string& name) {
  const auto bytes = EmbeddedResources().Find(name);
  if (!bytes) throw std::runtime_error(name + " is not embedded");
  return Bitmap::Decode(*bytes, name);
}

constexpr Colour kWhite{255, 255, 255};

struct BallLook {
  int slot;
  int number;
  bool banded;
  Colour colour;
};

constexpr Colour kYellow{255, 255, 0}, kGreen{0, 255, 0}, kPurple{192, 0, 192}, kBlack{0, 0, 0},
    kBlue{0, 0, 255}, kRed{255, 0, 0}, kOrange{255, 168, 0}, kMaroon{168, 0, 32};

constexpr std::array<BallLook, 15> kBalls = {{
    {1, 1, false, kYellow},
    {2, 14, true, kGreen},
    {3, 4, false, kPurple},
    {4, 12, true, kPurple},
    {5, 8, false, kBlack},
    {6, 2, false, kBlue},
    {7, 11, true, kRed},
    {8, 3, false, kRed},
    {9, 9, true, kYellow},
    {10, 5, false, kOrange},
    {11, 15, true, kMaroon},
    {12, 6, false, kGreen},
    {13, 13, true, kOrange},
    {14, 7, false, kMaroon},
    {15, 10, true, kBlue},
}};

class BallPictureTest : public ::testing::TestWithParam<BallLook> {
 protected:
  Bitmap picture = Picture("ID_BITMAP" + std::to_string(GetParam().slot));
};

// Outside the disc's box (columns and rows 40 to 87), a full ball is its
// colour everywhere; a banded ball is its colour on rows 43 to 83 and white
// from row 40 up and from row 86 down.
TEST_P(BallPictureTest, ColourAndBandOutsideTheDisc) {
  const BallLook& ball = GetParam();
  for (int y = 0; y < 128; ++y) {
    for (int x = 0; x < 128; ++x) {
      if (x >= 40 && x <= 87 && y >= 40 && y <= 87) continue;
      const Colour seen = At(picture, x, y);
      if (!ball.banded || (y >= 43 && y <= 83)) {
        ASSERT_EQ(seen, ball.colour) << x << "," << y;
      } else if (y <= 40 || y >= 86) {
        ASSERT_EQ(seen, kWhite) << x << "," << y;
      } else {
        // The two blend rows either side lie between white and the colour.
        ASSERT_NE(seen, kWhite) << x << "," << y;
        ASSERT_NE(seen, ball.colour) << x << "," << y;
      }
    }
  }
}

// The disc is white from column (and row) 45 to 82 through its centre, and
// the ball's colour just outside.
TEST_P(BallPictureTest, DiscSpansColumnsAndRows45To82) {
  const Colour colour = GetParam().colour;  // rows 44 and 83 lie inside a band
  for (auto [x, y, inside] : {std::tuple{45, 64, true},
                              {82, 64, true},
                              {64, 45, true},
                              {64, 82, true},
                              {44, 64, false},
                              {83, 64, false},
                              {64, 44, false},
                              {64, 83, false}}) {
    EXPECT_EQ(At(picture, x, y), inside ? kWhite : colour) << x << "," << y;
  }
}

// The disc is white apart from a black number near its centre (columns 52
// to 76, rows 53 to 79); the number is about 19 pixels high, and only the 6
// and the 9 have a line under it.
TEST_P(BallPictureTest, DiscCarriesTheNumberInBlack) {
  const BallLook& ball = GetParam();
  int inkPixels = 0, topInk = 128, bottomInk = -1, inkBelowFigure = 0;
  for (int y = 45; y <= 82; ++y) {
    for (int x = 45; x <= 82; ++x) {
      const double dx = x + 0.5 - 64, dy = y + 0.5 - 64;
      if (std::sqrt(dx * dx + dy * dy) > 18.0) continue;  // the smoothed rim
      const Colour c = At(picture, x, y);
      const bool inTextBox = x >= 52 && x <= 76 && y >= 53 && y <= 79;
      if (!inTextBox) {
        ASSERT_EQ(c, kWhite) << x << "," << y;
        continue;
      }
      // Grey, never tinted: the ink is black, its edges smoothed into white.
      ASSERT_TRUE(c.r == c.g && c.g == c.b) << x << "," << y << " " << c;
      if (c.r < 96) {
        ++inkPixels;
        if (y >= 76) {
          ++inkBelowFigure;
        } else {
          topInk = std::min(topInk, y);
          bottomInk = std::max(bottomInk, y);
        }
      }
    }
  }
  EXPECT_GE(inkPixels, 25);
  const int figureHeight = bottomInk - topInk + 1;
  EXPECT_GE(figureHeight, 17);
  EXPECT_LE(figureHeight, 21);
  const bool underlined = ball.number == 6 || ball.number == 9;
  if (underlined) {
    EXPECT_GE(inkBelowFigure, 8);
  } else {
    EXPECT_EQ(inkBelowFigure, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Slots, BallPictureTest, ::testing::ValuesIn(kBalls),
                         [](const auto& info) { return "Slot" + std::to_string(info.param.slot); });

// The ink differs between the numbers: no two balls carry the same figure.
TEST(BallPicturesTest, EachNumberIsDrawnDifferently) {
  std::vector<std::array<int, 38 * 38>> discs;
  for (const BallLook& ball : kBalls) {
    const Bitmap picture = Picture("ID_BITMAP" + std::to_string(ball.slot));
    std::array<int, 38 * 38> disc{};
    for (int y = 0; y < 38; ++y)
      for (int x = 0; x < 38; ++x) disc[y * 38 + x] = At(picture, 45 + x, 45 + y).r < 96;
    for (const auto& other : discs) EXPECT_NE(disc, other) << "slot " << ball.slot;
    discs.push_back(disc);
  }
}

struct Statistics {
  double mean[3] = {0, 0, 0};
  Colour low{255, 255, 255}, high{0, 0, 0};
};

Statistics Measure(const Bitmap& picture) {
  Statistics s;
  for (int y = 0; y < 128; ++y) {
    for (int x = 0; x < 128; ++x) {
      const Colour c = At(picture, x, y);
      s.mean[0] += c.r / 16384.0;
      s.mean[1] += c.g / 16384.0;
      s.mean[2] += c.b / 16384.0;
      s.low = {std::min(s.low.r, c.r), std::min(s.low.g, c.g), std::min(s.low.b, c.b)};
      s.high = {std::max(s.high.r, c.r), std::max(s.high.g, c.g), std::max(s.high.b, c.b)};
    }
  }
  return s;
}

int Difference(Colour a, Colour b) {
  return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// Laid side by side or one above the other, the picture shows no seam: the
// step from its last column to its first is no larger than the usual step
// between neighbouring columns, and the same for rows.
void ExpectTilesWithoutSeam(const Bitmap& picture) {
  double acrossColumns = 0, acrossWrapX = 0, acrossRows = 0, acrossWrapY = 0;
  for (int k = 0; k < 128; ++k) {
    for (int i = 0; i < 127; ++i) {
      acrossColumns += Difference(At(picture, i, k), At(picture, i + 1, k)) / 127.0;
      acrossRows += Difference(At(picture, k, i), At(picture, k, i + 1)) / 127.0;
    }
    acrossWrapX += Difference(At(picture, 127, k), At(picture, 0, k));
    acrossWrapY += Difference(At(picture, k, 127), At(picture, k, 0));
  }
  EXPECT_LE(acrossWrapX, 1.5 * acrossColumns + 128);
  EXPECT_LE(acrossWrapY, 1.5 * acrossRows + 128);
}

TEST(TablePicturesTest, ClothIsAnEvenGreenThatTiles) {
  const Bitmap cloth = Picture("ID_BITMAP_FILZ");
  const Statistics s = Measure(cloth);
  EXPECT_NEAR(s.mean[0], 27, 1.0);
  EXPECT_NEAR(s.mean[1], 116, 1.0);
  EXPECT_NEAR(s.mean[2], 52, 1.0);
  EXPECT_GE(s.low.r, 18);
  EXPECT_GE(s.low.g, 98);
  EXPECT_GE(s.low.b, 42);
  EXPECT_LE(s.high.r, 34);
  EXPECT_LE(s.high.g, 130);
  EXPECT_LE(s.high.b, 58);
  EXPECT_GT(s.high.g - s.low.g, 8) << "the cloth is mottled, not flat";
  ExpectTilesWithoutSeam(cloth);
}

TEST(TablePicturesTest, WoodIsReddishBrownWithGrainFromTopToBottomAndTiles) {
  const Bitmap wood = Picture("ID_BITMAP_HOLZ");
  const Statistics s = Measure(wood);
  EXPECT_NEAR(s.mean[0], 117, 2.0);
  EXPECT_NEAR(s.mean[1], 47, 2.0);
  EXPECT_NEAR(s.mean[2], 11, 2.0);

  // Grain lines running down the picture make the columns differ from one
  // another far more than the rows do.
  auto spread = [](const std::array<double, 128>& v) {
    double mean = 0, sq = 0;
    for (double x : v) mean += x / 128;
    for (double x : v) sq += (x - mean) * (x - mean) / 128;
    return std::sqrt(sq);
  };
  std::array<double, 128> columnMeans{}, rowMeans{};
  for (int y = 0; y < 128; ++y) {
    for (int x = 0; x < 128; ++x) {
      columnMeans[x] += At(wood, x, y).r / 128.0;
      rowMeans[y] += At(wood, x, y).r / 128.0;
    }
  }
  EXPECT_GT(spread(columnMeans), 4.0);
  EXPECT_GT(spread(columnMeans), 3 * spread(rowMeans));
  ExpectTilesWithoutSeam(wood);
}

}  // namespace
}  // namespace quorvil
