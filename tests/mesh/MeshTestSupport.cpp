#include "mesh/MeshTestSupport.h"

#include <algorithm>

namespace plotvane::test {
namespace {

std::vector<double> NormaliseAxis(const std::vector<double>& v) {
  const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
  std::vector<double> out{0.0};
  for (double d : v) out.push_back((d - *lo) * 100.0 / (*hi - *lo));
  return out;
}

}  // namespace

void Normalise(const Points& points, std::vector<double>& x, std::vector<double>& y, std::vector<double>& z) {
  x = NormaliseAxis(points.x);
  y = NormaliseAxis(points.y);
  z = NormaliseAxis(points.z);
}

MeshRun RunTriangulate(const Points& points, const BuildMeshFunction& build) {
  MeshRun run;
  Normalise(points, run.x, run.y, run.z);
  run.outcome = Triangulate(points.size(), run.x, run.y, run.z, run.nt, run.ipt, run.errMsg, NullProgress(), build);
  return run;
}

}  // namespace plotvane::test
