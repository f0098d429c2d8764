#include "mesh/CircumCircle.h"

#include <cmath>

namespace plotvane {

CircleOutcome CircumCircle(const MeshPointTable& points, MeshTriangle& t) {
  const double x1 = points.x[t.p1], y1 = points.y[t.p1];
  const double x2 = points.x[t.p2], y2 = points.y[t.p2];
  const double x3 = points.x[t.p3], y3 = points.y[t.p3];

  if (std::fabs(y1 - y2) < EPSILON && std::fabs(y2 - y3) < EPSILON) return CircleOutcome::Kept;

  double xc = 0;
  double yc = 0;
  if (std::fabs(y2 - y1) < EPSILON) {
    const double m2 = -(x3 - x2) / (y3 - y2);
    const double mx2 = (x2 + x3) / 2.0;
    const double my2 = (y2 + y3) / 2.0;
    xc = (x2 + x1) / 2.0;
    yc = m2 * (xc - mx2) + my2;
  } else if (std::fabs(y3 - y2) < EPSILON) {
    const double m1 = -(x2 - x1) / (y2 - y1);
    const double mx1 = (x1 + x2) / 2.0;
    const double my1 = (y1 + y2) / 2.0;
    xc = (x3 + x2) / 2.0;
    yc = m1 * (xc - mx1) + my1;
  } else {
    const double m1 = -(x2 - x1) / (y2 - y1);
    const double m2 = -(x3 - x2) / (y3 - y2);
    const double mx1 = (x1 + x2) / 2.0;
    const double mx2 = (x2 + x3) / 2.0;
    const double my1 = (y1 + y2) / 2.0;
    const double my2 = (y2 + y3) / 2.0;
    // Equal slopes: the three corners lie on one slanted line and have no circle.
    if (m1 - m2 == 0.0) return CircleOutcome::Fault;
    xc = (m1 * mx1 - m2 * mx2 + my2 - my1) / (m1 - m2);
    yc = m1 * (xc - mx1) + my1;
  }
  const double r = std::sqrt((xc - x2) * (xc - x2) + (yc - y2) * (yc - y2));
  if (!std::isfinite(xc) || !std::isfinite(yc) || !std::isfinite(r)) return CircleOutcome::Fault;
  t.xc = xc;
  t.yc = yc;
  t.r = r;
  return CircleOutcome::Computed;
}

}  // namespace plotvane
