// Plays the sound layer into a file instead of a loudspeaker: SDL's disk
// audio driver writes what the device would have played, at the pace it
// would have played it, as raw 16-bit stereo at 44.1 kHz (the format the
// sound layer asks for, which the disk driver grants as asked). The test's
// working directory is a fresh folder meanwhile, so that "poolshot.wav" is
// whatever the test puts there.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "assets/resource_catalog.h"
#include "platform/temp_folder.h"
#include "platform/wave_data.h"

namespace quorvil::testing {

// Interleaved 16-bit stereo frames, left first.
using Pcm = std::vector<int16_t>;

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class DiskAudio {
 public:
  DiskAudio()
      : driver_("SDL_AUDIODRIVER", "disk"),
        file_("SDL_DISKAUDIOFILE", folder_ / "played.raw"),
        oldDirectory_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder_.path());
    // The disk driver announces itself on stderr each time it opens.
    SDL_LogGetOutputFunction(&oldLog_, &oldLogData_);
    SDL_LogSetOutputFunction([](void*, int, SDL_LogPriority, const char*) {}, nullptr);
  }
  ~DiskAudio() {
    SDL_LogSetOutputFunction(oldLog_, oldLogData_);
    std::filesystem::current_path(oldDirectory_);
  }

  std::string operator/(const std::string& name) const { return folder_ / name; }

  // What the device has played so far; all of it once the player is gone.
  Pcm Played() const {
    std::ifstream in(folder_ / "played.raw", std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    Pcm out(bytes.size() / 4 * 2);
    for (size_t i = 0; i < out.size(); ++i)
      out[i] = int16_t(uint8_t(bytes[2 * i]) | uint8_t(bytes[2 * i + 1]) << 8);
    return out;
  }

 private:
  TempFolder folder_;
  ScopedEnv driver_;
  ScopedEnv file_;
  std::filesystem::path oldDirectory_;
  SDL_LogOutputFunction oldLog_ = nullptr;
  void* oldLogData_ = nullptr;
};

constexpr int kRate = 44100;

inline int64_t Frames(const Pcm& pcm) { return int64_t(pcm.size() / 2); }
inline int64_t Ms(double ms) { return int64_t(ms * kRate / 1000.0); }

// A WAVE as the device plays it, converted by SDL itself.
inline Pcm AsPlayed(const WaveData& wave) {
  SDL_AudioStream* stream =
      SDL_NewAudioStream(wave.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB, Uint8(wave.channels),
                         wave.sampleRate, AUDIO_S16SYS, 2, kRate);
  if (stream == nullptr) throw std::runtime_error(SDL_GetError());
  SDL_AudioStreamPut(stream, wave.samples.data(), int(wave.samples.size()));
  SDL_AudioStreamFlush(stream);
  Pcm out(size_t(SDL_AudioStreamAvailable(stream)) / 2);
  out.resize(size_t(SDL_AudioStreamGet(stream, out.data(), int(out.size() * 2))) / 2);
  SDL_FreeAudioStream(stream);
  return out;
}

inline Pcm ResourceAsPlayed(const std::string& name) {
  const auto bytes = EmbeddedResources().Find(name);
  const std::optional<WaveData> wave = bytes ? ParseWave(*bytes) : std::nullopt;
  if (!wave) throw std::runtime_error(name + " is no sound");
  return AsPlayed(*wave);
}

// The first frame at or after `from` in which anything sounds; -1: none.
inline int64_t FirstSound(const Pcm& pcm, int64_t from = 0) {
  for (int64_t f = std::max<int64_t>(from, 0); f < Frames(pcm); ++f)
    if (pcm[2 * f] != 0 || pcm[2 * f + 1] != 0) return f;
  return -1;
}

inline int64_t LastSound(const Pcm& pcm) {
  for (int64_t f = Frames(pcm) - 1; f >= 0; --f)
    if (pcm[2 * f] != 0 || pcm[2 * f + 1] != 0) return f;
  return -1;
}

// The largest difference between `played` from frame `at` on and the first
// `frames` frames of `sound` (silence past either's end).
inline int Difference(const Pcm& played, int64_t at, const Pcm& sound, int64_t frames) {
  int worst = 0;
  for (int64_t i = 0; i < 2 * frames; ++i) {
    const int64_t p = 2 * at + i;
    const int a = p >= 0 && p < int64_t(played.size()) ? played[size_t(p)] : 0;
    const int b = i < int64_t(sound.size()) ? sound[size_t(i)] : 0;
    worst = std::max(worst, std::abs(a - b));
  }
  return worst;
}

// The frame in [from, to] where `sound` begins in `played`: the start whose
// first 20 ms match best.
inline int64_t FindStart(const Pcm& played, const Pcm& sound, int64_t from, int64_t to) {
  int64_t best = from;
  int bestDifference = std::numeric_limits<int>::max();
  for (int64_t at = std::max<int64_t>(from, 0); at <= to; ++at) {
    const int d = Difference(played, at, sound, Ms(20));
    if (d < bestDifference) bestDifference = d, best = at;
  }
  return best;
}

}  // namespace quorvil::testing
