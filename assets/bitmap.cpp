#include "assets/bitmap.h"

#include <string>

#include "assets/resource_error.h"

namespace quorvil {

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kInfoHeaderBytes = 40;

// Little-endian reads; the callers have checked that the bytes are there.
uint32_t ReadU32(std::span<const uint8_t> b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
         uint32_t(b[at + 3]) << 24;
}
uint16_t ReadU16(std::span<const uint8_t> b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }
int32_t ReadS32(std::span<const uint8_t> b, size_t at) { return int32_t(ReadU32(b, at)); }

[[noreturn]] void Refuse(std::string_view name, const std::string& why) {
  throw ResourceError("Resource " + std::string(name) + " is not a readable bitmap: " + why);
}

}  // namespace

Bitmap Bitmap::Decode(std::span<const uint8_t> bytes, std::string_view resourceName) {
  // A BMP file starts with "BM"; a bitmap resource starts straight with its
  // header, whose size field (40 or more) cannot read as "BM".
  const bool hasFileHeader = bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
  const size_t headerAt = hasFileHeader ? kFileHeaderBytes : 0;
  if (bytes.size() < headerAt + kInfoHeaderBytes) Refuse(resourceName, "header truncated");

  const uint32_t headerSize = ReadU32(bytes, headerAt);
  if (headerSize < kInfoHeaderBytes)
    Refuse(resourceName, "unknown header of " + std::to_string(headerSize) + " bytes");
  if (headerSize > bytes.size() - headerAt) Refuse(resourceName, "header truncated");

  const int32_t width = ReadS32(bytes, headerAt + 4);
  const int32_t height = ReadS32(bytes, headerAt + 8);
  const uint16_t planes = ReadU16(bytes, headerAt + 12);
  const uint16_t bitsPerPixel = ReadU16(bytes, headerAt + 14);
  const uint32_t compression = ReadU32(bytes, headerAt + 16);
  const uint32_t paletteEntries = ReadU32(bytes, headerAt + 32);

  if (planes != 1) Refuse(resourceName, std::to_string(planes) + " colour planes");
  if (bitsPerPixel != 24)
    Refuse(resourceName, std::to_string(bitsPerPixel) + " bits per pixel, only 24 are read");
  if (compression != 0) Refuse(resourceName, "compressed pixels");
  // A negative height means the rows are stored from the top. Compared in 64
  // bits, so that the most negative height cannot overflow.
  const int64_t rows = height < 0 ? -int64_t(height) : int64_t(height);
  if (width <= 0 || rows == 0 || width > kMaxDimension || rows > kMaxDimension)
    Refuse(resourceName, "size " + std::to_string(width) + " x " + std::to_string(height));

  // The pixels follow the headers and any palette, or, in a file, start where
  // the file header says.
  const uint64_t headersEnd = uint64_t(headerAt) + headerSize;
  const uint64_t pixelsAt =
      hasFileHeader ? uint64_t(ReadU32(bytes, 10)) : headersEnd + uint64_t(paletteEntries) * 4;
  if (pixelsAt < headersEnd) Refuse(resourceName, "pixels overlap the header");
  // Each row is padded to a multiple of four bytes; the last row's padding
  // may be missing.
  const uint64_t usedRowBytes = uint64_t(width) * 3;
  const uint64_t rowStride = (usedRowBytes + 3) / 4 * 4;
  const uint64_t pixelsEnd = pixelsAt + rowStride * uint64_t(rows - 1) + usedRowBytes;
  if (pixelsEnd > bytes.size()) Refuse(resourceName, "pixels truncated");

  std::vector<uint32_t> pixels(size_t(width) * size_t(rows));
  for (int64_t y = 0; y < rows; ++y) {
    const int64_t storedRow = height > 0 ? rows - 1 - y : y;
    size_t at = size_t(pixelsAt + rowStride * uint64_t(storedRow));
    uint32_t* out = &pixels[size_t(y) * size_t(width)];
    for (int32_t x = 0; x < width; ++x, at += 3) {
      // Stored blue, green, red; handed out with red in the lowest byte.
      out[x] = uint32_t(bytes[at + 2]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at]) << 16;
    }
  }
  return Bitmap(width, int(rows), std::move(pixels));
}

uint32_t Bitmap::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kNoColour;
  return pixels_[size_t(y) * size_t(width_) + size_t(x)];
}

}  // namespace quorvil
