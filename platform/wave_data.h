// Reads a RIFF WAVE sound held in memory: the game's sound resources and the
// optional sound file beside it. Only what the sound layer plays is taken:
// uncompressed PCM, 8 or 16 bits, mono or stereo. Anything else, and any
// file cut short, is no sound at all.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace quorvil {

struct WaveData {
  int sampleRate;     // frames per second
  int channels;       // 1 or 2
  int bitsPerSample;  // 8 (unsigned) or 16 (signed, little-endian)
  // The sample frames, channels interleaved: a view into the bytes read,
  // whole frames only.
  std::span<const uint8_t> samples;

  int BytesPerFrame() const { return channels * bitsPerSample / 8; }
  int64_t Frames() const { return int64_t(samples.size()) / BytesPerFrame(); }
};

// Sample rates outside this range are refused: below it nothing is a sound
// worth playing, above it the converter would do much work for nothing.
inline constexpr int kLowestSampleRate = 4000;
inline constexpr int kHighestSampleRate = 192000;

// The sound in `bytes`, or nothing when they are not a WAVE of the kind
// above, or when its sample data runs past their end. Never reads outside
// `bytes`.
std::optional<WaveData> ParseWave(std::span<const uint8_t> bytes);

}  // namespace quorvil
