#include "mesh/Distortion.h"

#include <cmath>

namespace plotvane {

double TriangleDistortion(double x1, double y1, double x2, double y2, double x3, double y3) {
  const double a = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
  const double b = std::sqrt((x2 - x3) * (x2 - x3) + (y2 - y3) * (y2 - y3));
  const double c = std::sqrt((x3 - x1) * (x3 - x1) + (y3 - y1) * (y3 - y1));
  // Heron, the product in the order s, s-a, s-b, s-c. Rounding can make it
  // slightly negative for three corners on one line: that is no area either.
  const double s = (a + b + c) / 2.0;
  const double product = s * (s - a) * (s - b) * (s - c);
  if (!(product > 0.0)) return 1.0;
  const double area = std::sqrt(product);
  const double inradius = 2.0 * area / (a + b + c);
  const double circumradius = (a * b * c / 4.0) / area;
  return 1.0 - 2.0 * inradius / circumradius;
}

void TriangleDistortions(const std::vector<double>& x, const std::vector<double>& y, TriangleIndex nt,
                         const std::vector<std::int32_t>& ipt, std::vector<double>& hh) {
  hh.resize(static_cast<std::size_t>(nt) + 1);
  for (TriangleIndex i = 1; i <= nt; ++i) {
    const std::size_t base = 3 * static_cast<std::size_t>(i);
    const auto p1 = static_cast<std::size_t>(ipt[base - 2]);
    const auto p2 = static_cast<std::size_t>(ipt[base - 1]);
    const auto p3 = static_cast<std::size_t>(ipt[base]);
    hh[static_cast<std::size_t>(i)] = TriangleDistortion(x[p1], y[p1], x[p2], y[p2], x[p3], y[p3]);
  }
}

}  // namespace plotvane
