#include "platform/text_sdl_ttf.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <stdexcept>

namespace quorvil {

namespace {

std::string RequireFontFile(const char* family) {
  std::string file = BestFontFile(family);
  if (file.empty()) throw std::runtime_error(std::string("no font found for \"") + family + "\"");
  return file;
}

// Text as SDL_ttf takes it: NUL-terminated.
std::string Terminated(std::string_view utf8) { return std::string(utf8); }

}  // namespace

std::string BestFontFile(const std::string& family) {
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family.c_str()));
  if (pattern == nullptr) return {};
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  std::string path;
  FcChar8* file = nullptr;
  if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
    path = reinterpret_cast<const char*>(file);
  }
  if (match != nullptr) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return path;
}

TextSdlTtf::TextSdlTtf()
    : serifFile_(RequireFontFile("Times New Roman")), sansFile_(RequireFontFile("MS Sans Serif,Arial")) {
  if (TTF_Init() != 0) throw std::runtime_error(std::string("SDL_ttf: ") + TTF_GetError());
}

TextSdlTtf::~TextSdlTtf() {
  for (auto& [key, font] : fonts_) TTF_CloseFont(font);
  TTF_Quit();
}

const std::string& TextSdlTtf::FontFile(Face face) const {
  return face == Face::Serif ? serifFile_ : sansFile_;
}

TTF_Font* TextSdlTtf::Font(const FontSpec& wanted) {
  const auto key = std::make_tuple(wanted.face, wanted.height, wanted.measure);
  if (auto found = fonts_.find(key); found != fonts_.end()) return found->second;

  const std::string& file = FontFile(wanted.face);
  const int height = wanted.height < 1 ? 1 : wanted.height;
  // SDL_ttf sizes a face by its em in pixels. A character height is that
  // em; a cell height is met by the largest size whose ascent plus descent
  // still fits it.
  int size = height;
  TTF_Font* font = TTF_OpenFont(file.c_str(), size);
  if (font != nullptr && wanted.measure == HeightMeasure::Cell) {
    while (size > 1 && TTF_FontHeight(font) > height) {
      TTF_CloseFont(font);
      font = TTF_OpenFont(file.c_str(), --size);
      if (font == nullptr) break;
    }
  }
  if (font == nullptr) throw std::runtime_error("SDL_ttf cannot open " + file + ": " + TTF_GetError());
  fonts_.emplace(key, font);
  return font;
}

int TextSdlTtf::LineHeight(const FontSpec& wanted) { return TTF_FontHeight(Font(wanted)); }

int TextSdlTtf::Width(std::string_view utf8, const FontSpec& wanted) {
  if (utf8.empty()) return 0;
  int width = 0;
  int height = 0;
  if (TTF_SizeUTF8(Font(wanted), Terminated(utf8).c_str(), &width, &height) != 0) return 0;
  return width;
}

TextImage TextSdlTtf::Render(std::string_view utf8, const FontSpec& wanted) {
  TTF_Font* font = Font(wanted);
  TextImage image;
  image.height = TTF_FontHeight(font);
  if (utf8.empty()) return image;

  // Rendered white on transparent: the alpha channel is the coverage.
  SDL_Surface* rendered =
      TTF_RenderUTF8_Blended(font, Terminated(utf8).c_str(), SDL_Color{255, 255, 255, 255});
  if (rendered == nullptr) return image;
  SDL_Surface* surface = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(rendered);
  if (surface == nullptr) return image;

  // SDL_ttf may add a row for glyphs reaching below the descent; the image
  // keeps the face's line height so every line shares one baseline.
  image.width = surface->w;
  const int rows = std::min(image.height, surface->h);
  image.coverage.assign(size_t(image.width) * size_t(image.height), 0);
  SDL_LockSurface(surface);
  const auto* base = static_cast<const uint8_t*>(surface->pixels);
  for (int y = 0; y < rows; ++y) {
    const uint8_t* row = base + size_t(y) * size_t(surface->pitch);
    for (int x = 0; x < surface->w; ++x) {
      image.coverage[size_t(y) * size_t(image.width) + size_t(x)] = row[size_t(x) * 4 + 3];
    }
  }
  SDL_UnlockSurface(surface);
  SDL_FreeSurface(surface);
  return image;
}

}  // namespace quorvil
