// The spatial index against the plain scan: on seeded meshes of every kind the
// fast look-up must answer exactly as the scan, and the index must offer every
// triangle whose test accepts a point.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <functional>
#include <random>
#include <string>

#include "support/SettingsTestSupport.h"
#include "tools/MeshLocator.h"
#include "tools/MeshValueAt.h"
#include "tools/QueryPoints.h"
#include "tools/ToolMeshes.h"
#include "tools/TriangleKernel.h"

namespace plotvane {
namespace {

using test::ToolMesh;

struct MeshCase {
  std::string name;
  std::function<ToolMesh()> make;
};

std::vector<MeshCase> Cases() {
  std::vector<MeshCase> cases;
  for (const int n : {2, 3, 17, 40}) {
    for (const std::uint32_t seed : {1u, 2u}) {
      cases.push_back(
          {"Lattice" + std::to_string(n) + "Seed" + std::to_string(seed), [=] { return test::LatticeMesh(n, seed); }});
    }
  }
  for (const std::uint32_t seed : {6u, 7u}) {
    const std::string tail = "Seed" + std::to_string(seed);
    cases.push_back({"DelaunayUniform" + tail, [=] { return test::DelaunayMesh(test::UniformPoints(2000, seed)); }});
    cases.push_back({"DelaunayLattice" + tail, [=] { return test::DelaunayMesh(test::LatticePoints(37, 23, seed)); }});
    cases.push_back(
        {"DelaunayClustered" + tail, [=] { return test::DelaunayMesh(test::ClusteredPoints(2000, 4, seed)); }});
    cases.push_back({"DelaunayNearCollinear" + tail,
                     [=] { return test::DelaunayMesh(test::NearCollinearPoints(400, 1e-6, seed)); }});
  }
  for (const int count : {1, 40, 400}) {
    for (const std::uint32_t seed : {3u, 4u, 5u}) {
      cases.push_back({"Slivers" + std::to_string(count) + "Seed" + std::to_string(seed),
                       [=] { return test::SliverSoup(count, seed); }});
    }
  }
  return cases;
}

void PrintTo(const MeshCase& c, std::ostream* out) { *out << c.name; }

class LocatorOnMeshes : public testing::TestWithParam<MeshCase> {};

TEST_P(LocatorOnMeshes, FastLookUpEqualsPlainScanBitForBit) {
  const ToolMesh t = GetParam().make();
  ASSERT_GT(t.mesh.nt, 0);
  const auto points = test::QueryPointsFor(t, 600, 99);
  int values = 0;
  for (const char* sq : {"", "0.5", "0.9"}) {
    const DistortionLimit limit = ReadDistortionLimit(test::WithLimit(sq));
    for (const test::QueryPoint& q : points) {
      const MeshValue fast = MeshValueAt(t.mesh, t.range, limit, q.x, q.y);
      const MeshValue linear = MeshValueAtLinear(t.mesh, t.range, limit, q.x, q.y);
      ASSERT_EQ(fast.kind, linear.kind) << "sq " << sq << " at " << q.x << ", " << q.y;
      ASSERT_EQ(std::bit_cast<std::uint32_t>(fast.z), std::bit_cast<std::uint32_t>(linear.z))
          << "sq " << sq << " at " << q.x << ", " << q.y;
      values += fast.hasValue();
    }
  }
  EXPECT_GT(values, 0) << "the query points never hit the mesh";
}

TEST_P(LocatorOnMeshes, OffersEveryAcceptingTriangleInAscendingOrder) {
  const ToolMesh t = GetParam().make();
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> far(-40.0, 40.0);
  std::vector<std::pair<double, double>> points;
  const DataRange& r = t.range;
  for (const test::QueryPoint& q : test::QueryPointsFor(t, 300, 11)) {
    points.emplace_back((q.x - r.xMin) / (r.xMax - r.xMin) * 100.0, (q.y - r.yMin) / (r.yMax - r.yMin) * 100.0);
  }
  // Points on the lines through edges, in double, far beyond the vertices.
  std::uniform_int_distribution<TriangleIndex> anyTriangle(1, t.mesh.nt);
  for (int k = 0; k < 400; ++k) {
    const TriangleEdges e = GatherTriangleEdges(t.mesh, anyTriangle(rng));
    const double s = far(rng);
    points.emplace_back(e.x0 + s * e.e1x, e.y0 + s * e.e1y);
    points.emplace_back(e.x2 + s * e.e3x, e.y2 + s * e.e3y);
  }
  for (const auto& [xn, yn] : points) {
    std::vector<TriangleIndex> offered;
    LocatorOf(t.mesh).forEachCandidate(xn, yn, [&](TriangleIndex i) {
      offered.push_back(i);
      return false;
    });
    ASSERT_TRUE(std::adjacent_find(offered.begin(), offered.end(), std::greater_equal<>()) == offered.end())
        << "not strictly ascending at " << xn << ", " << yn;
    for (TriangleIndex i = 1; i <= t.mesh.nt; ++i) {
      if (TestTriangle(t.mesh, i, xn, yn).kind == TriangleTest::Kind::Miss) continue;
      ASSERT_TRUE(std::binary_search(offered.begin(), offered.end(), i))
          << "triangle " << i << " accepts " << xn << ", " << yn << " but is not offered";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Meshes, LocatorOnMeshes, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<MeshCase>& param) { return param.param.name; });

TEST(MeshLocator, WellShapedTrianglesAreGriddedCompactly) {
  const ToolMesh t = test::LatticeMesh(100, 1);
  const MeshLocator& index = LocatorOf(t.mesh);
  EXPECT_EQ(index.triangleCount(), t.mesh.nt);
  EXPECT_EQ(index.alwaysCount(), 0u);
  EXPECT_LE(index.entryCount(), 8u * static_cast<std::size_t>(t.mesh.nt));
  EXPECT_GE(index.cellCount(), static_cast<std::size_t>(t.mesh.nt) / 4);
}

TEST(MeshLocator, CollinearAndUnboundedTrianglesAreAlwaysOffered) {
  // A float-collinear triangle, then a needle so thin that its rounded edge
  // directions no longer turn one way, then an ordinary triangle.
  const ToolMesh t = test::MakeToolMesh({{10, 10, 0},
                                         {20, 20, 0},
                                         {30, 30, 0},
                                         {0, 50, 0},
                                         {100, 50.000001, 0},
                                         {50, 50.0000005, 0},
                                         {60, 0, 0},
                                         {60, 10, 0},
                                         {70, 0, 0}},
                                        {{0, 1, 2}, {3, 4, 5}, {6, 7, 8}});
  std::vector<TriangleIndex> offered;
  LocatorOf(t.mesh).forEachCandidate(-1000.0, 1000.0, [&](TriangleIndex i) {
    offered.push_back(i);
    return false;
  });
  EXPECT_EQ(offered, (std::vector<TriangleIndex>{1, 2}));
}

}  // namespace
}  // namespace plotvane
