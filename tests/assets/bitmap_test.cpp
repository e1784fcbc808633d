#include "assets/bitmap.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "assets/resource_error.h"
#include "tests/assets/bmp_fixture.h"

namespace quorvil {
namespace {

using testing::BmpForm;
using testing::LayoutOf;
using testing::MakeBmp;
using testing::PutU16;
using testing::PutU32;
using testing::UniqueColour;

struct FormCase {
  const char* label;
  BmpForm form;
  bool topDown;
  uint32_t paletteEntries;
};

class BitmapFormTest : public ::testing::TestWithParam<FormCase> {};

// A width of 5 leaves 1 byte of padding a row, so a reader that ignores the
// padding or the row order reads the wrong pixels.
TEST_P(BitmapFormTest, ReadsEveryPixelFromTheTopLeft) {
  const FormCase& c = GetParam();
  const auto bytes = MakeBmp(5, 3, UniqueColour, c.form, c.topDown, c.paletteEntries);
  const Bitmap bitmap = Bitmap::Decode(bytes, "ID_TEST");
  ASSERT_EQ(bitmap.Width(), 5);
  ASSERT_EQ(bitmap.Height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(bitmap.PixelAt(x, y), UniqueColour(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Forms, BitmapFormTest,
                         ::testing::Values(FormCase{"FileBottomUp", BmpForm::File, false, 0},
                                           FormCase{"FileTopDown", BmpForm::File, true, 0},
                                           FormCase{"DibBottomUp", BmpForm::BareDib, false, 0},
                                           FormCase{"DibTopDown", BmpForm::BareDib, true, 0},
                                           FormCase{"DibWithPalette", BmpForm::BareDib, false, 3}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(BitmapTest, ColourIsRedInTheLowestByte) {
  const auto bytes = MakeBmp(1, 1, [](int, int) { return testing::Rgb(0x12, 0x34, 0x56); });
  EXPECT_EQ(Bitmap::Decode(bytes, "ID_TEST").PixelAt(0, 0), 0x563412u);
}

TEST(BitmapTest, PointsOutsideThePictureHaveNoColour) {
  const Bitmap bitmap = Bitmap::Decode(MakeBmp(4, 2, UniqueColour), "ID_TEST");
  for (auto [x, y] : {std::pair{-1, 0}, {4, 0}, {0, -1}, {0, 2}, {1000000, 1000000}})
    EXPECT_EQ(bitmap.PixelAt(x, y), Bitmap::kNoColour) << x << "," << y;
}

TEST(BitmapTest, LastRowMayLackItsPadding) {
  auto bytes = MakeBmp(5, 2, UniqueColour);
  bytes.pop_back();  // the one padding byte of the last stored row
  EXPECT_EQ(Bitmap::Decode(bytes, "ID_TEST").PixelAt(4, 0), UniqueColour(4, 0));
}

// One way of spoiling a good 128 x 128 bitmap.
struct BadCase {
  const char* label;
  BmpForm form;
  std::function<void(std::vector<uint8_t>&)> spoil;
};

std::vector<BadCase> BadCases() {
  const auto file = LayoutOf(BmpForm::File);
  const auto dib = LayoutOf(BmpForm::BareDib);
  auto truncateTo = [](size_t n) { return [n](std::vector<uint8_t>& b) { b.resize(n); }; };
  auto setU32 = [](size_t at, uint32_t v) {
    return [at, v](std::vector<uint8_t>& b) { PutU32(b, at, v); };
  };
  auto setU16 = [](size_t at, uint16_t v) {
    return [at, v](std::vector<uint8_t>& b) { PutU16(b, at, v); };
  };
  return {
      {"Empty", BmpForm::File, truncateTo(0)},
      {"FileHeaderOnly", BmpForm::File, truncateTo(14)},
      {"InfoHeaderTruncated", BmpForm::File, truncateTo(14 + 39)},
      {"DibHeaderTruncated", BmpForm::BareDib, truncateTo(20)},
      {"PixelsTruncated", BmpForm::File, [](auto& b) { b.resize(b.size() - 385); }},
      {"DibPixelsTruncated", BmpForm::BareDib, [](auto& b) { b.resize(b.size() / 2); }},
      {"CoreHeader", BmpForm::BareDib, setU32(dib.infoAt, 12)},
      {"HeaderLongerThanData", BmpForm::BareDib, setU32(dib.infoAt, 0x7FFFFFF0)},
      {"EightBitsPerPixel", BmpForm::File, setU16(file.bitsPerPixelAt(), 8)},
      {"ThirtyTwoBitsPerPixel", BmpForm::File, setU16(file.bitsPerPixelAt(), 32)},
      {"RunLengthCompressed", BmpForm::File, setU32(file.compressionAt(), 1)},
      {"BitFields", BmpForm::BareDib, setU32(dib.compressionAt(), 3)},
      {"NoPlanes", BmpForm::File, setU16(file.planesAt(), 0)},
      {"ZeroWidth", BmpForm::File, setU32(file.widthAt(), 0)},
      {"ZeroHeight", BmpForm::File, setU32(file.heightAt(), 0)},
      {"NegativeWidth", BmpForm::File, setU32(file.widthAt(), uint32_t(-128))},
      {"HugeWidth", BmpForm::File, setU32(file.widthAt(), 0x40000000)},
      {"HugeHeight", BmpForm::BareDib, setU32(dib.heightAt(), 1000000)},
      {"HugeTopDownHeight", BmpForm::File, setU32(file.heightAt(), uint32_t(-1000000))},
      {"MostNegativeHeight", BmpForm::File, setU32(file.heightAt(), 0x80000000u)},
      // Within the size cap, yet far more pixels than the data holds.
      {"LargerThanItsData", BmpForm::File, setU32(file.heightAt(), 8000)},
      {"PixelOffsetPastTheEnd", BmpForm::File,
       setU32(testing::BmpLayout::kPixelOffsetAt, 0xFFFFFFF0u)},
      {"PixelOffsetInsideHeader", BmpForm::File, setU32(testing::BmpLayout::kPixelOffsetAt, 20)},
      {"PalettePastTheEnd", BmpForm::BareDib, setU32(dib.paletteEntriesAt(), 0x40000000)},
  };
}

class BitmapRefusesTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BitmapRefusesTest, ThrowsResourceErrorNamingTheResource) {
  const BadCase& c = GetParam();
  auto bytes = MakeBmp(128, 128, UniqueColour, c.form);
  c.spoil(bytes);
  try {
    (void)Bitmap::Decode(bytes, "ID_BITMAP7");
    FAIL() << "decoded a spoiled bitmap";
  } catch (const ResourceError& e) {
    EXPECT_NE(std::string(e.what()).find("ID_BITMAP7"), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Spoiled, BitmapRefusesTest, ::testing::ValuesIn(BadCases()),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace quorvil
