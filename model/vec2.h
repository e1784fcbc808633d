// Plane vectors of the table: two 32-bit floats, with the few operations the
// simulation, the rack, the shot and the ball rolling do all their plane
// arithmetic through. Every operation that yields a Vec2 rounds each component
// to a 32-bit float; the arithmetic before that rounding is done in doubles.
// Scalar results (length, dot, distance) stay doubles.
#pragma once

namespace quorvil {

struct Vec2 {
  float x = 0.0f;
  float y = 0.0f;
};

inline void VecSet(Vec2& v, float x, float y) { v = Vec2{x, y}; }

inline Vec2 VecAdd(Vec2 a, Vec2 b) {
  return {static_cast<float>(double(a.x) + double(b.x)),
          static_cast<float>(double(a.y) + double(b.y))};
}

inline Vec2 VecSub(Vec2 a, Vec2 b) {
  return {static_cast<float>(double(a.x) - double(b.x)),
          static_cast<float>(double(a.y) - double(b.y))};
}

// The factor is a 32-bit float: a double handed in is rounded on the way.
inline Vec2 VecScale(Vec2 v, float k) {
  return {static_cast<float>(double(v.x) * double(k)),
          static_cast<float>(double(v.y) * double(k))};
}

inline Vec2 VecDiv(Vec2 v, float k) {
  return {static_cast<float>(double(v.x) / double(k)),
          static_cast<float>(double(v.y) / double(k))};
}

inline double VecDot(Vec2 a, Vec2 b) {
  return double(a.x) * double(b.x) + double(a.y) * double(b.y);
}

double VecLength(Vec2 v);

// Unit vector along v; the zero vector, and any vector whose squared length
// rounds to 0 in single precision, give (0, 0).
Vec2 VecNormalize(Vec2 v);

// Length of a - b, the difference first rounded to 32-bit floats.
double VecDistance(Vec2 a, Vec2 b);

// Turns (x, y) counter-clockwise by angle degrees. The angle in radians is
// rounded to a 32-bit float before its cosine and sine are taken. x and y are
// taken by value, so the outputs may alias the inputs' own storage.
void VecRotateDeg(float x, float y, float angle, float& outX, float& outY);

}  // namespace quorvil
