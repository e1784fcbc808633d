#include "render/overlay_images.h"

#include <algorithm>

#include "render/word_wrap.h"

namespace quorvil {

namespace {

RgbImage Filled(int width, int height, Rgb colour) {
  RgbImage image;
  image.width = std::max(width, 0);
  image.height = std::max(height, 0);
  image.pixels.resize(size_t(image.width) * size_t(image.height) * 3);
  for (size_t i = 0; i < image.pixels.size(); i += 3) {
    image.pixels[i] = colour.r;
    image.pixels[i + 1] = colour.g;
    image.pixels[i + 2] = colour.b;
  }
  return image;
}

uint8_t Mix(uint8_t background, uint8_t foreground, uint8_t coverage) {
  const int mixed = background * (255 - coverage) + foreground * coverage;
  return static_cast<uint8_t>((mixed + 127) / 255);
}

// Blends the text's coverage onto the image in the given colour with its top
// left corner at (left, top); whatever falls outside the image is dropped.
void BlendText(RgbImage& image, const TextImage& text, int left, int top, Rgb colour) {
  for (int y = 0; y < text.height; ++y) {
    const int row = top + y;
    if (row < 0 || row >= image.height) continue;
    for (int x = 0; x < text.width; ++x) {
      const int column = left + x;
      if (column < 0 || column >= image.width) continue;
      const uint8_t coverage = text.coverage[size_t(y) * size_t(text.width) + size_t(x)];
      if (coverage == 0) continue;
      uint8_t* pixel = &image.pixels[(size_t(row) * size_t(image.width) + size_t(column)) * 3];
      pixel[0] = Mix(pixel[0], colour.r, coverage);
      pixel[1] = Mix(pixel[1], colour.g, coverage);
      pixel[2] = Mix(pixel[2], colour.b, coverage);
    }
  }
}

}  // namespace

Rgb RgbImage::At(int x, int y) const {
  const uint8_t* pixel = &pixels[(size_t(y) * size_t(width) + size_t(x)) * 3];
  return {pixel[0], pixel[1], pixel[2]};
}

RgbImage ComposeStatusLine(std::string_view text, int width, TextRasterizer& rasterizer) {
  using namespace status_line;
  RgbImage image = Filled(width, kHeight, kButtonFace);
  if (image.width == 0 || text.empty()) return image;
  const TextImage line = rasterizer.Render(text, kFont);
  BlendText(image, line, kTextLeft, (kHeight - line.height) / 2, kButtonText);
  return image;
}

RgbImage ComposeHelpPanel(std::span<const std::string_view> lines, TextRasterizer& rasterizer) {
  using namespace help_panel;
  RgbImage image = Filled(kWidth, kHeight, kNavy);
  const int textWidth = kWidth - 2 * kMarginX;
  const int lineHeight = std::max(rasterizer.LineHeight(kFont), 1);
  const TextWidth measure = [&](std::string_view piece) { return rasterizer.Width(piece, kFont); };
  int top = kMarginY;
  for (std::string_view line : lines) {
    for (const std::string& piece : WrapLine(line, textWidth, measure)) {
      if (top >= kHeight) return image;
      if (!piece.empty()) BlendText(image, rasterizer.Render(piece, kFont), kMarginX, top, kWhite);
      top += lineHeight;
    }
  }
  return image;
}

}  // namespace quorvil
