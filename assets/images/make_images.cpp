// Draws the game's seventeen pictures and writes them as 128 x 128, 24-bit,
// uncompressed BMP files: the fifteen object balls, the cloth and the wood.
//
//   quorvil-make-images OUTPUT_FOLDER
//
// The output is the same on every run and every machine: the noise comes from
// a fixed-seed integer hash, never from the standard library's distributions.
// The files are committed beside this program; the build embeds them and
// never runs it.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 128;
constexpr double kPi = 3.14159265358979323846;

struct Rgb {
  double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kInk{0, 0, 0};

// A picture, rows from the top.
struct Picture {
  std::vector<Rgb> pixels = std::vector<Rgb>(kSize * kSize, kWhite);
  Rgb& At(int x, int y) { return pixels[y * kSize + x]; }
};

// --- Writing -------------------------------------------------------------

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

uint8_t ToByte(double v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); }

// A BMP file: file header, BITMAPINFOHEADER, bottom-up rows of blue, green,
// red. 128 pixels of 3 bytes make 384 bytes a row, already a multiple of 4.
bool WriteBmp(const Picture& picture, const std::string& path) {
  constexpr uint32_t kPixelBytes = kSize * kSize * 3;
  constexpr uint32_t kHeaderBytes = 14 + 40;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutLe(out, kHeaderBytes + kPixelBytes, 4);
  PutLe(out, 0, 4);  // reserved
  PutLe(out, kHeaderBytes, 4);
  PutLe(out, 40, 4);     // header size
  PutLe(out, kSize, 4);  // width
  PutLe(out, kSize, 4);  // height, positive: bottom-up
  PutLe(out, 1, 2);      // planes
  PutLe(out, 24, 2);     // bits per pixel
  PutLe(out, 0, 4);      // BI_RGB, no compression
  PutLe(out, kPixelBytes, 4);
  PutLe(out, 2835, 4);  // 72 dots per inch, both ways
  PutLe(out, 2835, 4);
  PutLe(out, 0, 4);  // no palette
  PutLe(out, 0, 4);
  for (int y = kSize - 1; y >= 0; --y) {
    for (int x = 0; x < kSize; ++x) {
      const Rgb& p = picture.pixels[y * kSize + x];
      out.push_back(ToByte(p.b));
      out.push_back(ToByte(p.g));
      out.push_back(ToByte(p.r));
    }
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
  return bool(file);
}

// --- The digits ------------------------------------------------------------
//
// Each digit is a set of strokes in a box one unit wide and one unit high,
// y growing downwards. Strokes are flattened into short segments; a pixel's
// ink is the share of its sub-samples that lie within half a pen width of
// a segment, which gives the smoothed edges of a printed numeral.

struct Point {
  double x, y;
};
using Stroke = std::vector<Point>;

Stroke Arc(double cx, double cy, double rx, double ry, double fromDeg, double toDeg) {
  // Angles in degrees, 0 to the right, 90 downwards (the y axis points down).
  Stroke s;
  const int steps = 48;
  for (int i = 0; i <= steps; ++i) {
    double a = (fromDeg + (toDeg - fromDeg) * i / steps) * kPi / 180.0;
    s.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return s;
}

Stroke Curve(Point p0, Point p1, Point p2, Point p3) {
  Stroke s;
  const int steps = 32;
  for (int i = 0; i <= steps; ++i) {
    double t = double(i) / steps, u = 1 - t;
    s.push_back(
        {u * u * u * p0.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * p3.x,
         u * u * u * p0.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y + t * t * t * p3.y});
  }
  return s;
}

std::vector<Stroke> DigitStrokes(int digit) {
  switch (digit) {
    case 0:
      return {Arc(0.5, 0.5, 0.5, 0.5, 0, 360)};
    case 1:
      return {{{0.56, 0.0}, {0.56, 1.0}}, {{0.56, 0.0}, {0.18, 0.24}}};
    case 2:
      return {Arc(0.5, 0.28, 0.46, 0.28, 190, 360),
              Curve({0.96, 0.28}, {0.96, 0.52}, {0.3, 0.7}, {0.04, 1.0}),
              {{0.04, 1.0}, {1.0, 1.0}}};
    case 3:
      return {Arc(0.5, 0.255, 0.42, 0.255, 195, 450), Arc(0.5, 0.74, 0.48, 0.26, 270, 520)};
    case 4:
      return {{{0.74, 1.0}, {0.74, 0.0}, {0.0, 0.7}, {1.0, 0.7}}};
    case 5:
      return {{{0.92, 0.0}, {0.16, 0.0}, {0.08, 0.46}},
              Curve({0.08, 0.46}, {0.45, 0.28}, {1.02, 0.36}, {1.0, 0.68}),
              Curve({1.0, 0.68}, {0.98, 1.06}, {0.2, 1.08}, {0.0, 0.84})};
    case 6:
      return {Arc(0.5, 0.68, 0.5, 0.32, 0, 360),
              Curve({0.0, 0.68}, {-0.04, 0.12}, {0.5, -0.12}, {0.9, 0.12})};
    case 7:
      return {{{0.0, 0.0}, {1.0, 0.0}, {0.36, 1.0}}};
    case 8:
      return {Arc(0.5, 0.245, 0.42, 0.245, 0, 360), Arc(0.5, 0.735, 0.5, 0.265, 0, 360)};
    case 9: {
      // A 6 turned half a turn.
      std::vector<Stroke> strokes = DigitStrokes(6);
      for (Stroke& s : strokes)
        for (Point& p : s) p = {1.0 - p.x, 1.0 - p.y};
      return strokes;
    }
    default:
      return {};
  }
}

double SegmentDistance(Point p, Point a, Point b) {
  double dx = b.x - a.x, dy = b.y - a.y;
  double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
  double ex = p.x - (a.x + t * dx), ey = p.y - (a.y + t * dy);
  return std::sqrt(ex * ex + ey * ey);
}

// The ball's number, laid out in pixel coordinates around the disc centre.
struct Label {
  std::vector<std::pair<Point, Point>> segments;  // in pixels
  double penHalfWidth;
};

constexpr double kDiscCentre = 64.0;  // pixel edges: the disc covers 45 .. 82
constexpr double kDiscRadius = 19.0;
constexpr double kDigitHeight = 19.0;
constexpr double kPen = 3.0;

Label MakeLabel(int number) {
  std::vector<int> digits;
  if (number >= 10) digits.push_back(number / 10);
  digits.push_back(number % 10);
  // Two digits are set a little narrower so that the pair sits well inside
  // the disc.
  const double width = digits.size() == 1 ? 11.0 : 9.6;
  const double gap = 2.6;
  const double total = width * double(digits.size()) + gap * double(digits.size() - 1);
  const double left = kDiscCentre - total / 2;
  const double top = kDiscCentre - kDigitHeight / 2;
  // Strokes are drawn on the centre line of the pen, so the box is shrunk by
  // half a pen all round: the printed figure is then the full height.
  const double inset = kPen / 2;

  Label label{{}, kPen / 2};
  for (size_t i = 0; i < digits.size(); ++i) {
    double x0 = left + double(i) * (width + gap) + inset;
    double w = width - 2 * inset, h = kDigitHeight - 2 * inset;
    for (const Stroke& s : DigitStrokes(digits[i])) {
      for (size_t k = 1; k < s.size(); ++k) {
        label.segments.push_back({{x0 + s[k - 1].x * w, top + inset + s[k - 1].y * h},
                                  {x0 + s[k].x * w, top + inset + s[k].y * h}});
      }
    }
  }
  // The 6 and the 9 are underlined, so that a turned ball still reads right.
  if (number == 6 || number == 9) {
    double y = top + kDigitHeight + 2.4 + kPen / 2;
    label.segments.push_back({{left + 1.0, y}, {left + total - 1.0, y}});
  }
  return label;
}

bool InInk(const Label& label, Point p) {
  for (const auto& [a, b] : label.segments)
    if (SegmentDistance(p, a, b) <= label.penHalfWidth) return true;
  return false;
}

// --- The balls ---------------------------------------------------------------

struct BallLook {
  int number;
  bool banded;
  Rgb colour;
};

// By slot 1 to 15: the printed number, full or banded, and the colour.
constexpr Rgb kYellow{255, 255, 0}, kGreen{0, 255, 0}, kPurple{192, 0, 192}, kBlack{0, 0, 0},
    kBlue{0, 0, 255}, kRed{255, 0, 0}, kOrange{255, 168, 0}, kMaroon{168, 0, 32};
const std::array<BallLook, 16> kBallLooks = {{
    {0, false, kWhite},  // the cue ball has no picture
    {1, false, kYellow},
    {14, true, kGreen},
    {4, false, kPurple},
    {12, true, kPurple},
    {8, false, kBlack},
    {2, false, kBlue},
    {11, true, kRed},
    {3, false, kRed},
    {9, true, kYellow},
    {5, false, kOrange},
    {15, true, kMaroon},
    {6, false, kGreen},
    {13, true, kOrange},
    {7, false, kMaroon},
    {10, true, kBlue},
}};

// How much of the band colour a row of a banded ball carries: full on rows
// 43 to 83, blending over two rows on either side.
double BandShare(int row) {
  if (row >= 43 && row <= 83) return 1.0;
  if (row == 42 || row == 84) return 2.0 / 3.0;
  if (row == 41 || row == 85) return 1.0 / 3.0;
  return 0.0;
}

Picture DrawBall(const BallLook& look) {
  Picture picture;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      picture.At(x, y) = look.banded ? Mix(kWhite, look.colour, BandShare(y)) : look.colour;

  // The disc and the number, 6 x 6 samples a pixel.
  const Label label = MakeLabel(look.number);
  const int n = 6;
  for (int y = 40; y < 88; ++y) {
    for (int x = 40; x < 88; ++x) {
      int inDisc = 0, inInk = 0;
      for (int sy = 0; sy < n; ++sy) {
        for (int sx = 0; sx < n; ++sx) {
          Point p{x + (sx + 0.5) / n, y + (sy + 0.5) / n};
          double dx = p.x - kDiscCentre, dy = p.y - kDiscCentre;
          if (dx * dx + dy * dy > kDiscRadius * kDiscRadius) continue;
          ++inDisc;
          if (InInk(label, p)) ++inInk;
        }
      }
      double disc = double(inDisc) / (n * n), ink = double(inInk) / (n * n);
      Rgb& pixel = picture.At(x, y);
      pixel = Mix(pixel, kWhite, disc);
      pixel = Mix(pixel, kInk, ink);
    }
  }
  return picture;
}

// --- Noise that wraps around the picture's edges --------------------------

uint32_t Hash(uint32_t a, uint32_t b, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B1u ^ a * 0x85EBCA77u ^ b * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

// A value in [-1, 1] for a lattice point.
double LatticeValue(int i, int j, uint32_t seed) {
  return Hash(uint32_t(i), uint32_t(j), seed) / 2147483647.5 - 1.0;
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

// Value noise on a lattice of `cellsX` x `cellsY` cells across the picture;
// the lattice wraps, so the noise tiles.
double PeriodicNoise(double x, double y, int cellsX, int cellsY, uint32_t seed) {
  double fx = x * cellsX / kSize, fy = y * cellsY / kSize;
  int ix = int(std::floor(fx)), iy = int(std::floor(fy));
  double tx = Smooth(fx - ix), ty = Smooth(fy - iy);
  auto v = [&](int i, int j) {
    return LatticeValue(((i % cellsX) + cellsX) % cellsX, ((j % cellsY) + cellsY) % cellsY, seed);
  };
  double top = v(ix, iy) + (v(ix + 1, iy) - v(ix, iy)) * tx;
  double bottom = v(ix, iy + 1) + (v(ix + 1, iy + 1) - v(ix, iy + 1)) * tx;
  return top + (bottom - top) * ty;
}

// Shifts each channel so that its mean is the target, then keeps every pixel
// inside the allowed range.
void SetMeanAndRange(Picture& picture, Rgb mean, Rgb low, Rgb high) {
  for (int pass = 0; pass < 8; ++pass) {
    Rgb sum{0, 0, 0};
    for (const Rgb& p : picture.pixels) {
      sum.r += ToByte(p.r);
      sum.g += ToByte(p.g);
      sum.b += ToByte(p.b);
    }
    const double count = double(picture.pixels.size());
    Rgb shift{mean.r - sum.r / count, mean.g - sum.g / count, mean.b - sum.b / count};
    for (Rgb& p : picture.pixels) {
      p.r = std::clamp(p.r + shift.r, low.r, high.r);
      p.g = std::clamp(p.g + shift.g, low.g, high.g);
      p.b = std::clamp(p.b + shift.b, low.b, high.b);
    }
  }
}

// The cloth: a fine, even mottle of green with no pattern, tiling both ways.
Picture DrawCloth() {
  Picture picture;
  constexpr uint32_t kSeed = 20240611u;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      // Mostly fine grain, a little softer mottling under it.
      double mottle = 0.20 * PeriodicNoise(x, y, 8, 8, kSeed) +
                      0.30 * PeriodicNoise(x, y, 32, 32, kSeed + 1) +
                      0.50 * PeriodicNoise(x, y, 64, 64, kSeed + 2);
      double grain = LatticeValue(x, y, kSeed + 3);
      double n = 0.75 * mottle + 0.25 * grain;
      double tint = 0.15 * LatticeValue(x, y, kSeed + 4);
      picture.At(x, y) = {27 + 9 * n + 2 * tint, 116 + 22 * n, 52 + 9 * n - 2 * tint};
    }
  }
  SetMeanAndRange(picture, {27, 116, 52}, {18, 98, 42}, {34, 130, 58});
  return picture;
}

// The wood's colour at a point, before scaling to its average. The grain
// lines wander sideways with periodic noise and their count across the
// picture is whole, so the wood tiles both ways.
Rgb WoodAt(double x, double y) {
  constexpr uint32_t kSeed = 19970305u;
  constexpr int kLines = 9;
  double wander =
      5.0 * PeriodicNoise(x, y, 4, 2, kSeed) + 1.5 * PeriodicNoise(x, y, 8, 8, kSeed + 1);
  double phase = (x + wander) * kLines / kSize + 0.35 * PeriodicNoise(x, y, 16, 1, kSeed + 2);
  double t = phase - std::floor(phase);
  // A ring: a sharp dark line fading into the lighter late wood.
  double line = std::pow(std::max(0.0, 1.0 - t / 0.28), 2.0) + 0.35 * std::pow(t, 6.0);
  // Fine fibres, stretched along the grain.
  double fibre = PeriodicNoise(x, y, 128, 8, kSeed + 3);
  double shade = 1.0 - 0.45 * line + 0.07 * fibre;
  double warm = 1.0 + 0.06 * PeriodicNoise(x, y, 2, 4, kSeed + 4);
  return {140 * shade * warm, 57 * shade * warm, 14 * shade};
}

// The wood: reddish brown with dark grain lines from top to bottom, 3 x 3
// samples a pixel so that the lines' edges are smooth.
Picture DrawWood() {
  Picture picture;
  const int n = 3;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      Rgb sum{0, 0, 0};
      for (int sy = 0; sy < n; ++sy) {
        for (int sx = 0; sx < n; ++sx) {
          Rgb c = WoodAt(x + (sx + 0.5) / n - 0.5, y + (sy + 0.5) / n - 0.5);
          sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
        }
      }
      picture.At(x, y) = {sum.r / (n * n), sum.g / (n * n), sum.b / (n * n)};
    }
  }
  // Scale to the wood's average colour.
  Rgb sum{0, 0, 0};
  for (const Rgb& p : picture.pixels) {
    sum.r += p.r;
    sum.g += p.g;
    sum.b += p.b;
  }
  const double count = double(picture.pixels.size());
  Rgb scale{117 / (sum.r / count), 47 / (sum.g / count), 11 / (sum.b / count)};
  for (Rgb& p : picture.pixels) p = {p.r * scale.r, p.g * scale.g, p.b * scale.b};
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  bool ok = true;
  for (int slot = 1; slot <= 15; ++slot)
    ok &=
        WriteBmp(DrawBall(kBallLooks[slot]), folder + "/ID_BITMAP" + std::to_string(slot) + ".bmp");
  ok &= WriteBmp(DrawCloth(), folder + "/ID_BITMAP_FILZ.bmp");
  ok &= WriteBmp(DrawWood(), folder + "/ID_BITMAP_HOLZ.bmp");
  if (!ok) {
    std::fprintf(stderr, "%s: could not write the pictures to %s\n", argv[0], folder.c_str());
    return 1;
  }
  return 0;
}
