// How the overlays get their text: one line of UTF-8 turned into a coverage
// mask by whatever font library the platform has. The drawing code knows only
// this interface, so the renderer itself needs no font or window library.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvil {

enum class Face { Serif, Sans };

// What a font's height names: the whole character cell (ascent plus
// descent, a "cell height"), or the characters' em size ("character
// height", the cell less its internal leading).
enum class HeightMeasure { Cell, Character };

struct FontSpec {
  Face face;
  int height;  // pixels
  HeightMeasure measure;
};

// 8-bit coverage (0 none, 255 full), rows top first, width x height bytes.
struct TextImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> coverage;
};

class TextRasterizer {
 public:
  virtual ~TextRasterizer() = default;
  // One line of text, as wide as its advance and as tall as LineHeight(font),
  // with the baseline at the same height for every line. An empty text gives
  // a zero-width image.
  virtual TextImage Render(std::string_view utf8, const FontSpec& font) = 0;
  // The width Render would give the text, without rendering it.
  virtual int Width(std::string_view utf8, const FontSpec& font) = 0;
  virtual int LineHeight(const FontSpec& font) = 0;
};

}  // namespace quorvil
