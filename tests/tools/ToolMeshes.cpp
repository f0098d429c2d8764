#include "tools/ToolMeshes.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

#include "mesh/Distortion.h"
#include "mesh/Triangulate.h"

namespace plotvane::test {
namespace {

// Twice the signed area; negative for clockwise with Y upward.
double Orientation(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c) {
  return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

float FloatSteps(float v, int steps) {
  for (int k = 0; k < std::abs(steps); ++k) v = std::nextafter(v, steps > 0 ? INFINITY : -INFINITY);
  return v;
}

}  // namespace

ToolMesh MakeToolMesh(const std::vector<MeshVertex>& vertices, const std::vector<std::array<int, 3>>& triangles,
                      const DataRange& range) {
  ToolMesh t;
  t.range = range;
  for (const MeshVertex& v : vertices) {
    t.mesh.meshX.push_back(v.x);
    t.mesh.meshY.push_back(v.y);
    t.mesh.meshZ.push_back(v.z);
  }
  for (const auto& tri : triangles) {
    for (int v : tri) t.mesh.ipt.push_back(v + 1);
    t.mesh.hh.push_back(0.0);
  }
  t.mesh.nt = static_cast<TriangleIndex>(triangles.size());
  return t;
}

ToolMesh LatticeMesh(int n, std::uint32_t seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<MeshVertex> vertices;
  const double step = 100.0 / (n - 1);
  for (int j = 0; j < n; ++j) {
    for (int i = 0; i < n; ++i) vertices.push_back({i * step, j * step, 100.0 * unit(rng)});
  }
  std::vector<std::array<int, 3>> triangles;
  for (int j = 0; j + 1 < n; ++j) {
    for (int i = 0; i + 1 < n; ++i) {
      const int p00 = j * n + i, p10 = p00 + 1, p01 = p00 + n, p11 = p01 + 1;
      if (rng() % 2) {
        triangles.push_back({p00, p01, p10});
        triangles.push_back({p10, p01, p11});
      } else {
        triangles.push_back({p00, p01, p11});
        triangles.push_back({p00, p11, p10});
      }
    }
  }
  for (auto& tri : triangles) std::rotate(tri.begin(), tri.begin() + rng() % 3, tri.end());
  std::shuffle(triangles.begin(), triangles.end(), rng);
  ToolMesh t = MakeToolMesh(vertices, triangles);
  for (std::size_t k = 1; k < t.mesh.hh.size(); ++k) t.mesh.hh[k] = unit(rng);
  return t;
}

ToolMesh SliverSoup(int count, std::uint32_t seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> coord(0.0, 100.0);
  std::uniform_real_distribution<double> along(-0.5, 1.5);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<MeshVertex> vertices;
  std::vector<std::array<int, 3>> triangles;
  for (int k = 0; k < count; ++k) {
    const MeshVertex a{coord(rng), coord(rng), coord(rng)};
    const MeshVertex b{coord(rng), coord(rng), coord(rng)};
    const double s = along(rng);
    // The third vertex on the line ab (after rounding to float: a few steps off).
    float cx = static_cast<float>(a.x + s * (b.x - a.x));
    float cy = static_cast<float>(a.y + s * (b.y - a.y));
    switch (rng() % 4) {
      case 0:  // on the line as far as float allows; often exactly collinear
        break;
      case 1:  // a few float steps off
        cx = FloatSteps(cx, static_cast<int>(rng() % 7) - 3);
        cy = FloatSteps(cy, static_cast<int>(rng() % 7) - 3);
        break;
      case 2:  // a thin needle
        cx += static_cast<float>(1e-4 * (unit(rng) - 0.5));
        break;
      default:  // exactly collinear on an axis-parallel line
        cy = static_cast<float>(a.y);
        vertices.push_back({b.x, a.y, b.z});
        vertices.push_back(a);
        vertices.push_back({cx, cy, coord(rng)});
        triangles.push_back({static_cast<int>(vertices.size()) - 3, static_cast<int>(vertices.size()) - 2,
                             static_cast<int>(vertices.size()) - 1});
        continue;
    }
    const MeshVertex c{cx, cy, coord(rng)};
    vertices.push_back(a);
    vertices.push_back(b);
    vertices.push_back(c);
    const int base = static_cast<int>(vertices.size()) - 3;
    // Mostly clockwise, as the program stores triangles; some the other way.
    const bool clockwise = Orientation(a, b, c) < 0;
    const bool keep = (rng() % 5 == 0) ? !clockwise : clockwise;
    triangles.push_back(keep ? std::array{base, base + 1, base + 2} : std::array{base, base + 2, base + 1});
  }
  ToolMesh t = MakeToolMesh(vertices, triangles);
  for (std::size_t k = 1; k < t.mesh.hh.size(); ++k) t.mesh.hh[k] = unit(rng);
  return t;
}

ToolMesh DelaunayMesh(const Points& points) {
  ToolMesh t;
  const auto [xMin, xMax] = std::minmax_element(points.x.begin(), points.x.end());
  const auto [yMin, yMax] = std::minmax_element(points.y.begin(), points.y.end());
  const auto [zMin, zMax] = std::minmax_element(points.z.begin(), points.z.end());
  t.range = {*xMin, *xMax, *yMin, *yMax, *zMin, *zMax};
  Mesh& m = t.mesh;
  for (int i = 0; i < points.size(); ++i) {
    m.meshX.push_back((points.x[i] - *xMin) * 100 / (*xMax - *xMin));
    m.meshY.push_back((points.y[i] - *yMin) * 100 / (*yMax - *yMin));
    m.meshZ.push_back((points.z[i] - *zMin) * 100 / (*zMax - *zMin));
  }
  std::string errMsg;
  const TriangulateOutcome outcome =
      Triangulate(points.size(), m.meshX, m.meshY, m.meshZ, m.nt, m.ipt, errMsg, NullProgress());
  if (outcome != TriangulateOutcome::Meshed) m.nt = 0;
  TriangleDistortions(m.meshX, m.meshY, m.nt, m.ipt, m.hh);
  return t;
}

}  // namespace plotvane::test
