#include "platform/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/alsa_quiet.h"
#include "platform/sound_file.h"
#include "platform/wave_data.h"

namespace quorvil {

namespace {

// The one channel every sound plays on.
constexpr int kChannel = 0;
// Sound data is converted a quarter of a second at a time, so that a
// conversion no longer wanted ends within a millisecond or so.
constexpr int kConversionPiecesPerSecond = 4;

struct DeviceFormat {
  int rate;
  Uint16 format;
  int channels;
  int BytesPerFrame() const { return channels * int(SDL_AUDIO_BITSIZE(format)) / 8; }
};

// A sound in the device's own format, ready for the channel; the chunk
// points into the samples held here.
class ReadySound {
 public:
  explicit ReadySound(std::vector<uint8_t> samples) : samples_(std::move(samples)) {
    if (!samples_.empty()) chunk_ = Mix_QuickLoad_RAW(samples_.data(), Uint32(samples_.size()));
  }
  // Freeing a chunk also stops a channel still playing it.
  ~ReadySound() {
    if (chunk_ != nullptr) Mix_FreeChunk(chunk_);
  }
  ReadySound(const ReadySound&) = delete;
  ReadySound& operator=(const ReadySound&) = delete;

  Mix_Chunk* chunk() const { return chunk_; }

 private:
  std::vector<uint8_t> samples_;
  Mix_Chunk* chunk_ = nullptr;
};

// The WAVE's samples in the device's format, or nothing when SDL cannot
// convert them or when `stillWanted` turns false on the way.
template <typename StillWanted>
std::optional<std::vector<uint8_t>> ConvertForDevice(const WaveData& wave,
                                                     const DeviceFormat& device,
                                                     StillWanted stillWanted) {
  const SDL_AudioFormat from = wave.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
  SDL_AudioStream* stream = SDL_NewAudioStream(from, Uint8(wave.channels), wave.sampleRate,
                                               device.format, Uint8(device.channels), device.rate);
  if (stream == nullptr) return std::nullopt;
  std::vector<uint8_t> out;
  out.reserve(size_t(double(wave.Frames()) * device.rate / wave.sampleRate + 16) *
              size_t(device.BytesPerFrame()));
  auto drain = [&] {
    const int ready = SDL_AudioStreamAvailable(stream);
    if (ready <= 0) return ready == 0;
    const size_t at = out.size();
    out.resize(at + size_t(ready));
    const int got = SDL_AudioStreamGet(stream, out.data() + at, ready);
    if (got < 0) return false;
    out.resize(at + size_t(got));
    return true;
  };
  bool ok = true;
  const size_t piece =
      size_t(wave.sampleRate / kConversionPiecesPerSecond) * size_t(wave.BytesPerFrame());
  for (size_t at = 0; ok && at < wave.samples.size(); at += piece) {
    const size_t n = std::min(piece, wave.samples.size() - at);
    ok = stillWanted() && SDL_AudioStreamPut(stream, wave.samples.data() + at, int(n)) == 0 &&
         drain();
  }
  ok = ok && SDL_AudioStreamFlush(stream) == 0 && drain();
  SDL_FreeAudioStream(stream);
  if (!ok) return std::nullopt;
  out.resize(out.size() - out.size() % size_t(device.BytesPerFrame()));
  return out;
}

// The sound ready to play, or nothing when the bytes are no WAVE played
// here, last too long or do not convert.
template <typename StillWanted>
std::shared_ptr<ReadySound> Prepare(std::span<const uint8_t> bytes, const DeviceFormat& device,
                                    StillWanted stillWanted) {
  const std::optional<WaveData> wave = ParseWave(bytes);
  if (!wave || wave->Frames() > int64_t(SdlSound::kLongestSoundSeconds) * wave->sampleRate)
    return nullptr;
  std::optional<std::vector<uint8_t>> samples = ConvertForDevice(*wave, device, stillWanted);
  if (!samples) return nullptr;
  auto sound = std::make_shared<ReadySound>(std::move(*samples));
  return sound->chunk() != nullptr ? sound : nullptr;
}

}  // namespace

// The open device with its one channel, the resources converted so far and
// the file loader. The channel is started and stopped only under `mutex_`,
// from the game's thread or the loader's.
class SdlSound::Player {
 public:
  // Nothing when no audio device can be opened.
  static std::unique_ptr<Player> Open(const ResourceCatalog& resources) {
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Quorvil");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
    SilenceAlsaMessages();
    if (Mix_OpenAudio(kDeviceRate, AUDIO_S16SYS, 2, kBufferFrames) != 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return nullptr;
    }
    DeviceFormat device{};
    if (Mix_QuerySpec(&device.rate, &device.format, &device.channels) == 0 ||
        Mix_AllocateChannels(1) != 1) {
      Mix_CloseAudio();
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return nullptr;
    }
    try {
      return std::unique_ptr<Player>(new Player(resources, device));
    } catch (const std::exception&) {  // no thread for the loader
      Mix_CloseAudio();
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return nullptr;
    }
  }

  ~Player() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_one();
    loader_.join();
    Mix_HaltChannel(-1);
    playing_.reset();
    resourceSounds_.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  // Called on the game's thread only, like the cache it fills.
  void PlayResource(std::string_view name) {
    std::shared_ptr<ReadySound> sound = ResourceSound(name);
    std::lock_guard lock(mutex_);
    ++latestRequest_;
    pendingFile_.reset();
    StartLocked(std::move(sound));
  }

  void PlayFile(std::string_view path) {
    {
      std::lock_guard lock(mutex_);
      pendingFile_ = FileRequest{std::string(path), ++latestRequest_};
      StartLocked(nullptr);
    }
    wake_.notify_one();
  }

 private:
  struct FileRequest {
    std::string path;
    uint64_t number;
  };

  Player(const ResourceCatalog& resources, const DeviceFormat& device)
      : resources_(resources), device_(device), loader_([this] { LoadFiles(); }) {}

  // Stops what is sounding and starts `sound`, if any.
  void StartLocked(std::shared_ptr<ReadySound> sound) {
    Mix_HaltChannel(kChannel);
    playing_ = std::move(sound);
    if (playing_ != nullptr && Mix_PlayChannel(kChannel, playing_->chunk(), 0) < 0)
      playing_.reset();
  }

  std::shared_ptr<ReadySound> ResourceSound(std::string_view name) {
    const std::optional<std::span<const uint8_t>> bytes = resources_.Find(name);
    if (!bytes) return nullptr;
    // Keyed by where the bytes lie: every spelling of a name finds the same.
    auto [entry, added] = resourceSounds_.try_emplace(bytes->data());
    if (added) entry->second = Prepare(*bytes, device_, [] { return true; });
    return entry->second;
  }

  // The loader thread: takes the latest file request, reads and converts the
  // file, and plays it if no request came since.
  void LoadFiles() {
    for (;;) {
      FileRequest request;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return stopping_ || pendingFile_.has_value(); });
        if (stopping_) return;
        request = std::move(*pendingFile_);
        pendingFile_.reset();
      }
      auto stillWanted = [&] { return !stopping_ && latestRequest_ == request.number; };
      std::shared_ptr<ReadySound> sound;
      try {
        if (const std::optional<std::vector<uint8_t>> bytes = ReadSoundFile(request.path))
          sound = Prepare(*bytes, device_, stillWanted);
      } catch (const std::exception&) {  // out of memory: the file stays unheard
        sound = nullptr;
      }
      if (sound == nullptr) continue;
      std::lock_guard lock(mutex_);
      if (stillWanted()) StartLocked(std::move(sound));
    }
  }

  const ResourceCatalog& resources_;
  const DeviceFormat device_;
  std::map<const uint8_t*, std::shared_ptr<ReadySound>> resourceSounds_;

  std::mutex mutex_;
  std::condition_variable wake_;
  std::shared_ptr<ReadySound> playing_;
  std::optional<FileRequest> pendingFile_;
  // Each request takes the next number; a file that finishes loading plays
  // only if its number is still the latest.
  std::atomic<uint64_t> latestRequest_{0};
  std::atomic<bool> stopping_{false};
  std::thread loader_;  // last: it starts once everything above exists
};

SdlSound::SdlSound(const ResourceCatalog& resources) : player_(Player::Open(resources)) {}

SdlSound::~SdlSound() = default;

void SdlSound::PlayResource(std::string_view name) {
  if (player_ == nullptr) return;
  try {
    player_->PlayResource(name);
  } catch (const std::exception&) {  // out of memory: silence, as for any failure
  }
}

void SdlSound::PlayFile(std::string_view path) {
  if (player_ == nullptr) return;
  try {
    player_->PlayFile(path);
  } catch (const std::exception&) {
  }
}

void SdlSound::Wait(int milliseconds) {
  if (milliseconds > 0) SDL_Delay(Uint32(milliseconds));
}

}  // namespace quorvil
