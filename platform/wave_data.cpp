#include "platform/wave_data.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace quorvil {

namespace {

constexpr uint16_t kFormatPcm = 1;
// The newer header form, whose real format is named by a GUID.
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr std::array<uint8_t, 16> kPcmSubformat = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                                   0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
bool IsTag(const uint8_t* p, const char (&tag)[5]) { return std::memcmp(p, tag, 4) == 0; }

struct Format {
  int sampleRate;
  int channels;
  int bitsPerSample;
};

// The "fmt " chunk's body, when it describes a format played here.
std::optional<Format> ReadFormat(std::span<const uint8_t> body) {
  if (body.size() < 16) return std::nullopt;
  const uint8_t* p = body.data();
  const uint16_t tag = U16(p);
  const int channels = U16(p + 2);
  const uint32_t rate = U32(p + 4);
  const int blockAlign = U16(p + 12);
  const int bits = U16(p + 14);
  if (tag == kFormatExtensible) {
    if (body.size() < 40 || U16(p + 16) < 22) return std::nullopt;
    if (!std::equal(kPcmSubformat.begin(), kPcmSubformat.end(), p + 24)) return std::nullopt;
  } else if (tag != kFormatPcm) {
    return std::nullopt;
  }
  if (channels != 1 && channels != 2) return std::nullopt;
  if (bits != 8 && bits != 16) return std::nullopt;
  if (blockAlign != channels * bits / 8) return std::nullopt;
  if (rate < uint32_t(kLowestSampleRate) || rate > uint32_t(kHighestSampleRate))
    return std::nullopt;
  return Format{int(rate), channels, bits};
}

}  // namespace

std::optional<WaveData> ParseWave(std::span<const uint8_t> bytes) {
  if (bytes.size() < 12 || !IsTag(bytes.data(), "RIFF") || !IsTag(bytes.data() + 8, "WAVE"))
    return std::nullopt;
  // The RIFF size is not trusted: files written by streaming tools often get
  // it wrong. Each chunk is checked against the bytes actually there.
  std::optional<Format> format;
  uint64_t pos = 12;
  while (pos + 8 <= bytes.size()) {
    const uint8_t* header = bytes.data() + pos;
    const uint64_t size = U32(header + 4);
    const uint64_t body = pos + 8;
    // A chunk that claims more than is left: the file was cut short.
    if (size > bytes.size() - body) return std::nullopt;
    if (IsTag(header, "data")) {
      if (!format) return std::nullopt;  // samples of no known format
      const int frameBytes = format->channels * format->bitsPerSample / 8;
      const uint64_t whole = size - size % uint64_t(frameBytes);
      return WaveData{format->sampleRate, format->channels, format->bitsPerSample,
                      bytes.subspan(size_t(body), size_t(whole))};
    }
    if (IsTag(header, "fmt ") && !format) {
      format = ReadFormat(bytes.subspan(size_t(body), size_t(size)));
      if (!format) return std::nullopt;
    }
    // Chunks of odd length are followed by a pad byte.
    pos = body + size + (size & 1);
  }
  return std::nullopt;
}

}  // namespace quorvil
