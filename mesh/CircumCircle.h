#pragma once
// The circumcircle of a mesh triangle and the test of a point against it.
//
// The circle is computed from the perpendicular bisectors of two sides, with
// special cases for a side that is level within EPSILON. A triangle whose three
// corners are level within EPSILON gets no new circle: it keeps whatever its
// table slot held (the tables start zeroed, and a triangle moved to another
// slot takes its circle along), which keeps the result fully determined.
//
// Both functions are written operation for operation as the mesh's results
// depend on them: the fast and the literal triangulation must agree bit for bit.

#include "mesh/MeshWork.h"

namespace plotvane {

// Level tolerance of CircumCircle, in units of the normalised plane (0..100).
inline constexpr double EPSILON = 0.000001;

enum class CircleOutcome {
  Computed,  // xc, yc, r of the triangle were set
  Kept,      // corners level within EPSILON: the triangle's circle is unchanged
  Fault,     // a division by zero or a result that is not finite
};

CircleOutcome CircumCircle(const MeshPointTable& points, MeshTriangle& t);

// True when (xp, yp) lies inside the circle or on it: dx and dy within r, and
// then the squares. The three conditions are combined without short cuts so
// that the compiler need not branch on each: a search tests many circles and
// which of them holds a point is unpredictable.
inline bool InCircle(double xp, double yp, double xc, double yc, double r) {
  const double dx = xp - xc;
  const double dy = yp - yc;
  return !(dx > r) & !(dy > r) & (r * r >= dx * dx + dy * dy);
}

// True when no later point (they come in ascending X) can fall inside the circle.
inline bool CircleIsLeftOf(double xp, double xc, double r) { return xc + r < xp; }

}  // namespace plotvane
