// A 24-bit uncompressed Windows bitmap read from memory, either a whole BMP
// file or a bare device-independent bitmap (the 40-byte header and the
// pixels, the form a bitmap resource takes). Other depths, palettes and
// compressed bitmaps are refused.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvil {

class Bitmap {
 public:
  // Reads the bitmap completely. Throws ResourceError naming `resourceName`
  // when the bytes are truncated, malformed or of a kind not read here;
  // never reads outside `bytes`.
  static Bitmap Decode(std::span<const uint8_t> bytes, std::string_view resourceName);

  int Width() const { return width_; }
  int Height() const { return height_; }

  // The colour at column x and row y counted from the top-left corner: red in
  // the lowest byte, then green, then blue. A point outside the picture gives
  // kNoColour.
  uint32_t PixelAt(int x, int y) const;

  static constexpr uint32_t kNoColour = 0xFFFFFFFFu;
  // Larger pictures are refused: the game's are 128 x 128.
  static constexpr int kMaxDimension = 8192;

 private:
  Bitmap(int width, int height, std::vector<uint32_t> pixels)
      : width_(width), height_(height), pixels_(std::move(pixels)) {}

  int width_;
  int height_;
  std::vector<uint32_t> pixels_;  // rows from the top
};

}  // namespace quorvil
