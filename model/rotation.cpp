#include "model/rotation.h"

#include <cmath>
#include <numbers>

namespace quorvil {

void TurnOrientation(double orientation[16], float angleDeg, float axisX, float axisY) {
  double x = axisX;
  double y = axisY;
  const double length = std::sqrt(x * x + y * y);
  if (length > 0.0) {
    x /= length;
    y /= length;
  }
  const double radians = double(angleDeg) * std::numbers::pi / 180.0;
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  const double t = 1.0 - c;

  // The rotation about (x, y, 0), row by row.
  const double r[3][3] = {
      {x * x * t + c, x * y * t, y * s},
      {x * y * t, y * y * t + c, -x * s},
      {-y * s, x * s, c},
  };

  double turned[16];
  for (int col = 0; col < 4; ++col) {
    for (int row = 0; row < 3; ++row) {
      double sum = 0.0;
      for (int k = 0; k < 3; ++k) sum += r[row][k] * orientation[4 * col + k];
      turned[4 * col + row] = sum;
    }
    turned[4 * col + 3] = orientation[4 * col + 3];
  }
  for (int i = 0; i < 16; ++i) orientation[i] = turned[i];
}

}  // namespace quorvil
