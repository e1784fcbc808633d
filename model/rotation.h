// Ball orientations: turning a stored 4 x 4 matrix by a rotation about an
// axis in the table plane, in double precision, as glRotatef defines it.
#pragma once

namespace quorvil {

// orientation := R(angleDeg; axisX, axisY, 0) x orientation. The axis is
// normalised first; the angle is a 32-bit float in degrees.
void TurnOrientation(double orientation[16], float angleDeg, float axisX, float axisY);

}  // namespace quorvil
