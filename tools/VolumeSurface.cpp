// The surface of a volume computation: see VolumeSurface.h.

#include "tools/VolumeSurface.h"

#include <algorithm>
#include <cmath>

namespace plotvane {
namespace {

double TwiceSignedArea(const PlanTriangle& t) {
  return (t.x[1] - t.x[0]) * (t.y[2] - t.y[0]) - (t.y[1] - t.y[0]) * (t.x[2] - t.x[0]);
}

// Turns the triangle counter-clockwise (the mesh stores its triangles
// clockwise; the clipping wants them the other way round) and fills its box
// and plane; false when it has no area.
bool CompletePlane(PlanTriangle& t) {
  if (TwiceSignedArea(t) < 0) {
    std::swap(t.x[1], t.x[2]);
    std::swap(t.y[1], t.y[2]);
    std::swap(t.z[1], t.z[2]);
  }
  const double e1x = t.x[1] - t.x[0], e1y = t.y[1] - t.y[0];
  const double e2x = t.x[2] - t.x[0], e2y = t.y[2] - t.y[0];
  const double det = e1x * e2y - e1y * e2x;
  if (!(det > 0) || !std::isfinite(det)) return false;
  const double dz1 = t.z[1] - t.z[0], dz2 = t.z[2] - t.z[0];
  t.a = (dz1 * e2y - dz2 * e1y) / det;
  t.b = (dz2 * e1x - dz1 * e2x) / det;
  t.xMin = std::min({t.x[0], t.x[1], t.x[2]});
  t.xMax = std::max({t.x[0], t.x[1], t.x[2]});
  t.yMin = std::min({t.y[0], t.y[1], t.y[2]});
  t.yMax = std::max({t.y[0], t.y[1], t.y[2]});
  return std::isfinite(t.a) && std::isfinite(t.b);
}

}  // namespace

VolumeSurface VolumeSurfaceOf(const Document& document) {
  return {&document.mesh, document.range, ReadDistortionLimit(document.settings)};
}

std::vector<PlanTriangle> PlanTriangles(const VolumeSurface& surface, double originX, double originY) {
  const Mesh& mesh = *surface.mesh;
  const DataRange& r = surface.range;
  std::vector<PlanTriangle> triangles;
  triangles.reserve(static_cast<std::size_t>(std::max(mesh.nt, 0)));
  for (TriangleIndex i = 1; i <= mesh.nt; ++i) {
    if (!surface.limit.admits(mesh.hh[i])) continue;
    PlanTriangle t{};
    for (int k = 0; k < 3; ++k) {
      const std::int32_t v = mesh.ipt[3 * static_cast<std::size_t>(i) - 2 + k];
      // The order of operations of the page's mapping and of the look-up.
      t.x[k] = MeshSpanX(r) * mesh.meshX[v] / 100 + r.xMin - originX;
      t.y[k] = MeshSpanY(r) * mesh.meshY[v] / 100 + r.yMin - originY;
      t.z[k] = r.zMin + (r.zMax - r.zMin) * mesh.meshZ[v] / 100.0;
    }
    if (CompletePlane(t)) triangles.push_back(t);
  }
  return triangles;
}

double ValueScale(const VolumeSurface& surface) {
  return std::max(std::fabs(surface.range.zMin), std::fabs(surface.range.zMax));
}

}  // namespace plotvane
