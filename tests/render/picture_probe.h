// For the render tests: a picture drawn offscreen from a game, and where a
// table point lands in it, worked out here from the camera's own maths
// (perspective, look-at, table transform) independently of the renderer.
#pragma once

#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <ostream>
#include <vector>

#include "platform/text_sdl_ttf.h"
#include "render/snapshot.h"
#include "ui/game.h"

namespace quorvil::testing {

struct Pixel {
  int r, g, b;
  friend std::ostream& operator<<(std::ostream& out, const Pixel& p) {
    return out << "(" << p.r << ", " << p.g << ", " << p.b << ")";
  }
};

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // rows top first

  Pixel At(int x, int y) const {
    const uint8_t* p = &rgba[(size_t(y) * size_t(width) + size_t(x)) * 4];
    return {p[0], p[1], p[2]};
  }
};

// One text rasterizer for all tests: finding the faces is slow.
inline TextSdlTtf& SharedText() {
  static TextSdlTtf text;
  return text;
}

inline Picture Snap(Game& game, int width, int height, std::string_view status = "",
                    bool help = false) {
  return {width, height, RenderSnapshot(game, width, height, {status, help}, SharedText())};
}

struct ScreenPoint {
  double x, y;  // window pixels, from the left and from the top
};

// The table point (x, y, z) as the frame's camera shows it: gluPerspective
// (50 degrees, width / height, 10, 10000) x gluLookAt from (0, 0, distance)
// x T(panX, panY, 0) x Rx(tilt) x Rz(spin).
inline ScreenPoint Project(const ViewFields& view, int width, int height, double x, double y,
                           double z) {
  const double deg = std::numbers::pi / 180.0;
  const double spin = view.viewSpin * deg;
  const double tilt = view.viewTilt * deg;
  // Rz(spin), then Rx(tilt), then the pan.
  const double x1 = x * std::cos(spin) - y * std::sin(spin);
  const double y1 = x * std::sin(spin) + y * std::cos(spin);
  const double y2 = y1 * std::cos(tilt) - z * std::sin(tilt);
  const double z2 = y1 * std::sin(tilt) + z * std::cos(tilt);
  const double ex = x1 + view.panX;
  const double ey = y2 + view.panY;
  const double ez = z2 - view.viewDistance;  // the look-at moves the eye to the origin
  const double f = 1.0 / std::tan(25.0 * deg);
  const double aspect = double(width) / double(height);
  const double ndcX = (f / aspect) * ex / -ez;
  const double ndcY = f * ey / -ez;
  return {(ndcX + 1.0) * 0.5 * width, height - (ndcY + 1.0) * 0.5 * height};
}

inline Pixel PixelAt(const Picture& picture, const ViewFields& view, double x, double y, double z) {
  const ScreenPoint p = Project(view, picture.width, picture.height, x, y, z);
  return picture.At(int(std::floor(p.x)), int(std::floor(p.y)));
}

}  // namespace quorvil::testing
