// The value look-up on tiny hand-made meshes with known answers. Every case is
// asked of both the fast look-up and the plain scan.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <thread>
#include <vector>

#include "support/SettingsTestSupport.h"
#include "tools/MeshLocator.h"
#include "tools/MeshValueAt.h"
#include "tools/ToolMeshes.h"
#include "tools/TriangleKernel.h"

namespace plotvane {
namespace {

using test::MakeToolMesh;
using test::ToolMesh;
using Kind = MeshValue::Kind;

// Both look-ups, checked to agree bit for bit; returns the answer.
MeshValue Both(const ToolMesh& t, float X, float Y, const DistortionLimit& limit = {}) {
  const MeshValue fast = MeshValueAt(t.mesh, t.range, limit, X, Y);
  const MeshValue linear = MeshValueAtLinear(t.mesh, t.range, limit, X, Y);
  EXPECT_EQ(fast.kind, linear.kind) << "at " << X << ", " << Y;
  EXPECT_EQ(std::bit_cast<std::uint32_t>(fast.z), std::bit_cast<std::uint32_t>(linear.z)) << "at " << X << ", " << Y;
  return fast;
}

// The clockwise triangle (0, 0), (0, 10), (10, 0) with Z 10, 20, 60.
ToolMesh WorkedTriangle() { return MakeToolMesh({{0, 0, 10}, {0, 10, 20}, {10, 0, 60}}, {{0, 1, 2}}); }

// Two squares' worth: the unit square 0..100 split along its rising diagonal
// into two clockwise triangles.
ToolMesh Square(double z00, double z01, double z10, double z11) {
  return MakeToolMesh({{0, 0, z00}, {0, 100, z01}, {100, 0, z10}, {100, 100, z11}}, {{0, 1, 2}, {2, 1, 3}});
}

TEST(TriangleKernel, WorkedCaseInterpolatesWithSAndTOneFifth) {
  const ToolMesh t = WorkedTriangle();
  const TriangleTest hit = TestTriangle(t.mesh, 1, 2.0, 2.0);
  ASSERT_EQ(hit.kind, TriangleTest::Kind::Hit);
  const double s = 0.2, tt = 0.2;
  EXPECT_EQ(hit.zn, static_cast<float>(10.0 + s * (20.0 - 10.0) + tt * (60.0 - 10.0)));
  const MeshValue v = Both(t, 2.0f, 2.0f);
  ASSERT_EQ(v.kind, Kind::Value);
  EXPECT_EQ(v.z, hit.zn);  // the default range maps Z 0..100 onto itself
}

TEST(TriangleKernel, CounterClockwiseTriangleContainsNothing) {
  const ToolMesh t = MakeToolMesh({{0, 0, 10}, {10, 0, 60}, {0, 10, 20}}, {{0, 1, 2}});
  for (const auto& [x, y] : {std::pair{2.0f, 2.0f}, {0.0f, 0.0f}, {5.0f, 5.0f}, {0.0f, 5.0f}, {3.0f, 0.0f}}) {
    EXPECT_EQ(Both(t, x, y).kind, Kind::Outside) << x << ", " << y;
  }
}

TEST(MeshValueAt, PointAtADataPointGivesItsZ) {
  // Data X 0..128 and Y 0..64 normalise exactly, so every vertex is hit exactly.
  const DataRange range{0, 128, 0, 64, -50, 150};
  std::vector<test::MeshVertex> vertices;
  std::vector<double> dataZ;
  for (int j = 0; j <= 4; ++j) {
    for (int i = 0; i <= 4; ++i) {
      dataZ.push_back(-50 + 7.25 * i + 31.5 * j + (i * j % 3));
      vertices.push_back({i * 25.0, j * 25.0, (dataZ.back() + 50) * 100 / 200});
    }
  }
  std::vector<std::array<int, 3>> triangles;
  for (int j = 0; j < 4; ++j) {
    for (int i = 0; i < 4; ++i) {
      const int p = j * 5 + i;
      triangles.push_back({p, p + 5, p + 1});
      triangles.push_back({p + 1, p + 5, p + 6});
    }
  }
  const ToolMesh t = MakeToolMesh(vertices, triangles, range);
  for (int j = 0; j <= 4; ++j) {
    for (int i = 0; i <= 4; ++i) {
      const MeshValue v = Both(t, static_cast<float>(i * 32), static_cast<float>(j * 16));
      ASSERT_EQ(v.kind, Kind::Value) << i << ", " << j;
      const double z = dataZ[static_cast<std::size_t>(j * 5 + i)];
      EXPECT_NEAR(v.z, z, 4 * std::numeric_limits<float>::epsilon() * 150) << i << ", " << j;
    }
  }
}

TEST(MeshValueAt, SharedEdgeIsAnsweredByTheLowerNumberedTriangle) {
  // Two triangles meeting along the diagonal, each with its own flat value, so
  // the answer on the diagonal shows which one was taken.
  const std::vector<test::MeshVertex> lower{{0, 0, 10}, {0, 100, 10}, {100, 0, 10}};
  const std::vector<test::MeshVertex> upper{{100, 0, 70}, {0, 100, 70}, {100, 100, 70}};
  std::vector<test::MeshVertex> vertices = lower;
  vertices.insert(vertices.end(), upper.begin(), upper.end());
  const ToolMesh lowerFirst = MakeToolMesh(vertices, {{0, 1, 2}, {3, 4, 5}});
  const ToolMesh upperFirst = MakeToolMesh(vertices, {{3, 4, 5}, {0, 1, 2}});
  for (const float x : {0.0f, 25.0f, 50.0f, 100.0f}) {
    EXPECT_EQ(Both(lowerFirst, x, 100 - x).z, 10.0f) << x;
    EXPECT_EQ(Both(upperFirst, x, 100 - x).z, 70.0f) << x;
  }
  EXPECT_EQ(Both(upperFirst, 20, 20).z, 10.0f);  // off the edge only one triangle answers
}

TEST(MeshValueAt, OuterBoundaryHasValuesAndJustOutsideHasNone) {
  const ToolMesh t = Square(0, 30, 60, 90);
  for (const float s : {0.0f, 0.001f, 37.5f, 99.99f, 100.0f}) {
    EXPECT_EQ(Both(t, 0, s).kind, Kind::Value) << s;
    EXPECT_EQ(Both(t, 100, s).kind, Kind::Value) << s;
    EXPECT_EQ(Both(t, s, 0).kind, Kind::Value) << s;
    EXPECT_EQ(Both(t, s, 100).kind, Kind::Value) << s;
    EXPECT_EQ(Both(t, -0.001f, s).kind, Kind::Outside) << s;
    EXPECT_EQ(Both(t, 100.001f, s).kind, Kind::Outside) << s;
    EXPECT_EQ(Both(t, s, -0.001f).kind, Kind::Outside) << s;
    EXPECT_EQ(Both(t, s, 100.001f).kind, Kind::Outside) << s;
  }
  // Away from the corners even the nearest float outside an edge has no value.
  const float below = std::nextafter(0.0f, -1.0f), above = std::nextafter(100.0f, 200.0f);
  for (const float s : {0.001f, 37.5f, 99.99f}) {
    EXPECT_EQ(Both(t, below, s).kind, Kind::Outside) << s;
    EXPECT_EQ(Both(t, above, s).kind, Kind::Outside) << s;
    EXPECT_EQ(Both(t, s, below).kind, Kind::Outside) << s;
    EXPECT_EQ(Both(t, s, above).kind, Kind::Outside) << s;
  }
}

TEST(MeshValueAt, PointsBeyondTheDataExtentsHaveNoValue) {
  ToolMesh t = Square(0, 30, 60, 90);
  t.range = {-20, 80, 1000, 3000, 0, 100};
  EXPECT_EQ(Both(t, -20, 1000).kind, Kind::Value);
  EXPECT_EQ(Both(t, 80, 3000).kind, Kind::Value);
  EXPECT_EQ(Both(t, -20.5f, 2000).kind, Kind::Outside);
  EXPECT_EQ(Both(t, 81, 2000).kind, Kind::Outside);
  EXPECT_EQ(Both(t, 0, 999).kind, Kind::Outside);
  EXPECT_EQ(Both(t, 0, 3001).kind, Kind::Outside);
}

struct LimitCase {
  const char* sq;
  double hh;
  bool admitted;
};

void PrintTo(const LimitCase& c, std::ostream* out) { *out << "sq=" << c.sq << ",hh=" << c.hh; }

class DistortionLimitCases : public testing::TestWithParam<LimitCase> {};

TEST_P(DistortionLimitCases, TriangleAnswersOnlyBelowTheLimit) {
  const LimitCase c = GetParam();
  ToolMesh t = Square(0, 30, 60, 90);
  t.mesh.hh = {0.0, c.hh, c.hh};
  const DistortionLimit limit = ReadDistortionLimit(test::WithLimit(c.sq));
  EXPECT_EQ(Both(t, 20, 20, limit).kind, c.admitted ? Kind::Value : Kind::Outside);
}

INSTANTIATE_TEST_SUITE_P(Sq, DistortionLimitCases,
                         testing::Values(LimitCase{"", 1.0, true}, LimitCase{"0.25", 0.25, false},
                                         LimitCase{"0.25", 0.2499, true}, LimitCase{"0.2500001", 0.25, true},
                                         LimitCase{"1", 1.0, false}, LimitCase{"1", 0.999, true},
                                         // 0.29999999999999 is below 0.3 in double but the same float: excluded.
                                         LimitCase{"0.3", 0.29999999999999, false}, LimitCase{"-1", 0.0, false},
                                         LimitCase{"1e300", 1.0, true}, LimitCase{"-1e300", 0.0, false},
                                         // Not a finite number: no limit, as the page draws it.
                                         LimitCase{"0.5abc", 0.6, true}, LimitCase{"abc", 0.0, true},
                                         LimitCase{"Inf", 1.0, true}, LimitCase{"none", 1.0, true},
                                         LimitCase{"1e999", 1.0, true}, LimitCase{"1e308", 1.0, true}));

TEST(MeshValueAt, NeighbourOfAnExcludedTriangleStillAnswers) {
  ToolMesh t = Square(0, 30, 60, 90);
  t.mesh.hh = {0.0, 0.7, 0.1};
  const DistortionLimit limit = ReadDistortionLimit(test::WithLimit("0.5"));
  EXPECT_EQ(Both(t, 20, 20, limit).kind, Kind::Outside);
  EXPECT_EQ(Both(t, 80, 80, limit).kind, Kind::Value);
  // On the shared edge the second triangle answers in place of the first.
  const MeshValue edge = Both(t, 50, 50, limit);
  ASSERT_EQ(edge.kind, Kind::Value);
  const TriangleTest second = TestTriangle(t.mesh, 2, 50, 50);
  EXPECT_EQ(edge.z, second.zn);
}

TEST(MeshValueAt, DegenerateTriangleAnswersAlongItsWholeLine) {
  // Float-collinear vertices: the test accepts every point of their line.
  const std::vector<test::MeshVertex> vertices{{10, 10, 5}, {20, 20, 5},  {30, 30, 5},
                                               {0, 0, 50},  {0, 100, 50}, {100, 0, 50}};
  const ToolMesh degenerateFirst = MakeToolMesh(vertices, {{0, 1, 2}, {3, 4, 5}});
  const ToolMesh valueFirst = MakeToolMesh(vertices, {{3, 4, 5}, {0, 1, 2}});
  for (const float p : {20.0f, 10.0f, 45.0f, 80.0f, -500.0f}) {
    const bool onMesh = p >= 0 && p <= 50;  // -500 and 80: on the line, far from the segment
    EXPECT_EQ(Both(degenerateFirst, p, p).kind, Kind::Degenerate) << p;
    EXPECT_EQ(Both(valueFirst, p, p).kind, onMesh ? Kind::Value : Kind::Degenerate) << p;
  }
  EXPECT_EQ(Both(degenerateFirst, 80, 80.001f).kind, Kind::Outside);
  EXPECT_EQ(Both(degenerateFirst, 20, 20.001f).kind, Kind::Value);
}

TEST(MeshValueAt, MeshNotBelongingToTheDataGivesNoValue) {
  ToolMesh t = Square(0, 30, 60, 90);
  ToolMesh flatX = t;
  flatX.range.xMax = flatX.range.xMin;
  ToolMesh flatY = t;
  flatY.range.yMin = flatY.range.yMax;
  ToolMesh noTriangles = t;
  noTriangles.mesh.clearTriangles();
  for (const ToolMesh* m : {&flatX, &flatY, &noTriangles}) EXPECT_EQ(Both(*m, 20, 20).kind, Kind::Outside);

  ToolMesh staleLocator = t;
  LocatorOf(staleLocator.mesh);
  staleLocator.mesh.nt = 1;  // changed without a reset: the index still describes two triangles
  EXPECT_EQ(MeshValueAt(staleLocator.mesh, staleLocator.range, {}, 20, 20).kind, Kind::Outside);
  EXPECT_EQ(MeshValueAt(t.mesh, t.range, {}, 20, 20).kind, Kind::Value);
}

TEST(MeshValueAt, FirstLookUpBuildsTheIndexThatCopiesShareAndClearingForgets) {
  ToolMesh t = Square(0, 30, 60, 90);
  EXPECT_FALSE(t.mesh.locator.built());
  // Two threads asking at once: one builds, both answer.
  std::vector<std::thread> askers;
  for (int k = 0; k < 2; ++k)
    askers.emplace_back([&] { EXPECT_EQ(MeshValueAt(t.mesh, t.range, {}, 20, 20).kind, Kind::Value); });
  for (std::thread& a : askers) a.join();
  ASSERT_TRUE(t.mesh.locator.built());

  const ToolMesh copy = t;
  EXPECT_EQ(&LocatorOf(copy.mesh), &LocatorOf(t.mesh));
  t.mesh.clearTriangles();
  EXPECT_FALSE(t.mesh.locator.built());
  EXPECT_EQ(MeshValueAt(t.mesh, t.range, {}, 20, 20).kind, Kind::Outside);
  EXPECT_EQ(MeshValueAt(copy.mesh, copy.range, {}, 20, 20).kind, Kind::Value);
}

TEST(MeshValueAt, ValueBeyondSinglePrecisionIsNoValue) {
  ToolMesh t = Square(0, 30, 60, 100);
  t.range.zMin = 0;
  t.range.zMax = 1e300;
  EXPECT_EQ(Both(t, 0, 0).kind, Kind::Value);  // Z = 0 still fits
  EXPECT_EQ(Both(t, 80, 80).kind, Kind::Outside);
}

TEST(MeshValueAt, PointThatIsNotANumberIsOutside) {
  const ToolMesh t = Square(0, 30, 60, 90);
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  for (const auto& [x, y] : {std::pair{nan, 20.0f}, {20.0f, nan}, {inf, 20.0f}, {-inf, -inf}, {20.0f, inf}}) {
    EXPECT_EQ(Both(t, x, y).kind, Kind::Outside) << x << ", " << y;
  }
}

TEST(MeshValueAt, DocumentFormReadsTheLimitFromTheSettings) {
  Document d;
  ToolMesh t = Square(0, 30, 60, 90);
  t.mesh.hh = {0.0, 0.5, 0.5};
  d.mesh = t.mesh;
  d.range = t.range;
  EXPECT_EQ(MeshValueAt(d, 20, 20).kind, Kind::Value);
  d.settings.sq = "0.5";
  EXPECT_EQ(MeshValueAt(d, 20, 20).kind, Kind::Outside);
}

}  // namespace
}  // namespace plotvane
