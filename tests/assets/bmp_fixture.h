// Bitmaps built in the tests: a well-formed 24-bit picture in either of the
// two forms the game reads, with the header fields at known places so that a
// test can spoil one of them.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "assets/resource_catalog.h"

namespace quorvil::testing {

// Colour as the bitmap reader hands it out: red in the lowest byte.
constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

enum class BmpForm { File, BareDib };

struct BmpLayout {
  size_t infoAt;  // where the 40-byte header starts
  size_t widthAt() const { return infoAt + 4; }
  size_t heightAt() const { return infoAt + 8; }
  size_t planesAt() const { return infoAt + 12; }
  size_t bitsPerPixelAt() const { return infoAt + 14; }
  size_t compressionAt() const { return infoAt + 16; }
  size_t paletteEntriesAt() const { return infoAt + 32; }
  static constexpr size_t kPixelOffsetAt = 10;  // in the file header only
};

inline BmpLayout LayoutOf(BmpForm form) { return {form == BmpForm::File ? 14u : 0u}; }

inline void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = uint8_t(value >> (8 * i));
}
inline void PutU16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes[at] = uint8_t(value);
  bytes[at + 1] = uint8_t(value >> 8);
}

using ColourAt = std::function<uint32_t(int x, int y)>;  // x, y from the top-left

// A 24-bit BI_RGB bitmap; `topDown` stores the rows from the top (negative
// height). `paletteEntries` unused colour-table entries sit between the header
// and the pixels.
inline std::vector<uint8_t> MakeBmp(int width, int height, const ColourAt& colourAt,
                                    BmpForm form = BmpForm::File, bool topDown = false,
                                    uint32_t paletteEntries = 0) {
  const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
  const size_t infoAt = LayoutOf(form).infoAt;
  const size_t pixelsAt = infoAt + 40 + paletteEntries * 4;
  std::vector<uint8_t> bytes(pixelsAt + stride * size_t(height), 0);
  if (form == BmpForm::File) {
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutU32(bytes, 2, uint32_t(bytes.size()));
    PutU32(bytes, BmpLayout::kPixelOffsetAt, uint32_t(pixelsAt));
  }
  PutU32(bytes, infoAt, 40);
  PutU32(bytes, infoAt + 4, uint32_t(width));
  PutU32(bytes, infoAt + 8, uint32_t(topDown ? -height : height));
  PutU16(bytes, infoAt + 12, 1);
  PutU16(bytes, infoAt + 14, 24);
  PutU32(bytes, infoAt + 20, uint32_t(stride * size_t(height)));
  PutU32(bytes, infoAt + 32, paletteEntries);
  for (size_t k = 0; k < paletteEntries * 4; ++k) bytes[infoAt + 40 + k] = 0xEE;
  for (int y = 0; y < height; ++y) {
    const int stored = topDown ? y : height - 1 - y;
    uint8_t* row = &bytes[pixelsAt + size_t(stored) * stride];
    for (int x = 0; x < width; ++x) {
      const uint32_t c = colourAt(x, y);
      row[x * 3 + 0] = uint8_t(c >> 16);  // blue
      row[x * 3 + 1] = uint8_t(c >> 8);   // green
      row[x * 3 + 2] = uint8_t(c);        // red
    }
    for (size_t pad = size_t(width) * 3; pad < stride; ++pad) row[pad] = 0xAB;
  }
  return bytes;
}

// Every pixel a different colour, so that a misplaced pixel shows.
inline uint32_t UniqueColour(int x, int y) {
  return Rgb(uint32_t(x), uint32_t(y), uint32_t(x ^ y) + 7u);
}

// A few named resources for the loader, matched by exact name.
class FixtureCatalog : public ResourceCatalog {
 public:
  void Add(std::string name, std::vector<uint8_t> bytes) {
    resources_[std::move(name)] = std::move(bytes);
  }
  std::optional<std::span<const uint8_t>> Find(std::string_view name) const override {
    auto it = resources_.find(name);
    if (it == resources_.end()) return std::nullopt;
    return std::span<const uint8_t>(it->second);
  }

 private:
  std::map<std::string, std::vector<uint8_t>, std::less<>> resources_;
};

}  // namespace quorvil::testing
