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

namespace plotvane {

struct ExactPoint {
  double x, y;
};

// +1 when a, b, c turn counterclockwise (X to the right, Y upward), -1 when
// clockwise, 0 when they lie on one line.
int OrientationSign(ExactPoint a, ExactPoint b, ExactPoint c);

// For a, b, c counterclockwise: +1 when d lies inside their circle, -1 when
// outside, 0 when on it. The sign flips for a clockwise a, b, c.
int InCircleSign(ExactPoint a, ExactPoint b, ExactPoint c, ExactPoint d);

namespace detail {
int OrientationSignExact(ExactPoint a, ExactPoint b, ExactPoint c);
}

// The same as OrientationSign, with the floating-point stage inline: the
// triangulation asks it for every triangle it makes.
inline int OrientationSignInline(ExactPoint a, ExactPoint b, ExactPoint c) {
  // Rounding of the two products and their difference, relative to the sum
  // of the products' magnitudes.
  constexpr double kEpsilon = 1.1102230246251565e-16;  // 2^-53
  constexpr double kBound = (3.0 + 16.0 * kEpsilon) * kEpsilon;
  const double left = (a.x - c.x) * (b.y - c.y);
  const double right = (a.y - c.y) * (b.x - c.x);
  const double det = left - right;
  const double bound = kBound * (left < 0 ? -left : left) + kBound * (right < 0 ? -right : right);
  if (det > bound) return 1;
  if (-det > bound) return -1;
  return detail::OrientationSignExact(a, b, c);
}

}  // namespace plotvane
