// The triangulation: the small cases with known answers, the failure messages,
// and the orientation every consumer relies on.

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "common/Messages.h"
#include "mesh/CircumCircle.h"
#include "mesh/MeshTestSupport.h"

namespace plotvane {
namespace {

using test::Points;
using test::RunTriangulate;

Points Make(std::initializer_list<std::array<double, 3>> pts) {
  Points p;
  for (const auto& q : pts) p.add(q[0], q[1], q[2]);
  return p;
}

// Twice the signed area in the normalised plane: negative for clockwise.
double SignedArea2(const test::MeshRun& run, TriangleIndex k) {
  const auto a = run.ipt[3 * k - 2], b = run.ipt[3 * k - 1], c = run.ipt[3 * k];
  return (run.x[b] - run.x[a]) * (run.y[c] - run.y[a]) - (run.y[b] - run.y[a]) * (run.x[c] - run.x[a]);
}

TEST(Triangulate, ThreeWellShapedPointsGiveOneClockwiseTriangle) {
  const auto run = RunTriangulate(Make({{0, 0, 1}, {100, 0, 2}, {50, 100, 3}}));
  ASSERT_EQ(run.outcome, TriangulateOutcome::Meshed);
  EXPECT_TRUE(run.errMsg.empty());
  ASSERT_EQ(run.nt, 1);
  EXPECT_LT(SignedArea2(run, 1), 0.0);
}

TEST(Triangulate, SquareCornersGiveTwoTriangles) {
  const auto run = RunTriangulate(Make({{0, 0, 1}, {0, 1, 2}, {1, 0, 3}, {1, 1, 4}}));
  ASSERT_EQ(run.outcome, TriangulateOutcome::Meshed);
  ASSERT_EQ(run.nt, 2);
  for (TriangleIndex k = 1; k <= run.nt; ++k) EXPECT_LT(SignedArea2(run, k), 0.0);
}

TEST(Triangulate, SortsTheMeshArraysTogetherByX) {
  const auto run = RunTriangulate(Make({{5, 0, 50}, {0, 3, 0}, {10, 10, 100}, {2, 10, 20}}));
  ASSERT_EQ(run.outcome, TriangulateOutcome::Meshed);
  for (PointIndex i = 1; i < 4; ++i) EXPECT_LE(run.x[i], run.x[i + 1]);
  // Z was normalised from the same points: it moved with X.
  for (PointIndex i = 1; i <= 4; ++i) EXPECT_DOUBLE_EQ(run.z[i], run.x[i]);
}

TEST(Triangulate, FailuresCarryTheirMessages) {
  struct Case {
    const char* name;
    Points points;
    TriangulateOutcome outcome;
    std::string_view message;
  };
  const Case cases[] = {
      {"two points", Make({{0, 0, 1}, {1, 1, 2}}), TriangulateOutcome::TooFewPoints, messages::kTooFewPoints},
      {"same X and Y, other Z", Make({{0, 0, 1}, {1, 1, 2}, {0, 1, 3}, {1, 1, 9}}), TriangulateOutcome::DuplicatePoints,
       messages::kDuplicatePoints},
      {"one slanted line", Make({{0, 0, 1}, {1, 1, 2}, {2, 2, 3}, {3, 3, 4}}), TriangulateOutcome::AllCollinear,
       messages::kAllCollinear},
  };
  for (const Case& c : cases) {
    const auto run = RunTriangulate(c.points);
    EXPECT_EQ(run.outcome, c.outcome) << c.name;
    EXPECT_EQ(run.errMsg, c.message) << c.name;
  }
}

TEST(Triangulate, EqualXWithDifferentYIsNoDuplicate) {
  const auto run = RunTriangulate(Make({{0, 0, 1}, {0, 1, 2}, {0, 2, 1}, {1, 0, 3}, {1, 2, 0}}));
  EXPECT_EQ(run.outcome, TriangulateOutcome::Meshed);
}

TEST(Triangulate, FewerThanTwentyPointsTriangulateWithProgressStepOne) {
  struct Recorder : ProgressSink {
    std::vector<double> values;
    int closes = 0;
    void update(double v) override { values.push_back(v); }
    void close() override { ++closes; }
  } progress;
  Points p = test::UniformPoints(7, 3);
  std::vector<double> x, y, z;
  test::Normalise(p, x, y, z);
  TriangleIndex nt = 0;
  std::vector<std::int32_t> ipt;
  std::string err;
  ASSERT_EQ(Triangulate(7, x, y, z, nt, ipt, err, progress), TriangulateOutcome::Meshed);
  EXPECT_GE(nt, 5);
  // 0, 5, 10, 10 (the super-triangle), then one update per point up to 100.
  ASSERT_EQ(progress.values.size(), 4u + 7u);
  EXPECT_EQ(progress.values[0], 0.0);
  EXPECT_EQ(progress.values[1], 5.0);
  EXPECT_EQ(progress.values[2], 10.0);
  EXPECT_EQ(progress.values.back(), 100.0);
  EXPECT_EQ(progress.closes, 1);
}

TEST(Triangulate, EveryTriangleOfARandomMeshIsClockwiseAndUsesDataPoints) {
  const auto run = RunTriangulate(test::UniformPoints(2000, 11));
  ASSERT_EQ(run.outcome, TriangulateOutcome::Meshed);
  EXPECT_GT(run.nt, 3900);
  for (TriangleIndex k = 1; k <= run.nt; ++k) {
    for (int c = 0; c < 3; ++c) {
      const auto v = run.ipt[3 * k - 2 + c];
      ASSERT_GE(v, 1);
      ASSERT_LE(v, 2000);
    }
    ASSERT_LT(SignedArea2(run, k), 0.0) << "triangle " << k;
  }
}

TEST(CircumCircle, ComputesKeepsOrFails) {
  MeshPointTable p;
  p.x = {0, 0, 4, 0, 10, 2, 0, 1};
  p.y = {0, 0, 0, 4, 5e-7, 2, 0, 1};
  MeshTriangle right{1, 2, 3, 0, 0, 0};  // (0,0), (4,0), (0,4): the centre halves the hypotenuse
  EXPECT_EQ(CircumCircle(p, right), CircleOutcome::Computed);
  EXPECT_DOUBLE_EQ(right.xc, 2.0);
  EXPECT_DOUBLE_EQ(right.yc, 2.0);
  EXPECT_DOUBLE_EQ(right.r, std::sqrt(8.0));
  MeshTriangle level{1, 2, 4, 7, 8, 9};  // Y within EPSILON: the circle the slot held stays
  EXPECT_EQ(CircumCircle(p, level), CircleOutcome::Kept);
  EXPECT_EQ(level.xc, 7);
  EXPECT_EQ(level.yc, 8);
  EXPECT_EQ(level.r, 9);
  MeshTriangle slanted{1, 5, 7, 0, 0, 0};  // (0,0), (2,2), (1,1) on one line
  EXPECT_EQ(CircumCircle(p, slanted), CircleOutcome::Fault);
  EXPECT_TRUE(InCircle(2.5, 1, 2, 2, std::sqrt(8.0)));
  EXPECT_FALSE(InCircle(5, 5, 2, 2, std::sqrt(8.0)));
}

}  // namespace
}  // namespace plotvane
