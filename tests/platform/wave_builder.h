// Builds WAVE files byte by byte for the sound tests: well-formed ones and,
// by hand, every way of getting one wrong.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace quorvil::testing {

using Bytes = std::vector<uint8_t>;

inline void PutLe(Bytes& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

inline void PutTag(Bytes& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(tag[i]));
}

// A chunk: tag, size, body, and the pad byte after a body of odd length.
inline Bytes Chunk(const char* tag, const Bytes& body) {
  Bytes out;
  PutTag(out, tag);
  PutLe(out, uint32_t(body.size()), 4);
  out.insert(out.end(), body.begin(), body.end());
  if (body.size() % 2) out.push_back(0);
  return out;
}

struct Format {
  uint16_t tag = 1;  // PCM
  uint16_t channels = 1;
  uint32_t rate = 22050;
  uint16_t bits = 8;
  int blockAlign = -1;  // -1: channels * bits / 8
};

inline Bytes FmtBody(const Format& f) {
  Bytes out;
  PutLe(out, f.tag, 2);
  PutLe(out, f.channels, 2);
  PutLe(out, f.rate, 4);
  const uint32_t align = f.blockAlign >= 0 ? uint32_t(f.blockAlign) : f.channels * f.bits / 8u;
  PutLe(out, f.rate * align, 4);
  PutLe(out, align, 2);
  PutLe(out, f.bits, 2);
  return out;
}

// "RIFF", the size of what follows, "WAVE", then the chunks as given.
inline Bytes Riff(const std::vector<Bytes>& chunks) {
  Bytes body;
  PutTag(body, "WAVE");
  for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
  Bytes out;
  PutTag(out, "RIFF");
  PutLe(out, uint32_t(body.size()), 4);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

inline Bytes Wave(const Format& f, const Bytes& samples) {
  return Riff({Chunk("fmt ", FmtBody(f)), Chunk("data", samples)});
}

// 16-bit samples, little-endian, as a WAVE's data holds them.
inline Bytes Samples16(const std::vector<int16_t>& values) {
  Bytes out;
  for (int16_t v : values) PutLe(out, uint16_t(v), 2);
  return out;
}

inline void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace quorvil::testing
