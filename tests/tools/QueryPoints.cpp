#include "tools/QueryPoints.h"

#include <cmath>
#include <random>

namespace plotvane::test {
namespace {

float Steps(float v, int steps) {
  for (int k = 0; k < std::abs(steps); ++k) v = std::nextafter(v, steps > 0 ? INFINITY : -INFINITY);
  return v;
}

}  // namespace

std::vector<QueryPoint> QueryPointsFor(const ToolMesh& t, int count, std::uint32_t seed) {
  const Mesh& mesh = t.mesh;
  const DataRange& r = t.range;
  // Mesh coordinates back to data units, as the look-up's callers would hold them.
  auto toData = [&](double xn, double yn) {
    return QueryPoint{static_cast<float>(r.xMin + (r.xMax - r.xMin) * xn / 100),
                      static_cast<float>(r.yMin + (r.yMax - r.yMin) * yn / 100)};
  };
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> around(-5.0, 105.0);
  std::uniform_real_distribution<double> far(-30.0, 30.0);
  std::uniform_int_distribution<int> step(-2, 2);
  std::uniform_int_distribution<TriangleIndex> triangle(1, std::max(mesh.nt, 1));
  std::vector<QueryPoint> points;
  for (int k = 0; k < count; ++k) points.push_back(toData(around(rng), around(rng)));
  if (mesh.nt == 0) return points;
  for (int k = 0; k < count; ++k) {
    const TriangleIndex i = triangle(rng);
    const std::size_t a = mesh.ipt[3 * i - 2 + rng() % 3], b = mesh.ipt[3 * i - 2 + rng() % 3];
    const double ax = mesh.meshX[a], ay = mesh.meshY[a], bx = mesh.meshX[b], by = mesh.meshY[b];
    const QueryPoint vertex = toData(ax, ay);
    points.push_back(vertex);
    points.push_back({Steps(vertex.x, step(rng)), Steps(vertex.y, step(rng))});
    points.push_back(toData((ax + bx) / 2, (ay + by) / 2));
    const double s = far(rng);
    points.push_back(toData(ax + s * (bx - ax), ay + s * (by - ay)));
  }
  return points;
}

}  // namespace plotvane::test
