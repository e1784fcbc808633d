// The status line and the help panel as pictures: their backgrounds, their
// text laid out and blended on, ready to be put over the 3D view.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "render/text_rasterizer.h"

namespace quorvil {

struct Rgb {
  uint8_t r, g, b;
};

// RGB, rows top first, no gap between rows.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;

  Rgb At(int x, int y) const;
};

namespace status_line {
inline constexpr int kHeight = 37;
inline constexpr int kTextLeft = 4;
inline constexpr Rgb kButtonFace{240, 240, 240};
inline constexpr Rgb kButtonText{0, 0, 0};
inline constexpr FontSpec kFont{Face::Serif, 30, HeightMeasure::Cell};
}  // namespace status_line

namespace help_panel {
inline constexpr int kLeft = 208;
inline constexpr int kTop = 152;
inline constexpr int kWidth = 289;
inline constexpr int kHeight = 185;
// The panel's thin frame and the text's own margin inside it.
inline constexpr int kMarginX = 3;
inline constexpr int kMarginY = 2;
inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr FontSpec kFont{Face::Sans, 11, HeightMeasure::Character};
}  // namespace help_panel

// The status line at the given width: button-face background, the text
// left-aligned and centred in height, cut off at the right edge.
RgbImage ComposeStatusLine(std::string_view text, int width, TextRasterizer& rasterizer);

// The help panel: navy, its lines in white, each wrapped at the panel's text
// width; what does not fit below the panel's bottom edge is cut off.
RgbImage ComposeHelpPanel(std::span<const std::string_view> lines, TextRasterizer& rasterizer);

}  // namespace quorvil
