// Laying out the status line and the help panel, with a stand-in font whose
// every character is a solid block, so the places of the text can be read
// off the pixels.
#include "render/overlay_images.h"

#include <gtest/gtest.h>

#include <array>

namespace quorvil {
namespace {

// Each character is a full block kCharWidth wide and as high as the line;
// a blank is an empty one.
class BlockText : public TextRasterizer {
 public:
  static constexpr int kCharWidth = 6;
  static constexpr int kLine = 10;

  TextImage Render(std::string_view utf8, const FontSpec& font) override {
    TextImage image;
    image.width = Width(utf8, font);
    image.height = kLine;
    image.coverage.assign(size_t(image.width) * kLine, 0);
    int left = 0;
    for (unsigned char c : utf8) {
      if ((c & 0xC0) == 0x80) continue;
      for (int y = 0; y < kLine && c != ' '; ++y) {
        for (int x = left; x < left + kCharWidth; ++x) image.coverage[size_t(y * image.width + x)] = 255;
      }
      left += kCharWidth;
    }
    return image;
  }
  int Width(std::string_view utf8, const FontSpec&) override {
    int chars = 0;
    for (unsigned char c : utf8) chars += (c & 0xC0) != 0x80;
    return chars * kCharWidth;
  }
  int LineHeight(const FontSpec&) override { return kLine; }
};

bool Is(const RgbImage& image, int x, int y, Rgb c) {
  const Rgb p = image.At(x, y);
  return p.r == c.r && p.g == c.g && p.b == c.b;
}

TEST(ComposeStatusLine, TextSitsLeftAndCentredAndIsCutAtTheEdge) {
  BlockText text;
  using namespace status_line;
  const RgbImage image = ComposeStatusLine("abcdefghijklmnopqrstuvwxyz", 100, text);
  ASSERT_EQ(image.width, 100);
  ASSERT_EQ(image.height, kHeight);
  const int top = (kHeight - BlockText::kLine) / 2;
  EXPECT_TRUE(Is(image, kTextLeft - 1, top, kButtonFace));
  EXPECT_TRUE(Is(image, kTextLeft, top, kButtonText));
  EXPECT_TRUE(Is(image, 99, top + BlockText::kLine - 1, kButtonText));
  EXPECT_TRUE(Is(image, 50, top - 1, kButtonFace));
  EXPECT_TRUE(Is(image, 50, top + BlockText::kLine, kButtonFace));
}

TEST(ComposeStatusLine, NoWidthOrNoTextIsJustTheBackground) {
  BlockText text;
  EXPECT_EQ(ComposeStatusLine("Spieler 1", 0, text).pixels.size(), 0u);
  const RgbImage empty = ComposeStatusLine("", 20, text);
  for (int x = 0; x < 20; ++x) EXPECT_TRUE(Is(empty, x, 18, status_line::kButtonFace));
}

TEST(ComposeHelpPanel, WrapsLongLinesAndCutsWhatFallsBelow) {
  using namespace help_panel;
  BlockText text;
  const int textWidth = kWidth - 2 * kMarginX;
  const int perLine = textWidth / BlockText::kCharWidth;
  // Line 0 needs two places, line 1 is empty, then enough lines to run past
  // the bottom edge.
  const std::string longLine = "  " + std::string(size_t(perLine), 'x') + " yy";
  std::array<std::string_view, 24> lines;
  lines.fill("  z");
  lines[0] = longLine;
  lines[1] = "";
  const RgbImage image = ComposeHelpPanel(lines, text);
  ASSERT_EQ(image.width, kWidth);
  ASSERT_EQ(image.height, kHeight);

  auto rowOf = [](int place) { return kMarginY + place * BlockText::kLine + 1; };
  // Place 0: the two leading blanks, then the x run from the third block.
  EXPECT_TRUE(Is(image, kMarginX, rowOf(0), kNavy));
  EXPECT_TRUE(Is(image, kMarginX + 2 * BlockText::kCharWidth, rowOf(0), kWhite));
  // Place 1: the continuation "yy" starts at the margin.
  EXPECT_TRUE(Is(image, kMarginX, rowOf(1), kWhite));
  EXPECT_TRUE(Is(image, kMarginX + 2 * BlockText::kCharWidth, rowOf(1), kNavy));
  // Place 2 is the empty line, place 3 the first "  z".
  EXPECT_TRUE(Is(image, kMarginX + 2 * BlockText::kCharWidth, rowOf(2), kNavy));
  EXPECT_TRUE(Is(image, kMarginX + 2 * BlockText::kCharWidth, rowOf(3), kWhite));
  // The last row of the panel still holds text; nothing is drawn beyond.
  EXPECT_TRUE(Is(image, kMarginX + 2 * BlockText::kCharWidth, kHeight - 1, kWhite));
  // Right of the text the panel stays navy to its edge.
  EXPECT_TRUE(Is(image, kWidth - 1, rowOf(0), kNavy));
}

}  // namespace
}  // namespace quorvil
