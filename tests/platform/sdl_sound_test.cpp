// The sound player heard through SDL's disk audio driver: what a request
// plays, how a new request cuts the one sounding, the game's effects and
// start-up clicks through the real player, and the sound file that may lie
// beside the game, however odd.
#include "platform/sdl_sound.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "assets/sound_effects.h"
#include "platform/disk_audio.h"
#include "platform/wave_builder.h"
#include "support/test_game.h"
#include "ui/game.h"

namespace quorvil {
namespace {

using testing::Bytes;
using testing::Difference;
using testing::DiskAudio;
using testing::FindStart;
using testing::FirstSound;
using testing::Frames;
using testing::LastSound;
using testing::Ms;
using testing::Pcm;
using testing::ResourceAsPlayed;

// Each frame of a sound comes out as SDL converts it, give or take this.
constexpr int kTolerance = 2;

// The game with the real player, as the window holds it.
struct HeardGame {
  testing::RecordingForm form;
  SdlSound sound{EmbeddedResources()};
  std::unique_ptr<Game> game = std::make_unique<Game>(form, sound, EmbeddedResources());
};

// A sound of the test's own: a steady tone, nothing like the game's.
Bytes ToneWave(double seconds, uint32_t rate = 44100) {
  std::vector<int16_t> samples;
  for (int i = 0; i < int(seconds * rate); ++i) {
    const auto v = int16_t(12000 * std::sin(2 * 3.14159265358979 * 440 * i / rate));
    samples.insert(samples.end(), {v, v});
  }
  return testing::Wave(testing::Format{1, 2, rate, 16}, testing::Samples16(samples));
}

TEST(SdlSound, PlaysEachResourceAsItIs) {
  // The spellings the game uses: names are found whatever their case.
  for (const char* name : {"id_wave1", "ID_WAVEplop", "ID_WAVEpoolshot"}) {
    DiskAudio audio;
    const Pcm sound = ResourceAsPlayed(name);
    {
      SdlSound player(EmbeddedResources());
      ASSERT_TRUE(player.HasDevice()) << name;
      player.PlayResource(name);
      player.Wait(int(Frames(sound) * 1000 / testing::kRate) + 150);
    }
    const Pcm played = audio.Played();
    const int64_t start = FirstSound(played) - FirstSound(sound);
    ASSERT_GE(start, 0) << name;
    EXPECT_LE(Difference(played, start, sound, Frames(sound)), kTolerance) << name;
    EXPECT_EQ(LastSound(played) - start, LastSound(sound)) << name << ": played once, in full";
  }
}

TEST(SdlSound, ANewRequestCutsTheSoundStillSounding) {
  const Pcm pocket = ResourceAsPlayed("ID_WAVEPOOLSHOT");
  const Pcm click = ResourceAsPlayed("ID_WAVE2");
  // The second request plays, or cannot be played: either way the pocket
  // sound ends where it came.
  for (const char* second : {"ID_WAVE2", "ID_WAVE5"}) {
    DiskAudio audio;
    {
      SdlSound player(EmbeddedResources());
      player.PlayResource("ID_WAVEPOOLSHOT");
      player.Wait(150);
      player.PlayResource(second);
      player.Wait(500);
    }
    const Pcm played = audio.Played();
    const int64_t start = FirstSound(played) - FirstSound(pocket);
    ASSERT_GE(start, 0) << second;
    // Where the pocket sound stops: where the click begins, or after the
    // last sound when nothing follows.
    const bool clickPlays = std::string(second) == "ID_WAVE2";
    const int64_t cut = clickPlays ? FindStart(played, click, start + Ms(100), start + Ms(400))
                                   : LastSound(played) + 1;
    EXPECT_LE(Difference(played, start, pocket, cut - start), kTolerance) << second;
    EXPECT_GT(cut - start, Ms(100)) << second;
    EXPECT_LT(cut - start, Ms(400)) << second << ": the pocket sound was cut";
    if (clickPlays) {
      EXPECT_LE(Difference(played, cut, click, Frames(click)), kTolerance);
      EXPECT_EQ(LastSound(played), cut + LastSound(click)) << "only the click after the cut";
    }
  }
}

TEST(SdlSound, TheStartupIsFourRisingClicksTheLastInFull) {
  DiskAudio audio;
  {
    HeardGame t;
    t.game->state.soundOn = false;  // the start-up sounds all the same
    PlayStartupSounds(*t.game);
    t.sound.Wait(450);
  }
  const Pcm played = audio.Played();
  int64_t previous = FirstSound(played) - Ms(100);
  std::vector<int> peaks;
  for (int level = 1; level <= 4; ++level) {
    const Pcm click = ResourceAsPlayed("ID_WAVE" + std::to_string(level));
    const int64_t start = FindStart(played, click, previous + Ms(80), previous + Ms(400));
    const int64_t heard = level < 4 ? Ms(80) : Frames(click);
    EXPECT_LE(Difference(played, start, click, heard), kTolerance) << level;
    int peak = 0;
    for (int64_t i = 2 * start; i < 2 * (start + heard); ++i)
      peak = std::max(peak, std::abs(int(played[size_t(i)])));
    peaks.push_back(peak);
    if (level == 4) {
      EXPECT_EQ(LastSound(played), start + LastSound(click)) << "the last in full";
    }
    previous = start;
  }
  for (int level = 2; level <= 4; ++level)
    EXPECT_NEAR(double(peaks[level - 1]) / peaks[0], level, 0.1 * level) << "loudness rises";
}

TEST(SdlSound, SoundOffSilencesTheGamesEffects) {
  const Pcm pocket = ResourceAsPlayed("ID_WAVEPOOLSHOT");
  for (const bool soundOn : {true, false}) {
    DiskAudio audio;
    {
      HeardGame t;
      t.game->state.soundOn = soundOn;
      t.game->state.impactStrength = 20;
      PlayEffect(*t.game, EffectBallHit);
      t.sound.Wait(100);
      PlayEffect(*t.game, EffectCushion);
      t.sound.Wait(100);
      PlayEffect(*t.game, EffectPocket);
      t.sound.Wait(300);
    }
    const Pcm played = audio.Played();
    ASSERT_GT(Frames(played), Ms(400)) << "the device ran";
    if (soundOn) {
      // The hit, the knock, then the pocket sound for as long as it had.
      const int64_t at =
          FindStart(played, pocket, FirstSound(played) + Ms(150), Frames(played) - Ms(250));
      EXPECT_LE(Difference(played, at, pocket, LastSound(played) + 1 - at), kTolerance);
      EXPECT_GE(LastSound(played) - at, Ms(250));
    } else {
      EXPECT_EQ(FirstSound(played), -1) << "silence";
    }
  }
}

// The pocket's file request comes first and is cut by the resource's at
// once: whatever lies there under the name, the pocket sound is heard, and
// the game is not held up.
TEST(SdlSound, ThePocketSoundIsHeardWhateverPoolshotWavIs) {
  const Pcm pocket = ResourceAsPlayed("ID_WAVEPOOLSHOT");
  const Bytes tone = ToneWave(0.5);
  const struct {
    const char* what;
    std::function<void(const std::string&)> make;
  } files[] = {
      {"no file", [](const std::string&) {}},
      {"a sound of its own", [&](const std::string& p) { testing::WriteFile(p, tone); }},
      {"a long sound, slow to convert",
       [](const std::string& p) {
         testing::WriteFile(p,
                            testing::Wave(testing::Format{1, 1, 4000, 8}, Bytes(4000 * 55, 0x90)));
       }},
      {"no WAVE", [](const std::string& p) { testing::WriteFile(p, Bytes(3000, 'x')); }},
      {"a WAVE cut short",
       [&](const std::string& p) {
         testing::WriteFile(p, Bytes(tone.begin(), tone.begin() + 5000));
       }},
      {"empty", [](const std::string& p) { testing::WriteFile(p, {}); }},
      {"a folder", [](const std::string& p) { std::filesystem::create_directory(p); }},
      {"a FIFO", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
      {"huge",
       [&](const std::string& p) {
         testing::WriteFile(p, tone);
         std::filesystem::resize_file(p, uintmax_t(64) << 20);
       }},
  };
  for (const auto& file : files) {
    DiskAudio audio;
    file.make(audio / "poolshot.wav");
    double requestMs = 0;
    {
      HeardGame t;
      const auto before = std::chrono::steady_clock::now();
      PlayEffect(*t.game, EffectPocket);
      requestMs =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before)
              .count();
      t.sound.Wait(350);
    }
    EXPECT_LT(requestMs, 50) << file.what << ": the request held up the game";
    const Pcm played = audio.Played();
    // The file may be heard for an instant before the cut, no longer.
    const int64_t first = FirstSound(played);
    ASSERT_GE(first, 0) << file.what;
    const int64_t at = FindStart(played, pocket, first - Ms(1), first + Ms(30));
    // Up to the last sound: the player's end may leave silence behind it.
    EXPECT_LE(Difference(played, at, pocket, LastSound(played) + 1 - at), kTolerance) << file.what;
    EXPECT_GE(LastSound(played) - at, Ms(250)) << file.what;
  }
}

TEST(SdlSound, PlaysAFileAndStaysSilentForOneItCannotPlay) {
  const Bytes tone = ToneWave(0.2);
  const struct {
    const char* what;
    Bytes bytes;
    bool heard;
  } files[] = {
      {"a sound", tone, true},
      {"longer than a minute",
       testing::Wave(testing::Format{1, 1, 4000, 8}, Bytes(4000 * 61, 0x90)), false},
      {"cut short", Bytes(tone.begin(), tone.end() - 2), false},
      {"no PCM", testing::Wave(testing::Format{3, 2, 44100, 32}, Bytes(8000, 1)), false},
  };
  for (const auto& file : files) {
    DiskAudio audio;
    testing::WriteFile(audio / "poolshot.wav", file.bytes);
    {
      SdlSound player(EmbeddedResources());
      player.PlayFile("poolshot.wav");
      player.Wait(400);
    }
    const Pcm played = audio.Played();
    if (file.heard) {
      const Pcm sound = testing::AsPlayed(*ParseWave(file.bytes));
      const int64_t start = FirstSound(played) - FirstSound(sound);
      ASSERT_GE(start, 0) << file.what;
      EXPECT_LE(Difference(played, start, sound, Frames(sound)), kTolerance) << file.what;
    } else {
      EXPECT_EQ(FirstSound(played), -1) << file.what;
    }
  }
}

// A few hundred damaged sound files, each played from the working directory
// as the pocket asks for it: none crashes, hangs or holds up the game, and
// the player plays on afterwards.
TEST(SdlSound, DamagedSoundFilesNeverStopThePlayer) {
  const Bytes base =
      testing::Riff({testing::Chunk("LIST", Bytes(5, 'i')),
                     testing::Chunk("fmt ", testing::FmtBody(testing::Format{1, 2, 22050, 16})),
                     testing::Chunk("data", Bytes(4 * 400, 0x20))});
  std::mt19937 random(7);
  auto below = [&](size_t n) { return size_t(random() % n); };
  const Pcm pocket = ResourceAsPlayed("ID_WAVEPOOLSHOT");
  DiskAudio audio;
  {
    SdlSound player(EmbeddedResources());
    double slowestMs = 0;
    for (int round = 0; round < 300; ++round) {
      Bytes bytes = base;
      if (round % 3 == 0) bytes.resize(below(bytes.size()));
      for (size_t n = round % 3 == 0 ? 0 : 1 + below(4); n > 0; --n) {
        const size_t at = below(bytes.size() - 1);
        // Headers are where damage matters: most hits go there.
        bytes[random() % 2 ? at % 48 : at] = uint8_t(random() % 2 ? random() : 0xFF);
      }
      testing::WriteFile(audio / "poolshot.wav", bytes);
      const auto before = std::chrono::steady_clock::now();
      player.PlayFile("poolshot.wav");
      slowestMs = std::max(slowestMs, std::chrono::duration<double, std::milli>(
                                          std::chrono::steady_clock::now() - before)
                                          .count());
      player.Wait(2);
    }
    EXPECT_LT(slowestMs, 50);
    player.PlayFile("poolshot.wav");
    player.PlayResource("ID_WAVEpoolshot");
    player.Wait(300);
  }
  const Pcm played = audio.Played();
  const int64_t at = FindStart(played, pocket, Frames(played) - Ms(400), Frames(played) - Ms(150));
  EXPECT_LE(Difference(played, at, pocket, LastSound(played) + 1 - at), kTolerance);
  EXPECT_GE(LastSound(played) - at, Ms(250));
}

// The disk driver keeps no queue: a sound starts at the beginning of the
// first buffer mixed after its request, so every start lies on a multiple
// of the buffer's length. Were the buffers longer than 512 frames, the
// starts' greatest common divisor would be larger too. A hit thus waits at
// most 11.6 ms to be mixed.
TEST(SdlSound, AHitStartsWithTheNextSmallBuffer) {
  const Pcm click = ResourceAsPlayed("ID_WAVE4");
  DiskAudio audio;
  {
    SdlSound player(EmbeddedResources());
    for (int i = 0; i < 8; ++i) {
      player.PlayResource("ID_WAVE4");
      player.Wait(37);
    }
    player.Wait(100);
  }
  const Pcm played = audio.Played();
  int64_t shared = 0;
  int64_t from = FirstSound(played) - Ms(5);
  for (int i = 0; i < 8; ++i) {
    const int64_t start = FindStart(played, click, from, from + Ms(150));
    EXPECT_LE(Difference(played, start, click, Ms(30)), kTolerance) << i;
    shared = std::gcd(shared, start);
    from = start + Ms(20);
  }
  EXPECT_LE(shared, SdlSound::kBufferFrames);
  EXPECT_EQ(shared % SdlSound::kBufferFrames, 0) << "starts on the buffers' bounds";
}

// Without a usable device the player stays silent, answers every request at
// once, still waits as asked, and says nothing.
TEST(SdlSound, WithoutADeviceStaysSilent) {
  const struct {
    const char* driver;
    std::optional<bool> device;  // whether one opens; for ALSA, up to the machine
  } drivers[] = {{"dummy", true}, {"no_such_driver", false}, {"alsa", std::nullopt}};
  for (const auto& d : drivers) {
    testing::ScopedEnv env("SDL_AUDIODRIVER", d.driver);
    ::testing::internal::CaptureStderr();
    {
      SdlSound player(EmbeddedResources());
      if (d.device) {
        EXPECT_EQ(player.HasDevice(), *d.device) << d.driver;
      }
      const auto before = std::chrono::steady_clock::now();
      EXPECT_NO_THROW({
        player.PlayResource("ID_WAVE4");
        player.PlayResource("ID_WAVE9");
        player.PlayFile("no such file.wav");
        player.PlayFile("/");
        player.Wait(30);
      });
      EXPECT_GE(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(30))
          << d.driver;
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << d.driver;
  }
}

}  // namespace
}  // namespace quorvil
