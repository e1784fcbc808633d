// Writing an RGBA picture to a PNG file.
#pragma once

#include <cstdint>
#include <string>

namespace quorvil {

// rgba: width x height pixels of four bytes, rows top first. Throws
// std::runtime_error naming the file when it cannot be written; a file left
// half written is removed.
void WritePngRgba(const std::string& path, int width, int height, const uint8_t* rgba);

}  // namespace quorvil
