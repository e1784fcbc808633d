// Text for the overlays through SDL2_ttf, with the faces chosen by
// fontconfig: its best match for "Times New Roman" as the serif face and for
// "MS Sans Serif" as the sans face. Needs no SDL video or window.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "render/text_rasterizer.h"

typedef struct _TTF_Font TTF_Font;

namespace quorvil {

class TextSdlTtf : public TextRasterizer {
 public:
  // Finds both faces and starts the font library; throws std::runtime_error
  // naming what is missing when either cannot be had.
  TextSdlTtf();
  ~TextSdlTtf() override;
  TextSdlTtf(const TextSdlTtf&) = delete;
  TextSdlTtf& operator=(const TextSdlTtf&) = delete;

  TextImage Render(std::string_view utf8, const FontSpec& font) override;
  int Width(std::string_view utf8, const FontSpec& font) override;
  int LineHeight(const FontSpec& font) override;

  // The font file fontconfig chose for a face.
  const std::string& FontFile(Face face) const;

 private:
  // Opened once per face and size, kept for the life of the rasterizer.
  TTF_Font* Font(const FontSpec& font);

  std::string serifFile_;
  std::string sansFile_;
  std::map<std::tuple<Face, int, HeightMeasure>, TTF_Font*> fonts_;
};

// fontconfig's best match for a family name: the path of its font file, or
// an empty string when fontconfig offers none.
std::string BestFontFile(const std::string& family);

}  // namespace quorvil
