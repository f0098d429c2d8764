// Shape tests of polygons. See PolygonShape.h.

#include "render/svg/PolygonShape.h"

namespace plotvane::svg {
namespace {

int Sign(double v) { return (v > 0) - (v < 0); }

}  // namespace

// In double: only the sign matters, and the coordinates of any page keep the
// products exact.
double DoubleArea(const std::vector<FixedPoint>& p) {
  double sum = 0.0;
  for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
    sum += static_cast<double>(p[j].x) * static_cast<double>(p[i].y) -
           static_cast<double>(p[i].x) * static_cast<double>(p[j].y);
  }
  return sum;
}

bool IsSimpleConvex(const std::vector<FixedPoint>& p) {
  const std::size_t n = p.size();
  int turn = 0, firstDx = 0, lastDx = 0, reversals = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const FixedPoint& a = p[i];
    const FixedPoint& b = p[(i + 1) % n];
    const FixedPoint& c = p[(i + 2) % n];
    const int sign = Sign(static_cast<double>(b.x - a.x) * static_cast<double>(c.y - b.y) -
                          static_cast<double>(b.y - a.y) * static_cast<double>(c.x - b.x));
    if (sign != 0 && turn != 0 && sign != turn) return false;
    if (sign != 0) turn = sign;
    const int dx = Sign(static_cast<double>(b.x - a.x));
    if (dx == 0) continue;
    if (firstDx == 0)
      firstDx = dx;
    else if (dx != lastDx)
      ++reversals;
    lastDx = dx;
  }
  if (firstDx != 0 && lastDx != firstDx) ++reversals;
  return reversals <= 2;
}

}  // namespace plotvane::svg
