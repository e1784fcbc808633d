#include "platform/text_sdl_ttf.h"

#include <gtest/gtest.h>

#include "render/overlay_images.h"
#include "tests/render/picture_probe.h"

namespace quorvil {
namespace {

TEST(TextSdlTtf, FindsAFaceForEachOverlay) {
  TextSdlTtf& text = testing::SharedText();
  EXPECT_FALSE(text.FontFile(Face::Serif).empty());
  EXPECT_FALSE(text.FontFile(Face::Sans).empty());
  EXPECT_NE(text.FontFile(Face::Serif), text.FontFile(Face::Sans));
}

TEST(TextSdlTtf, SizesFollowTheirMeasure) {
  TextSdlTtf& text = testing::SharedText();
  // A cell height is the whole line: the largest size that fits 30 pixels.
  const int cell = text.LineHeight(status_line::kFont);
  EXPECT_LE(cell, 30);
  EXPECT_GE(cell, 27);
  // A character height is the em: the line is somewhat taller than 11.
  const int line = text.LineHeight(help_panel::kFont);
  EXPECT_GE(line, 11);
  EXPECT_LE(line, 15);
  const TextImage image = text.Render("Spieler", status_line::kFont);
  EXPECT_EQ(image.height, cell);
  EXPECT_EQ(image.width, text.Width("Spieler", status_line::kFont));
  EXPECT_EQ(text.Width("", status_line::kFont), 0);
  EXPECT_EQ(text.Render("", status_line::kFont).width, 0);
}

TEST(TextSdlTtf, UmlautsAndSharpSHaveTheirOwnGlyphs) {
  // A character the face lacks comes out as the same stand-in box as any
  // other missing one; each German letter must look different from it and
  // from its plain letter.
  TextSdlTtf& text = testing::SharedText();
  for (const FontSpec& font : {status_line::kFont, help_panel::kFont}) {
    const std::vector<uint8_t> missing = text.Render("\xEE\x80\x80", font).coverage;  // U+E000
    const std::pair<const char*, const char*> letters[] = {
        {"ä", "a"}, {"ö", "o"}, {"ü", "u"}, {"Ä", "A"}, {"Ö", "O"}, {"Ü", "U"}, {"ß", "B"}};
    for (auto [german, plain] : letters) {
      SCOPED_TRACE(german);
      const std::vector<uint8_t> glyph = text.Render(german, font).coverage;
      EXPECT_FALSE(glyph.empty());
      EXPECT_NE(glyph, missing);
      EXPECT_NE(glyph, text.Render(plain, font).coverage);
    }
  }
}

}  // namespace
}  // namespace quorvil
