// The game's own sounds: their formats and lengths, the four hit levels as
// one click at rising loudness, and the character of each sound.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "assets/resource_catalog.h"
#include "platform/wave_data.h"

namespace quorvil {
namespace {

WaveData Sound(const std::string& name) {
  const auto bytes = EmbeddedResources().Find(name);
  if (!bytes) throw std::runtime_error(name + " is not embedded");
  const std::optional<WaveData> wave = ParseWave(*bytes);
  if (!wave) throw std::runtime_error(name + " is no WAVE the sound layer plays");
  return *wave;
}

// The first channel's samples, from -1 to 1.
std::vector<double> Levels(const WaveData& wave) {
  std::vector<double> out;
  for (int64_t f = 0; f < wave.Frames(); ++f) {
    const uint8_t* p = wave.samples.data() + f * wave.BytesPerFrame();
    out.push_back(wave.bitsPerSample == 8 ? (p[0] - 128) / 128.0
                                          : int16_t(p[0] | p[1] << 8) / 32768.0);
  }
  return out;
}

// The time by which the sound has given `share` of its energy, in seconds.
double TimeToEnergyShare(const std::vector<double>& s, int rate, double share) {
  double total = 0;
  for (double v : s) total += v * v;
  double sum = 0;
  for (size_t i = 0; i < s.size(); ++i)
    if ((sum += s[i] * s[i]) >= share * total) return double(i) / rate;
  return double(s.size()) / rate;
}

// Sign changes per second over the first `seconds`: high for a bright
// sound, low for a dull one.
double CrossingsPerSecond(const std::vector<double>& s, int rate, double seconds) {
  const size_t n = std::min(s.size(), size_t(seconds * rate));
  int crossings = 0;
  for (size_t i = 1; i < n; ++i) crossings += (s[i] > 0) != (s[i - 1] > 0);
  return crossings / seconds;
}

TEST(EmbeddedSounds, CarryTheSixSoundsInTheirFormatsAndLengths) {
  const struct {
    const char* name;
    int rate, channels, bits;
    size_t sampleBytes;
  } sounds[] = {
      {"ID_WAVE1", 22050, 1, 8, 7723},      {"ID_WAVE2", 22050, 1, 8, 7723},
      {"ID_WAVE3", 22050, 1, 8, 7723},      {"ID_WAVE4", 22050, 1, 8, 7723},
      {"ID_WAVEPLOP", 44100, 2, 16, 45616}, {"ID_WAVEPOOLSHOT", 22050, 1, 8, 18657},
  };
  for (const auto& s : sounds) {
    const auto bytes = EmbeddedResources().Find(s.name);
    ASSERT_TRUE(bytes.has_value()) << s.name;
    const std::optional<WaveData> wave = ParseWave(*bytes);
    ASSERT_TRUE(wave.has_value()) << s.name;
    EXPECT_EQ(wave->sampleRate, s.rate) << s.name;
    EXPECT_EQ(wave->channels, s.channels) << s.name;
    EXPECT_EQ(wave->bitsPerSample, s.bits) << s.name;
    EXPECT_EQ(wave->samples.size(), s.sampleBytes) << s.name;
    // The RIFF size is right too: other readers trust it.
    const uint32_t riffSize =
        (*bytes)[4] | (*bytes)[5] << 8 | (*bytes)[6] << 16 | uint32_t((*bytes)[7]) << 24;
    EXPECT_EQ(riffSize + 8, bytes->size()) << s.name;
  }
}

TEST(EmbeddedSounds, TheFourHitsAreOneClickAtRisingPeaks) {
  const WaveData loudest = Sound("ID_WAVE4");
  for (int level = 1; level <= 4; ++level) {
    const std::string name = "ID_WAVE" + std::to_string(level);
    const WaveData hit = Sound(name);
    ASSERT_EQ(hit.samples.size(), loudest.samples.size()) << name;
    int peak = 0;
    double worst = 0;
    for (size_t i = 0; i < hit.samples.size(); ++i) {
      const int v = hit.samples[i] - 128;
      peak = std::max(peak, std::abs(v));
      // The same click: each sample is the loudest one's scaled, give or
      // take the rounding of both.
      const double scaled = (loudest.samples[i] - 128) * level / 4.0;
      worst = std::max(worst, std::fabs(v - scaled));
    }
    EXPECT_EQ(peak, 24 * level) << name;
    EXPECT_LE(worst, 1.0) << name;
  }
}

TEST(EmbeddedSounds, SoundLikeWhatTheyAre) {
  const std::vector<double> click = Levels(Sound("ID_WAVE4"));
  const std::vector<double> knock = Levels(Sound("ID_WAVEPLOP"));
  const std::vector<double> pocket = Levels(Sound("ID_WAVEPOOLSHOT"));

  // Every sound starts at once, which is what makes it heard on time, and
  // dies away to silence, so it ends without a click of its own.
  for (const auto& [name, s, rate] :
       {std::tuple{"click", &click, 22050}, {"knock", &knock, 44100}, {"pocket", &pocket, 22050}}) {
    const auto first = std::find_if(s->begin(), s->end(), [](double v) { return v != 0; });
    EXPECT_LT(double(first - s->begin()) / rate, 0.001) << name;
    const size_t tail = size_t(0.01 * rate);
    EXPECT_TRUE(std::all_of(s->end() - ptrdiff_t(tail), s->end(), [](double v) {
      return std::fabs(v) < 0.01;
    })) << name;
  }

  // The click is short and bright: nearly all of it within 30 ms.
  EXPECT_LT(TimeToEnergyShare(click, 22050, 0.95), 0.03);
  EXPECT_GT(CrossingsPerSecond(click, 22050, 0.02), 2500);
  // The knock is dull: slow swings, over within a fifth of a second.
  EXPECT_LT(CrossingsPerSecond(knock, 44100, 0.05), 1000);
  EXPECT_LT(TimeToEnergyShare(knock, 44100, 0.95), 0.2);

  // The pocket: the ball rattles between the jaws, knock after knock, then
  // drops, the loudest moment, and rolls on audibly after it.
  const size_t loudest =
      size_t(std::max_element(pocket.begin(), pocket.end(),
                              [](double a, double b) { return std::fabs(a) < std::fabs(b); }) -
             pocket.begin());
  EXPECT_GT(loudest / 22050.0, 0.25);
  // A knock: a 5 ms stretch at least twice as loud as the one before it.
  const size_t stretch = 110;
  int knocks = 0;
  double before = 0;
  for (size_t at = 0; at + stretch <= size_t(0.25 * 22050); at += stretch) {
    double peak = 0;
    for (size_t i = at; i < at + stretch; ++i) peak = std::max(peak, std::fabs(pocket[i]));
    if (peak > 0.1 && peak > 2 * before) ++knocks;
    before = peak;
  }
  EXPECT_GE(knocks, 3);
  EXPECT_GT(TimeToEnergyShare(pocket, 22050, 0.95), 0.45);
}

}  // namespace
}  // namespace quorvil
