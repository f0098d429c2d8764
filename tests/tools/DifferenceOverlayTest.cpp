// The difference overlay against independent slow computations: its area is
// that of the slow overlay of every pair of triangles, its triangles meet
// edge to edge (an edge without a partner lies on the border of one of the
// surfaces), and the
// difference interpolated on it is S - R found by scanning both meshes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <random>

#include "support/SettingsTestSupport.h"
#include "tools/DifferenceOverlay.h"
#include "tools/SlowVolume.h"
#include "tools/ToolMeshes.h"

namespace plotvane {
namespace {

struct P {
  double x, y;
};

double Cross(P o, P a, P b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

P Corner(const test::ToolMesh& t, std::int32_t i) {
  const auto k = static_cast<std::size_t>(i);
  const DataRange& r = t.range;
  return {(r.xMax - r.xMin) * t.mesh.meshX[k] / 100 + r.xMin, (r.yMax - r.yMin) * t.mesh.meshY[k] / 100 + r.yMin};
}

// The edges of the mesh that only one triangle has: the border of its surface.
std::vector<std::pair<P, P>> Border(const test::ToolMesh& t) {
  std::map<std::pair<std::int32_t, std::int32_t>, int> count;
  for (TriangleIndex k = 1; k <= t.mesh.nt; ++k) {
    for (int e = 0; e < 3; ++e) {
      const std::int32_t a = t.mesh.ipt[3 * k - 2 + e], b = t.mesh.ipt[3 * k - 2 + (e + 1) % 3];
      ++count[{std::min(a, b), std::max(a, b)}];
    }
  }
  std::vector<std::pair<P, P>> border;
  for (const auto& [edge, n] : count) {
    if (n == 1) border.emplace_back(Corner(t, edge.first), Corner(t, edge.second));
  }
  return border;
}

// Whether p lies on the segment c0-c1, to within a micrometre.
bool OnSegment(P p, P c0, P c1) {
  const double length = std::hypot(c1.x - c0.x, c1.y - c0.y);
  const double along = ((p.x - c0.x) * (c1.x - c0.x) + (p.y - c0.y) * (c1.y - c0.y)) / length;
  return std::fabs(Cross(c0, c1, p)) / length < 1e-6 && along > -1e-6 && along < length + 1e-6;
}

// The value at q of the triangle (a, b, c) with values (za, zb, zc), or none
// when q is not in it.
std::optional<double> Barycentric(P q, P a, P b, P c, double za, double zb, double zc) {
  const double det = Cross(a, b, c);
  if (det == 0) return std::nullopt;
  const double wa = Cross(q, b, c) / det, wb = Cross(a, q, c) / det, wc = 1 - wa - wb;
  if (wa < -1e-12 || wb < -1e-12 || wc < -1e-12) return std::nullopt;
  return wa * za + wb * zb + wc * zc;
}

// The surface's value at q, scanning every triangle, in data units.
std::optional<double> SlowValue(const test::ToolMesh& t, P q) {
  const Mesh& m = t.mesh;
  const DataRange& r = t.range;
  const auto z = [&](std::int32_t i) {
    return r.zMin + (r.zMax - r.zMin) * m.meshZ[static_cast<std::size_t>(i)] / 100;
  };
  for (TriangleIndex k = 1; k <= m.nt; ++k) {
    const std::int32_t a = m.ipt[3 * k - 2], b = m.ipt[3 * k - 1], c = m.ipt[3 * k];
    if (const auto v = Barycentric(q, Corner(t, a), Corner(t, b), Corner(t, c), z(a), z(b), z(c))) return v;
  }
  return std::nullopt;
}

TEST(DifferenceOverlay, CoversTheCommonHullEdgeToEdgeWithTheDifferenceOfTheSurfaces) {
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    test::Points a = test::UniformPoints(150, seed), b = test::UniformPoints(150, seed + 100);
    for (double& x : b.x) x += 300;
    const test::ToolMesh s = test::DelaunayMesh(a), r = test::DelaunayMesh(b);
    const DistortionLimit none = ReadDistortionLimit(test::WithLimit(""));
    const DifferenceOverlay o = OverlayDifference({&s.mesh, s.range, none}, {&r.mesh, r.range, none}, 0, 0);
    std::vector<std::pair<P, P>> borders = Border(s);
    for (const auto& edge : Border(r)) borders.push_back(edge);
    const double common = test::SlowVolume(s, &r, 0, "").area;
    const auto corner = [&](std::int32_t i) {
      return P{o.x[static_cast<std::size_t>(i)], o.y[static_cast<std::size_t>(i)]};
    };

    double area = 0;
    std::map<std::pair<std::int32_t, std::int32_t>, int> edges;
    for (std::size_t k = 0; k < o.corners.size(); k += 3) {
      const double twice = Cross(corner(o.corners[k]), corner(o.corners[k + 1]), corner(o.corners[k + 2]));
      EXPECT_GT(twice, 0) << "seed " << seed << ": triangle " << k / 3 << " is not counter-clockwise";
      area += twice / 2;
      for (int e = 0; e < 3; ++e) ++edges[{o.corners[k + e], o.corners[k + (e + 1) % 3]}];
    }
    EXPECT_NEAR(area, common, 1e-9 * common) << "seed " << seed;
    for (const auto& [edge, count] : edges) {
      EXPECT_EQ(count, 1) << "seed " << seed << ": an edge twice in one direction";
      if (edges.count({edge.second, edge.first})) continue;
      // Without a partner: on the border of one of the surfaces.
      const P p = corner(edge.first), q = corner(edge.second);
      bool onBorder = false;
      for (const auto& [c0, c1] : borders) onBorder = onBorder || (OnSegment(p, c0, c1) && OnSegment(q, c0, c1));
      EXPECT_TRUE(onBorder) << "seed " << seed << ": an inner edge without a neighbour at (" << p.x << ", " << p.y
                            << ")-(" << q.x << ", " << q.y << ")";
    }

    std::mt19937 random(seed);
    std::uniform_real_distribution<double> along(0, 1300);
    int found = 0;
    for (int n = 0; n < 300; ++n) {
      const P q{along(random), along(random) * 1000 / 1300};
      const auto sv = SlowValue(s, q), rv = SlowValue(r, q);
      std::optional<double> d;
      for (std::size_t k = 0; k < o.corners.size() && !d; k += 3) {
        const std::int32_t i = o.corners[k], j = o.corners[k + 1], l = o.corners[k + 2];
        d = Barycentric(q, corner(i), corner(j), corner(l), o.d[static_cast<std::size_t>(i)],
                        o.d[static_cast<std::size_t>(j)], o.d[static_cast<std::size_t>(l)]);
      }
      ASSERT_EQ(d.has_value(), sv && rv) << "seed " << seed << " at (" << q.x << ", " << q.y << ")";
      if (!d) continue;
      EXPECT_NEAR(*d, *sv - *rv, 1e-9 * (s.range.zMax - s.range.zMin)) << "seed " << seed;
      ++found;
    }
    EXPECT_GT(found, 50);
  }
}

}  // namespace
}  // namespace plotvane
