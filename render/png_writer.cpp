#include "render/png_writer.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace quorvil {

namespace {

// libpng reports its errors through longjmp; this turns them into a message
// that the caller throws once it is safely back outside libpng.
bool WriteRows(FILE* file, int width, int height, const uint8_t* rgba, std::string& error) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) {
    error = "libpng could not start";
    return false;
  }
  png_infop info = png_create_info_struct(png);
  std::vector<png_bytep> rows(static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    rows[size_t(y)] = const_cast<png_bytep>(rgba + size_t(y) * size_t(width) * 4);
  }
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    error = "libpng failed to write it";
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB_ALPHA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

void WritePngRgba(const std::string& path, int width, int height, const uint8_t* rgba) {
  if (width < 1 || height < 1) throw std::runtime_error("cannot write an empty picture to " + path);
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    throw std::runtime_error("cannot open " + path + " for writing: " + std::strerror(errno));
  }
  std::string error;
  bool written = WriteRows(file, width, height, rgba, error);
  // A full disk often shows only when the last bytes are flushed.
  if (std::fclose(file) != 0 && written) {
    written = false;
    error = std::strerror(errno);
  }
  if (!written) {
    std::remove(path.c_str());
    throw std::runtime_error("cannot write " + path + ": " + error);
  }
}

}  // namespace quorvil
