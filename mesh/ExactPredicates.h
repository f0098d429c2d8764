#pragma once
// Orientation and in-circle tests whose sign is always right.
//
// The triangulation's own circle test compares against a circle computed in
// floating point, and on points that lie on one circle its answers can
// contradict each other, which leaves overlapping triangles. These tests
// answer from the coordinates alone: first in floating point with a bound on
// its rounding error, and only when the result lies within that bound, by
// exact arithmetic on sums of doubles that carry every bit. Inputs are finite
// doubles; underflow of products is not handled (coordinates of the
// normalised plane never come near it).

#include <cmath>

namespace plotvane {

struct ExactPoint {
  double x, y;
};

// The rounding of the floating-point orientation, (a - c) x (b - c) as two
// products and their difference, stays below this fraction of the sum of
// the products' magnitudes.
inline constexpr double kOrientationErrorBound = (3.0 + 16.0 * 0x1p-53) * 0x1p-53;

// +1 when a, b, c turn counterclockwise (X to the right, Y upward), -1 when
// clockwise, 0 when they lie on one line.
int OrientationSign(ExactPoint a, ExactPoint b, ExactPoint c);

// For a, b, c counterclockwise: +1 when d lies inside their circle, -1 when
// outside, 0 when on it. The sign flips for a clockwise a, b, c.
int InCircleSign(ExactPoint a, ExactPoint b, ExactPoint c, ExactPoint d);

// True when a, b, c turn clockwise beyond the rounding of a floating-point
// evaluation; false when they turn the other way, lie on one line or are too
// close to it to tell, which OrientationSign then decides. Inline and without
// branches: the triangulation asks it for every triangle it makes.
inline bool ClearlyClockwise(ExactPoint a, ExactPoint b, ExactPoint c) {
  const double left = (a.x - c.x) * (b.y - c.y);
  const double right = (a.y - c.y) * (b.x - c.x);
  return left - right < -kOrientationErrorBound * (std::fabs(left) + std::fabs(right));
}

}  // namespace plotvane
