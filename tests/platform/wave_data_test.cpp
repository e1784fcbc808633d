#include "platform/wave_data.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/wave_builder.h"

namespace quorvil {
namespace {

using testing::Bytes;
using testing::Chunk;
using testing::FmtBody;
using testing::Format;
using testing::Riff;
using testing::Wave;

Format Stereo16(uint32_t rate = 44100) { return Format{1, 2, rate, 16}; }

// The bytes less the last `n`.
Bytes Cut(Bytes bytes, size_t n) {
  bytes.resize(bytes.size() - n);
  return bytes;
}

// The newer header form naming PCM by its GUID.
Bytes ExtensibleFmt(uint16_t channels, uint16_t bits, uint8_t firstGuidByte = 0x01) {
  Bytes body = FmtBody(Format{0xFFFE, channels, 48000, bits});
  testing::PutLe(body, 22, 2);    // extra bytes
  testing::PutLe(body, bits, 2);  // valid bits
  testing::PutLe(body, 3, 4);     // speaker mask
  for (uint8_t b : {firstGuidByte, uint8_t(0), uint8_t(0), uint8_t(0), uint8_t(0), uint8_t(0),
                    uint8_t(0x10), uint8_t(0), uint8_t(0x80), uint8_t(0), uint8_t(0), uint8_t(0xAA),
                    uint8_t(0), uint8_t(0x38), uint8_t(0x9B), uint8_t(0x71)})
    body.push_back(b);
  return body;
}

TEST(ParseWave, ReadsTheFormsPlayed) {
  const Bytes five = {1, 2, 3, 4, 5};
  Bytes longerThanSaid = Wave(Stereo16(), Bytes(12, 7));
  longerThanSaid[4] = 0xFF;  // a RIFF size past the end, as streaming writers leave it
  struct Case {
    const char* what;
    Bytes bytes;
    int rate, channels, bits;
    size_t sampleBytes;
  } cases[] = {
      {"8-bit mono, odd length with its pad", Wave(Format{}, five), 22050, 1, 8, 5},
      {"8-bit mono, last pad byte missing", Cut(Wave(Format{}, five), 1), 22050, 1, 8, 5},
      {"16-bit stereo", Wave(Stereo16(), Bytes(12, 7)), 44100, 2, 16, 12},
      {"a partial frame at the end is dropped", Wave(Stereo16(), Bytes(7, 7)), 44100, 2, 16, 4},
      {"other chunks around the format, one of odd length",
       Riff({Chunk("LIST", Bytes(3, 'x')), Chunk("fmt ", FmtBody(Format{})),
             Chunk("fact", Bytes(4, 0)), Chunk("data", five)}),
       22050, 1, 8, 5},
      {"extensible header naming PCM",
       Riff({Chunk("fmt ", ExtensibleFmt(2, 16)), Chunk("data", Bytes(8, 1))}), 48000, 2, 16, 8},
      {"RIFF size wrong, chunks whole", longerThanSaid, 44100, 2, 16, 12},
      {"no samples at all", Wave(Format{}, {}), 22050, 1, 8, 0},
      {"lowest rate", Wave(Format{1, 1, 4000, 8}, five), 4000, 1, 8, 5},
      {"highest rate", Wave(Format{1, 1, 192000, 8}, five), 192000, 1, 8, 5},
  };
  for (const Case& c : cases) {
    const std::optional<WaveData> wave = ParseWave(c.bytes);
    ASSERT_TRUE(wave.has_value()) << c.what;
    EXPECT_EQ(wave->sampleRate, c.rate) << c.what;
    EXPECT_EQ(wave->channels, c.channels) << c.what;
    EXPECT_EQ(wave->bitsPerSample, c.bits) << c.what;
    EXPECT_EQ(wave->samples.size(), c.sampleBytes) << c.what;
    if (c.sampleBytes > 0) {
      // A view of the data chunk's own bytes, not a copy.
      EXPECT_GE(wave->samples.data(), c.bytes.data()) << c.what;
      EXPECT_LE(wave->samples.data() + wave->samples.size(), c.bytes.data() + c.bytes.size())
          << c.what;
    }
  }
}

TEST(ParseWave, RefusesWhatIsNotPlayedOrCutShort) {
  const Bytes some(8, 1);
  const Bytes cut = Cut(Wave(Format{}, some), 1);  // the data chunk one byte short
  Bytes unknownLength = Wave(Format{}, some);
  for (int i = 0; i < 4; ++i) unknownLength[40 + i] = 0xFF;
  Bytes avi = Wave(Format{}, some);
  avi[8] = 'A', avi[9] = 'V', avi[10] = 'I', avi[11] = ' ';
  const Bytes header = Riff({});
  const struct Case {
    const char* what;
    Bytes bytes;
  } cases[] = {
      {"nothing", {}},
      {"a bare RIFF header", header},
      {"half a chunk header",
       [&] {
         Bytes b = header;
         b.insert(b.end(), {'f', 'm', 't'});
         return b;
       }()},
      {"not RIFF", Bytes{'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}},
      {"RIFF but not WAVE", avi},
      {"samples without a format", Riff({Chunk("data", some)})},
      {"samples before the format", Riff({Chunk("data", some), Chunk("fmt ", FmtBody(Format{}))})},
      {"format and no samples", Riff({Chunk("fmt ", FmtBody(Format{}))})},
      {"format chunk too short", Riff({Chunk("fmt ", Bytes(14, 1)), Chunk("data", some)})},
      {"ADPCM", Wave(Format{2, 1, 22050, 4, 256}, some)},
      {"IEEE float", Wave(Format{3, 1, 22050, 32}, some)},
      {"extensible naming another format",
       Riff({Chunk("fmt ", ExtensibleFmt(2, 16, 0x03)), Chunk("data", some)})},
      {"extensible cut short",
       Riff({Chunk("fmt ", Cut(ExtensibleFmt(2, 16), 10)), Chunk("data", some)})},
      {"24 bits", Wave(Format{1, 1, 22050, 24}, some)},
      {"no channels", Wave(Format{1, 0, 22050, 8, 1}, some)},
      {"three channels", Wave(Format{1, 3, 22050, 8}, some)},
      {"frame size not channels times sample size", Wave(Format{1, 2, 22050, 16, 2}, some)},
      {"rate too low", Wave(Format{1, 1, 3999, 8}, some)},
      {"rate too high", Wave(Format{1, 1, 192001, 8}, some)},
      {"the data chunk cut short", cut},
      {"data of unknown length", unknownLength},
      {"a chunk before the samples that runs past the end",
       [&] {
         Bytes b = Riff({Chunk("fmt ", FmtBody(Format{})), Chunk("LIST", Bytes(6, 0))});
         b[40] = 0x40;
         return b;
       }()},
  };
  for (const Case& c : cases) EXPECT_FALSE(ParseWave(c.bytes).has_value()) << c.what;
}

// Mutated files are refused or read within their bytes, never past them:
// the sanitizer build checks each read.
TEST(ParseWave, MutatedFilesAreReadWithinTheirBytes) {
  const Bytes base = Riff({Chunk("LIST", Bytes(5, 'i')), Chunk("fmt ", FmtBody(Stereo16())),
                           Chunk("data", Bytes(64, 0x40))});
  std::mt19937 random(20240611);
  auto below = [&](size_t n) { return size_t(random() % n); };
  int accepted = 0;
  for (int round = 0; round < 3000; ++round) {
    Bytes bytes = base;
    switch (round % 4) {
      case 0:  // a few bytes changed anywhere
        for (size_t n = 1 + below(6); n > 0; --n) bytes[below(bytes.size())] = uint8_t(random());
        break;
      case 1:  // cut anywhere
        bytes.resize(below(bytes.size()));
        break;
      case 2: {  // a size or rate field set to an extreme
        const uint32_t extremes[] = {0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFFE};
        const size_t at = below(bytes.size() - 3);
        const uint32_t v = extremes[below(6)];
        for (int i = 0; i < 4; ++i) bytes[at + i] = uint8_t(v >> (8 * i));
        break;
      }
      default:  // bytes put in or taken out
        if (random() % 2)
          bytes.insert(bytes.begin() + ptrdiff_t(below(bytes.size())), 1 + below(9),
                       uint8_t(random()));
        else
          bytes.erase(bytes.begin() + ptrdiff_t(below(bytes.size())));
        break;
    }
    const std::optional<WaveData> wave = ParseWave(bytes);
    if (!wave) continue;
    ++accepted;
    ASSERT_GE(wave->samples.data(), bytes.data()) << round;
    ASSERT_LE(wave->samples.data() + wave->samples.size(), bytes.data() + bytes.size()) << round;
    ASSERT_EQ(wave->samples.size() % size_t(wave->BytesPerFrame()), 0u) << round;
    ASSERT_TRUE(wave->channels == 1 || wave->channels == 2) << round;
    ASSERT_TRUE(wave->bitsPerSample == 8 || wave->bitsPerSample == 16) << round;
  }
  // Mutations that every one were refused would leave the reading untried.
  EXPECT_GT(accepted, 100);
}

}  // namespace
}  // namespace quorvil
