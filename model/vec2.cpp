#include "model/vec2.h"

#include <cmath>
#include <numbers>

namespace quorvil {

double VecLength(Vec2 v) {
  return std::sqrt(double(v.x) * double(v.x) + double(v.y) * double(v.y));
}

Vec2 VecNormalize(Vec2 v) {
  if (v.x == 0.0f && v.y == 0.0f) return Vec2{};
  const float s = static_cast<float>(double(v.x) * double(v.x) + double(v.y) * double(v.y));
  float k = 0.0f;
  if (s > 0.0f) k = static_cast<float>(1.0 / std::sqrt(double(s)));
  return VecScale(v, k);
}

double VecDistance(Vec2 a, Vec2 b) { return VecLength(VecSub(a, b)); }

void VecRotateDeg(float x, float y, float angle, float& outX, float& outY) {
  const float r = static_cast<float>(double(angle) * std::numbers::pi / 180.0);
  const double c = std::cos(double(r));
  const double s = std::sin(double(r));
  outX = static_cast<float>(double(x) * c - double(y) * s);
  outY = static_cast<float>(double(x) * s + double(y) * c);
}

}  // namespace quorvil
