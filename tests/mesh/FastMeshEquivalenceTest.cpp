// The fast triangulation against the literal one, bit for bit: the same
// outcome, the same point order after the sort, the same triangles in the same
// slots with the same vertex order. Also the pieces that replace quadratic
// steps (iterative sort, duplicate check, shared-edge deletion) against theirs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <set>

#include "mesh/MeshSteps.h"
#include "mesh/MeshTestSupport.h"
#include "mesh/SortPoints.h"
#include "oracle/LiteralMesh.h"

namespace plotvane {
namespace {

using test::Points;

// The points a mesh uses and whether its triangles form one disc: no edge
// twice in one direction and nt = 2 v - b - 2, v the points used and b the
// edges without a neighbour.
struct DiscCount {
  int used = 0;
  bool oneDisc = false;
};

DiscCount CountDisc(const test::MeshRun& run) {
  std::map<std::pair<int, int>, int> directed;
  std::set<int> used;
  bool twice = false;
  for (TriangleIndex k = 1; k <= run.nt; ++k) {
    const int v[3] = {run.ipt[3 * k - 2], run.ipt[3 * k - 1], run.ipt[3 * k]};
    for (int c = 0; c < 3; ++c) {
      used.insert(v[c]);
      twice = twice || ++directed[{v[c], v[(c + 1) % 3]}] == 2;
    }
  }
  int rim = 0;
  for (const auto& entry : directed) rim += directed.count({entry.first.second, entry.first.first}) == 0;
  const int v = static_cast<int>(used.size());
  return {v, !twice && run.nt == 2 * v - rim - 2};
}

void ExpectSameMesh(const Points& points, const std::string& what) {
  SCOPED_TRACE(what);
  const auto fast = test::RunTriangulate(points);
  const auto literal = test::RunTriangulate(points, oracle::BuildMeshLiteral);
  // Where the super-triangle's corners took ground of the hull with them and
  // left the literal mesh in pieces, the fast one is the whole hull's: one
  // disc of every point.
  if (literal.outcome == TriangulateOutcome::Meshed && !CountDisc(literal).oneDisc) {
    const DiscCount whole = CountDisc(fast);
    EXPECT_TRUE(whole.oneDisc);
    EXPECT_EQ(whole.used, points.size());
    return;
  }
  ASSERT_EQ(fast.outcome, literal.outcome);
  ASSERT_EQ(fast.errMsg, literal.errMsg);
  ASSERT_EQ(fast.x, literal.x);
  ASSERT_EQ(fast.y, literal.y);
  ASSERT_EQ(fast.nt, literal.nt);
  if (fast.outcome == TriangulateOutcome::Meshed) {
    ASSERT_EQ(fast.ipt, literal.ipt);
  }
}

struct Family {
  const char* name;
  Points (*make)(std::uint32_t seed);
};

Points Uniform300(std::uint32_t s) { return test::UniformPoints(300, s); }
Points Uniform2500(std::uint32_t s) { return test::UniformPoints(2500, s); }
Points Lattice(std::uint32_t s) {
  return test::LatticePoints(20 + static_cast<int>(s % 7), 15 + static_cast<int>(s % 5), s);
}
Points Clustered(std::uint32_t s) { return test::ClusteredPoints(1500, 6, s); }
Points NearLine(std::uint32_t s) { return test::NearCollinearPoints(400, 1e-3 * (1 + s % 4), s); }
Points NearlyExactLine(std::uint32_t s) { return test::NearCollinearPoints(60, 1e-9, s); }
Points Coarse(std::uint32_t s) { return test::CoarsePoints(1200, 25.0, s); }  // equal X; duplicates likely
Points CoarseDistinct(std::uint32_t s) {
  Points raw = test::CoarsePoints(900, 10.0, s);
  Points p;
  std::vector<std::pair<double, double>> seen;
  for (int i = 0; i < raw.size(); ++i) {
    const std::pair<double, double> key{raw.x[i], raw.y[i]};
    if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
    seen.push_back(key);
    p.add(raw.x[i], raw.y[i], raw.z[i]);
  }
  return p;
}
// Points close together on a row that is level within the circle tolerance:
// some new triangles have three level corners and keep the circle their slot
// held, so the circles left in emptied slots matter.
Points LevelRow(std::uint32_t s) {
  std::mt19937 rng(s);
  std::uniform_real_distribution<double> along(0.0, 0.005);
  std::uniform_real_distribution<double> jitter(-4e-7, 4e-7);
  Points p;
  p.add(0, 0, 0);
  p.add(100, 100, 1);
  for (int k = 0; k < 300; ++k) p.add(1 + 0.01 * k + along(rng), 50 + jitter(rng), k);
  return p;
}

class FastMeshEquivalence : public ::testing::TestWithParam<Family> {};

TEST_P(FastMeshEquivalence, MatchesTheLiteralMethodForManySeeds) {
  const Family& family = GetParam();
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    ExpectSameMesh(family.make(seed), std::string(family.name) + " seed " + std::to_string(seed));
  }
}

INSTANTIATE_TEST_SUITE_P(PointFamilies, FastMeshEquivalence,
                         ::testing::Values(Family{"uniform300", Uniform300}, Family{"uniform2500", Uniform2500},
                                           Family{"lattice", Lattice}, Family{"clustered", Clustered},
                                           Family{"near-line", NearLine}, Family{"nearly-exact-line", NearlyExactLine},
                                           Family{"coarse", Coarse}, Family{"coarse-distinct", CoarseDistinct},
                                           Family{"level-row", LevelRow}),
                         [](const auto& param) {
                           std::string n = param.param.name;
                           std::replace(n.begin(), n.end(), '-', '_');
                           return n;
                         });

// Rings whose cavities are not all star-shaped on the way, but whose
// overlaps a later point clears away (a centre, or points across the
// inside): the run ends sound and is kept as it is.
TEST(FastMeshEquivalence, RingsThatEndSound) {
  Points ring40;
  for (int k = 0; k < 40; ++k) {
    const double a = k * 2.0 * 3.14159265358979 / 40.0;
    ring40.add(std::cos(a), std::sin(a), k);
  }
  ring40.add(0, 0, 99);
  ExpectSameMesh(ring40, "ring of 40 with centre");
  for (const int n : {12, 24, 100}) {
    Points p = test::RingPoints(n, 1.0, 0.0);
    p.add(0, 0, -1);
    ExpectSameMesh(p, "ring of " + std::to_string(n) + " with centre");
  }
  Points crossed = test::RingPoints(360, 1.0, 0.0);
  for (int k = 0; k < 7; ++k) crossed.add(-0.9 + 0.3 * k, 0.05 * k, -1);
  ExpectSameMesh(crossed, "ring of 360 with seven points across");
}

TEST(SortPoints, ExplicitStackGivesTheRecursiveOrder) {
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> coarse(0, 40);
  for (int round = 0; round < 20; ++round) {
    const int n = 50 + round * 37;
    std::vector<double> x{0}, y{0}, z{0};
    for (int i = 1; i <= n; ++i) {
      x.push_back(round % 3 == 0 ? 7.0 : coarse(rng));  // all equal, or many ties
      y.push_back(i);
      z.push_back(-i);
    }
    auto x2 = x, y2 = y, z2 = z;
    SortPoints(x, y, z, 1, n);
    oracle::SortPointsRecursive(x2, y2, z2, 1, n);
    ASSERT_EQ(x, x2);
    ASSERT_EQ(y, y2);
    ASSERT_EQ(z, z2);
  }
}

TEST(HasDuplicatePoints, AgreesWithThePairwiseCheckOnLargeGroups) {
  std::mt19937 rng(9);
  for (int round = 0; round < 30; ++round) {
    const int n = 400;
    std::uniform_int_distribution<int> ys(0, round % 2 ? 100000 : 2000);
    std::vector<double> x{0}, y{0};
    for (int i = 1; i <= n; ++i) {
      x.push_back(i <= 300 ? 1.0 : 2.0);  // groups of 300 and 100 equal X
      y.push_back(ys(rng));
    }
    EXPECT_EQ(HasDuplicatePoints(x, y, n), oracle::HasDuplicatePointsLiteral(x, y, n)) << round;
  }
}

TEST(DeleteSharedEdges, AgreesWithThePairwiseDeletion) {
  std::mt19937 rng(21);
  for (int round = 0; round < 200; ++round) {
    const int nedge = 3 + round % 150;
    std::uniform_int_distribution<int> vertex(1, 2 + round % 9);
    std::vector<MeshEdge> a(static_cast<std::size_t>(nedge) + 1);
    for (int m = 1; m <= nedge; ++m) a[m] = MeshEdge{vertex(rng), vertex(rng)};
    auto b = a;
    DeleteSharedEdges(a, nedge);
    oracle::DeleteSharedEdgesLiteral(b, nedge);
    for (int m = 1; m <= nedge; ++m) {
      ASSERT_EQ(a[m].p1, b[m].p1) << "round " << round << " edge " << m;
      ASSERT_EQ(a[m].p2, b[m].p2) << "round " << round << " edge " << m;
    }
  }
}

}  // namespace
}  // namespace plotvane
