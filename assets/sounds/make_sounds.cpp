// Makes the game's six sounds and writes them as uncompressed PCM WAVE files:
// the ball click at four loudness levels, the cushion knock and the ball
// rattling into a pocket.
//
//   quorvil-make-sounds OUTPUT_FOLDER
//
// Each sound is short noise bursts ringing through a few decaying resonances,
// which is what a hard ball striking a ball, a cushion or a pocket jaw sounds
// like. The output is the same on every run and every machine: the noise
// comes from a fixed-seed integer hash, never from the standard library's
// distributions. The files are committed beside this program; the build
// embeds them and never runs it.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// The lengths the game's sounds have, in sample frames.
constexpr int kClickFrames = 7723;    // 0.35 s at 22050 Hz
constexpr int kKnockFrames = 11404;   // 0.26 s at 44100 Hz, 45616 bytes in stereo
constexpr int kPocketFrames = 18657;  // 0.85 s at 22050 Hz

// --- Noise and resonances ------------------------------------------------

// White noise in [-1, 1] from an integer hash of (stream, index).
double Noise(uint32_t stream, uint32_t index) {
  uint32_t h = index * 0x9E3779B1u ^ stream * 0x85EBCA77u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return double(h) / 2147483647.5 - 1.0;
}

using Signal = std::vector<double>;

// A ringing mode: a two-pole resonator at `hz` whose ring falls to 1/e in
// `decaySeconds`; `gain` weighs it against the other modes of one strike.
struct Mode {
  double hz;
  double decaySeconds;
  double gain;
};

// Adds into `out`, from `start` seconds on, a noise burst of `burstSeconds`
// (a quick rise, then an exponential fall) ringing through the given modes;
// the strike's largest excursion is `level`.
void Strike(Signal& out, int rate, double start, double burstSeconds, double level,
            const std::vector<Mode>& modes, uint32_t seed) {
  const int first = int(std::lround(start * rate));
  const int burst = std::max(1, int(std::lround(burstSeconds * rate)));
  Signal ring(out.size() - size_t(first), 0.0);
  for (size_t m = 0; m < modes.size(); ++m) {
    const Mode& mode = modes[m];
    const double r = std::exp(-1.0 / (mode.decaySeconds * rate));
    const double w = 2.0 * kPi * mode.hz / rate;
    const double a1 = 2.0 * r * std::cos(w), a2 = -r * r;
    // A resonator's gain at its pitch is about 1 / ((1 - r) 2 sin w): this
    // keeps high and low, short and long modes at their given weights.
    const double norm = (1.0 - r) * 2.0 * std::sin(w);
    double y1 = 0, y2 = 0;
    for (size_t k = 0; k < ring.size(); ++k) {
      double x = 0;
      if (k < size_t(burst) * 6) {
        const double t = double(k) / burst;
        x = Noise(seed + uint32_t(m), uint32_t(k)) * std::exp(-t) * std::min(1.0, t * 4.0);
      }
      const double y = x + a1 * y1 + a2 * y2;
      y2 = y1;
      y1 = y;
      ring[k] += mode.gain * norm * y;
    }
  }
  double peak = 0;
  for (double v : ring) peak = std::max(peak, std::fabs(v));
  if (peak == 0) return;
  for (size_t k = 0; k < ring.size(); ++k) out[size_t(first) + k] += ring[k] * level / peak;
}

// A dull thud: a sine whose pitch sinks from `fromHz` to `toHz` while it
// dies away, after a rise of `riseSeconds`.
void Thud(Signal& out, int rate, double start, double level, double fromHz, double toHz,
          double decaySeconds, double riseSeconds) {
  const int first = int(std::lround(start * rate));
  double phase = 0;
  for (int i = first; i < int(out.size()); ++i) {
    const double t = double(i - first) / rate;
    const double hz = toHz + (fromHz - toHz) * std::exp(-t / (decaySeconds * 0.5));
    phase += 2.0 * kPi * hz / rate;
    const double envelope = std::min(1.0, t / riseSeconds) * std::exp(-t / decaySeconds);
    out[i] += level * envelope * std::sin(phase);
  }
}

// Softens a sound: a one-pole low-pass at about `hz`.
void LowPass(Signal& s, int rate, double hz) {
  const double a = 1.0 - std::exp(-2.0 * kPi * hz / rate);
  double y = 0;
  for (double& v : s) v = y += a * (v - y);
}

// Lets the last `seconds` fade to nothing, so no sound ends in a step.
void FadeOut(Signal& s, int rate, double seconds) {
  const int n = std::min(int(s.size()), int(seconds * rate));
  for (int k = 0; k < n; ++k) s[s.size() - 1 - k] *= double(k) / n;
}

// Scales so that the largest excursion is exactly 1.
void Normalize(Signal& s) {
  double peak = 0;
  for (double v : s) peak = std::max(peak, std::fabs(v));
  if (peak > 0)
    for (double& v : s) v /= peak;
}

// --- The sounds ------------------------------------------------------------

// Two hard resin balls meeting: a crack of a millisecond that rings for a
// few hundredths of a second in the balls' own high modes, with a faint
// lower knock from the table under them.
Signal BallClick() {
  const int rate = 22050;
  Signal s(kClickFrames, 0.0);
  Strike(s, rate, 0.0, 0.0004, 1.0,
         {{3150, 0.006, 1.0}, {4700, 0.004, 0.8}, {6900, 0.003, 0.6}, {2100, 0.010, 0.5}}, 11);
  Strike(s, rate, 0.0, 0.0015, 0.35, {{640, 0.022, 1.0}, {1180, 0.014, 0.6}}, 23);
  // The click heard again off the nearest cushion.
  Strike(s, rate, 0.011, 0.0004, 0.12, {{3150, 0.005, 1.0}, {4700, 0.003, 0.7}}, 37);
  FadeOut(s, rate, 0.05);
  Normalize(s);
  return s;
}

// A ball against the rubber cushion: no crack, a soft push that sets the
// rail's wood knocking low and briefly. Left and right differ a little, as
// a cushion heard from the player's place would.
std::vector<Signal> CushionKnock() {
  const int rate = 44100;
  std::vector<Signal> channels;
  for (int c = 0; c < 2; ++c) {
    Signal s(kKnockFrames, 0.0);
    const double delay = c == 0 ? 0.0 : 0.0004;
    Thud(s, rate, delay, 1.0, 230, 150, 0.032, 0.0025);
    Strike(s, rate, delay, 0.003, 0.5, {{420, 0.020, 1.0}, {760, 0.012, 0.5}}, 51 + c);
    Strike(s, rate, delay, 0.004, 0.25, {{1500, 0.006, 1.0}}, 61 + c);
    LowPass(s, rate, 2500);
    FadeOut(s, rate, 0.06);
    channels.push_back(std::move(s));
  }
  // One scale for both channels keeps their balance.
  double peak = 0;
  for (const Signal& s : channels)
    for (double v : s) peak = std::max(peak, std::fabs(v));
  for (Signal& s : channels)
    for (double& v : s) v *= 0.62 / peak;
  return channels;
}

// A ball caught by a pocket: it strikes the jaw, rattles between the jaws
// with ever smaller, quicker knocks, drops with a heavy thud and rolls away
// down the pocket.
Signal PocketDrop() {
  const int rate = 22050;
  Signal s(kPocketFrames, 0.0);
  const std::vector<Mode> jaw = {
      {1250, 0.012, 1.0}, {2350, 0.008, 0.7}, {3900, 0.004, 0.5}, {520, 0.020, 0.4}};
  const double rattle[][2] = {{0.000, 1.0},  {0.072, 0.62}, {0.128, 0.45},
                              {0.168, 0.32}, {0.196, 0.22}, {0.215, 0.14}};
  uint32_t seed = 71;
  for (const auto& knock : rattle) Strike(s, rate, knock[0], 0.0006, knock[1], jaw, seed += 7);

  Thud(s, rate, 0.262, 0.8, 150, 85, 0.070, 0.003);
  Strike(s, rate, 0.262, 0.002, 0.6, {{240, 0.045, 1.0}, {610, 0.020, 0.5}}, 97);
  // It knocks once more, softly, against the balls already down there.
  Strike(s, rate, 0.418, 0.0008, 0.3, {{1900, 0.010, 1.0}, {3100, 0.006, 0.6}}, 103);

  // The roll: low rumble that swells and fades as the ball runs off.
  Signal roll(s.size(), 0.0);
  const int from = int(0.30 * rate), to = int(0.80 * rate);
  for (int i = from; i < to; ++i) {
    const double t = double(i - from) / (to - from);
    const double swell = std::sin(kPi * t) * (1.0 - 0.8 * t);
    const double wobble = 0.75 + 0.25 * std::sin(2.0 * kPi * 13.0 * i / rate);
    roll[i] = Noise(131, uint32_t(i)) * swell * wobble;
  }
  LowPass(roll, rate, 380);
  LowPass(roll, rate, 380);
  for (size_t i = 0; i < s.size(); ++i) s[i] += roll[i] * 1.6;

  FadeOut(s, rate, 0.08);
  Normalize(s);
  return s;
}

// --- Writing -------------------------------------------------------------

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

// A RIFF WAVE file with a plain PCM "fmt " chunk and one "data" chunk; a
// data chunk of odd length is followed by the pad byte RIFF asks for.
bool WriteWave(const std::string& path, int rate, int channels, int bits,
               const std::vector<uint8_t>& samples) {
  const uint32_t dataBytes = uint32_t(samples.size());
  const uint32_t pad = dataBytes % 2;
  const int blockAlign = channels * bits / 8;
  std::vector<uint8_t> out;
  for (char c : {'R', 'I', 'F', 'F'}) out.push_back(uint8_t(c));
  PutLe(out, 4 + (8 + 16) + (8 + dataBytes + pad), 4);
  for (char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '}) out.push_back(uint8_t(c));
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);  // PCM
  PutLe(out, uint32_t(channels), 2);
  PutLe(out, uint32_t(rate), 4);
  PutLe(out, uint32_t(rate * blockAlign), 4);
  PutLe(out, uint32_t(blockAlign), 2);
  PutLe(out, uint32_t(bits), 2);
  for (char c : {'d', 'a', 't', 'a'}) out.push_back(uint8_t(c));
  PutLe(out, dataBytes, 4);
  out.insert(out.end(), samples.begin(), samples.end());
  if (pad) out.push_back(0);
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
  return bool(file);
}

// 8-bit WAVE samples are unsigned around 128; `peak` is the largest
// excursion from 128 the sound reaches.
std::vector<uint8_t> EightBit(const Signal& s, int peak) {
  std::vector<uint8_t> out;
  for (double v : s) out.push_back(uint8_t(128 + std::lround(v * peak)));
  return out;
}

// 16-bit samples, channels interleaved, little-endian.
std::vector<uint8_t> SixteenBit(const std::vector<Signal>& channels) {
  std::vector<uint8_t> out;
  for (size_t i = 0; i < channels[0].size(); ++i) {
    for (const Signal& s : channels) {
      const long v = std::clamp(std::lround(s[i] * 32767.0), -32768L, 32767L);
      PutLe(out, uint32_t(v) & 0xFFFFu, 2);
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  bool ok = true;
  // The four hit levels are one click at 24, 48, 72 and 96 of 127.
  const Signal click = BallClick();
  for (int level = 1; level <= 4; ++level)
    ok &= WriteWave(folder + "/ID_WAVE" + std::to_string(level) + ".wav", 22050, 1, 8,
                    EightBit(click, 24 * level));
  ok &= WriteWave(folder + "/ID_WAVEPLOP.wav", 44100, 2, 16, SixteenBit(CushionKnock()));
  ok &= WriteWave(folder + "/ID_WAVEPOOLSHOT.wav", 22050, 1, 8, EightBit(PocketDrop(), 100));
  if (!ok) {
    std::fprintf(stderr, "%s: could not write the sounds to %s\n", argv[0], folder.c_str());
    return 1;
  }
  return 0;
}
