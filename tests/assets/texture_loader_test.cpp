#include "assets/texture_loader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "assets/resource_error.h"
#include "tests/assets/bmp_fixture.h"

namespace quorvil {
namespace {

using testing::BmpForm;
using testing::FixtureCatalog;
using testing::MakeBmp;
using testing::Rgb;
using testing::UniqueColour;

// The colour of texel (column, row) of the texture, rows from the bottom.
uint32_t Texel(const TextureImage& image, int column, int row) {
  const uint8_t* p = &image.pixels[size_t(row) * kTextureRowBytes + size_t(column) * 3];
  return Rgb(p[0], p[1], p[2]);
}

std::unique_ptr<TextureImage> FreshImage() {
  auto image = std::make_unique<TextureImage>();
  InitTextureImage(*image);
  return image;
}

constexpr uint32_t kWhite = Rgb(255, 255, 255);
constexpr uint32_t kRed = Rgb(255, 0, 0);
constexpr uint32_t kBlue = Rgb(0, 0, 255);
constexpr uint32_t kGreen = Rgb(0, 200, 0);
constexpr uint32_t kYellow = Rgb(250, 250, 0);

// White, a red line down column 100, a blue dot at the odd column 33, a green
// top row and a yellow bottom row.
uint32_t TestCard(int x, int y) {
  if (y == 0) return kGreen;
  if (y == 127) return kYellow;
  if (x == 100) return kRed;
  if (x == 33 && y == 60) return kBlue;
  return kWhite;
}

TEST(LoadTextureImageTest, SqueezesDoublesAndTurnsThePictureUpright) {
  FixtureCatalog catalog;
  catalog.Add("ID_CARD", MakeBmp(128, 128, TestCard));
  auto image = FreshImage();
  LoadTextureImage(*image, "ID_CARD", catalog);

  for (int row = 0; row < 128; ++row) {
    for (int column = 0; column < 128; ++column) {
      uint32_t expected = kWhite;
      if (row == 127)
        expected = kGreen;  // the picture's top row
      else if (row == 0)
        expected = kYellow;  // its bottom row
      else if (column == 50 || column == 114)
        expected = kRed;
      ASSERT_EQ(Texel(*image, column, row), expected) << "column " << column << ", row " << row;
    }
  }
}

// Every texel against the picture, from both forms of bitmap: texture row
// 127 - i, columns j and j + 64 hold the picture's pixel (2j, i).
TEST(LoadTextureImageTest, EveryTexelComesFromTheEvenColumnsOfThePicture) {
  for (BmpForm form : {BmpForm::File, BmpForm::BareDib}) {
    for (bool topDown : {false, true}) {
      FixtureCatalog catalog;
      catalog.Add("ID_GRADIENT", MakeBmp(128, 128, UniqueColour, form, topDown));
      auto image = FreshImage();
      LoadTextureImage(*image, "ID_GRADIENT", catalog);
      for (int i = 0; i < 128; ++i) {
        for (int j = 0; j < 64; ++j) {
          ASSERT_EQ(Texel(*image, j, 127 - i), UniqueColour(2 * j, i)) << i << "," << j;
          ASSERT_EQ(Texel(*image, j + 64, 127 - i), UniqueColour(2 * j, i)) << i << "," << j;
        }
      }
    }
  }
}

TEST(LoadTextureImageTest, MarksTheImageLoadedAndLeavesItsFlags) {
  FixtureCatalog catalog;
  catalog.Add("ID_CARD", MakeBmp(128, 128, TestCard));
  auto image = FreshImage();
  image->modulate = false;
  image->repeatWrap = true;
  LoadTextureImage(*image, "ID_CARD", catalog);
  EXPECT_TRUE(image->loaded);
  EXPECT_FALSE(image->modulate);
  EXPECT_TRUE(image->repeatWrap);

  const auto first = image->pixels;
  LoadTextureImage(*image, "ID_CARD", catalog);
  EXPECT_EQ(image->pixels, first);
}

// An image that has already been loaded once, with flags set off their start
// values, so that any change a failed load makes shows.
std::unique_ptr<TextureImage> LoadedImage() {
  FixtureCatalog catalog;
  catalog.Add("ID_GRADIENT", MakeBmp(128, 128, UniqueColour));
  auto image = FreshImage();
  LoadTextureImage(*image, "ID_GRADIENT", catalog);
  image->modulate = false;
  image->repeatWrap = true;
  return image;
}

void ExpectUnchanged(const TextureImage& image, const TextureImage& before) {
  EXPECT_EQ(image.loaded, before.loaded);
  EXPECT_EQ(image.modulate, before.modulate);
  EXPECT_EQ(image.repeatWrap, before.repeatWrap);
  EXPECT_TRUE(image.pixels == before.pixels);
}

TEST(LoadTextureImageTest, MissingResourceIsReportedByNameAndChangesNothing) {
  FixtureCatalog catalog;
  for (auto make : {FreshImage, LoadedImage}) {
    auto image = make();
    const auto before = std::make_unique<TextureImage>(*image);
    try {
      LoadTextureImage(*image, "ID_BITMAP99", catalog);
      FAIL() << "loaded a missing resource";
    } catch (const ResourceError& e) {
      EXPECT_STREQ(e.what(), "Resource ID_BITMAP99 not found");
    }
    ExpectUnchanged(*image, *before);
  }
}

// Pictures that cannot be read, or are of a size the game does not use. The
// top-down picture lacks only its bottom row, the last one read, so a loader
// that wrote as it read would already have changed the image.
TEST(LoadTextureImageTest, UnreadablePictureIsReportedByNameAndChangesNothing) {
  struct Case {
    const char* label;
    std::vector<uint8_t> bytes;
  };
  std::vector<Case> cases = {
      {"64 x 64", MakeBmp(64, 64, UniqueColour)},
      {"128 x 64", MakeBmp(128, 64, UniqueColour)},
      {"129 x 128", MakeBmp(129, 128, UniqueColour, BmpForm::BareDib)},
      {"128 x 128 without its bottom row", MakeBmp(128, 128, UniqueColour, BmpForm::File, true)},
      {"128 x 128 at 32 bits", MakeBmp(128, 128, UniqueColour)},
      {"not a bitmap", std::vector<uint8_t>(100, 0x5A)},
  };
  cases[3].bytes.resize(cases[3].bytes.size() - 384);
  testing::PutU16(cases[4].bytes, testing::LayoutOf(BmpForm::File).bitsPerPixelAt(), 32);

  for (const Case& c : cases) {
    FixtureCatalog catalog;
    catalog.Add("ID_BITMAP_HOLZ", c.bytes);
    auto image = LoadedImage();
    const auto before = std::make_unique<TextureImage>(*image);
    try {
      LoadTextureImage(*image, "ID_BITMAP_HOLZ", catalog);
      ADD_FAILURE() << c.label << ": loaded";
    } catch (const ResourceError& e) {
      EXPECT_NE(std::string(e.what()).find("ID_BITMAP_HOLZ"), std::string::npos)
          << c.label << ": " << e.what();
    }
    ExpectUnchanged(*image, *before);
  }
}

TEST(LoadTextureImageTest, FindsTheGamesPicturesWhateverTheCase) {
  auto upper = FreshImage();
  auto lower = FreshImage();
  LoadTextureImage(*upper, "ID_BITMAP_FILZ", EmbeddedResources());
  LoadTextureImage(*lower, "id_bitmap_filz", EmbeddedResources());
  EXPECT_TRUE(lower->loaded);
  EXPECT_TRUE(lower->pixels == upper->pixels);
}

}  // namespace
}  // namespace quorvil
