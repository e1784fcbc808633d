// The game's sound player over SDL2_mixer. One sound at a time on one
// channel: every request stops the sound still sounding, even one that then
// cannot be played. Requests return at once and the sound plays in the
// background. Whatever cannot be played (no audio device, a busy one, a
// resource or file that is missing or no PCM WAVE of the kind played here)
// is silence: nothing is reported and nothing throws.
//
// A sound file is read and converted on a loader thread of its own, so a
// large or odd file never holds up the game; the file plays when it is
// ready unless a later request has come since. Resources are converted on
// first use and kept.
#pragma once

#include <memory>
#include <string_view>

#include "assets/resource_catalog.h"
#include "ui/form_host.h"

namespace quorvil {

class SdlSound final : public SoundSink {
 public:
  // The device runs at 44.1 kHz with buffers of 512 frames (11.6 ms): SDL's
  // usual 4096 frames would lag a hit by a tenth of a second and more.
  static constexpr int kDeviceRate = 44100;
  static constexpr int kBufferFrames = 512;
  // Longer sounds are not played: they would only cost memory and time to
  // convert, and every game sound lasts under a second.
  static constexpr int kLongestSoundSeconds = 60;

  // Starts SDL's audio and opens the default device; without one the player
  // stays silent.
  explicit SdlSound(const ResourceCatalog& resources);
  ~SdlSound() override;
  SdlSound(const SdlSound&) = delete;
  SdlSound& operator=(const SdlSound&) = delete;

  // A resource by name, whatever the letter case.
  void PlayResource(std::string_view name) override;
  // A file, relative to the working directory.
  void PlayFile(std::string_view path) override;
  void Wait(int milliseconds) override;

  // Whether an audio device was opened.
  bool HasDevice() const { return player_ != nullptr; }

 private:
  class Player;
  std::unique_ptr<Player> player_;
};

}  // namespace quorvil
