// The constrained mesh checked against facts computed here in integer
// arithmetic: the points lie on a small integer grid, so orientation and
// in-circle tests are exact without any help from the code under test.

#include "mesh/InsertConstraints.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <utility>

#include "mesh/Triangulate.h"

namespace plotvane {
namespace {

constexpr int kSide = 60;

struct Grid {
  std::int64_t x, y;
  bool operator<(const Grid& o) const { return std::pair{x, y} < std::pair{o.x, o.y}; }
  bool operator==(const Grid& o) const { return x == o.x && y == o.y; }
};

std::int64_t Orient(Grid a, Grid b, Grid c) { return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x); }

// Positive when d lies inside the circle of the counterclockwise a, b, c.
std::int64_t InCircle(Grid a, Grid b, Grid c, Grid d) {
  const std::int64_t ax = a.x - d.x, ay = a.y - d.y, bx = b.x - d.x, by = b.y - d.y, cx = c.x - d.x, cy = c.y - d.y;
  return (ax * ax + ay * ay) * (bx * cy - cx * by) - (bx * bx + by * by) * (ax * cy - cx * ay) +
         (cx * cx + cy * cy) * (ax * by - bx * ay);
}

bool ProperlyCross(Grid a, Grid b, Grid c, Grid d) {
  const auto side = [](std::int64_t v) { return (v > 0) - (v < 0); };
  return side(Orient(a, b, c)) * side(Orient(a, b, d)) < 0 && side(Orient(c, d, a)) * side(Orient(c, d, b)) < 0;
}

// On the closed segment from a to b.
bool OnSegment(Grid a, Grid b, Grid p) {
  return Orient(a, b, p) == 0 && std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

struct Case {
  std::vector<double> x{0.0}, y{0.0}, z{0.0};
  TriangleIndex nt = 0;
  std::vector<std::int32_t> ipt;
  std::vector<std::pair<Grid, Grid>> segments;
  std::vector<ConstraintLine> lines;
};

Grid At(const Case& c, std::int32_t i) {
  return {std::llround(c.x[static_cast<std::size_t>(i)]), std::llround(c.y[static_cast<std::size_t>(i)])};
}

// Random grid points with the square's corners, meshed, and random segments
// inside, none properly crossing another; their ends are mesh points or new.
Case MakeCase(std::uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> coordinate(0, kSide), inner(5, kSide - 5);
  std::set<Grid> taken{{0, 0}, {kSide, 0}, {0, kSide}, {kSide, kSide}};
  const int count = 40 + static_cast<int>(random() % 200);
  while (static_cast<int>(taken.size()) < count) taken.insert({coordinate(random), coordinate(random)});
  Case c;
  for (const Grid& g : taken) {
    c.x.push_back(static_cast<double>(g.x));
    c.y.push_back(static_cast<double>(g.y));
    c.z.push_back(static_cast<double>(g.x + 2 * g.y));
  }
  std::string errMsg;
  const PointIndex nn = static_cast<PointIndex>(taken.size());
  EXPECT_EQ(Triangulate(nn, c.x, c.y, c.z, c.nt, c.ipt, errMsg, NullProgress()), TriangulateOutcome::Meshed);
  const int wanted = 1 + static_cast<int>(random() % 8);
  for (int attempt = 0; attempt < 200 && static_cast<int>(c.lines.size()) < wanted; ++attempt) {
    const Grid a{inner(random), inner(random)}, b{inner(random), inner(random)};
    if (a == b) continue;
    const bool crosses = std::any_of(c.segments.begin(), c.segments.end(),
                                     [&](const auto& s) { return ProperlyCross(a, b, s.first, s.second); });
    if (crosses) continue;
    c.segments.emplace_back(a, b);
    ConstraintLine line;
    line.x = {static_cast<double>(a.x), static_cast<double>(b.x)};
    line.y = {static_cast<double>(a.y), static_cast<double>(b.y)};
    line.z = {std::nan(""), static_cast<double>(a.x + 2 * b.y)};
    c.lines.push_back(line);
  }
  return c;
}

TEST(InsertConstraints, RandomLinesMakeAConstrainedDelaunayMesh) {
  int checked = 0;
  for (std::uint32_t seed = 1; seed <= 150; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Case c = MakeCase(seed);
    const TriangleIndex ntBefore = c.nt;
    std::int64_t areaBefore = 0;
    for (TriangleIndex k = 1; k <= ntBefore; ++k) {
      areaBefore -= Orient(At(c, c.ipt[3 * k - 2]), At(c, c.ipt[3 * k - 1]), At(c, c.ipt[3 * k]));
    }
    PointIndex nv = static_cast<PointIndex>(c.x.size()) - 1;
    const ConstraintOutcome outcome = InsertConstraints(c.lines, c.x, c.y, c.z, nv, c.nt, c.ipt);
    // A mesh that lost triangles along its outline may leave a line outside.
    if (areaBefore < 2 * kSide * kSide && outcome.status == ConstraintOutcome::Status::SegmentOutside) continue;
    ++checked;
    ASSERT_EQ(outcome.status, ConstraintOutcome::Status::Done);
    ASSERT_EQ(nv, static_cast<PointIndex>(c.x.size()) - 1);

    std::map<std::pair<std::int32_t, std::int32_t>, std::int32_t> farCorner;  // directed edge -> opposite corner
    std::set<std::int32_t> used;
    std::int64_t area = 0;
    for (TriangleIndex k = 1; k <= c.nt; ++k) {
      const std::int32_t v[3] = {c.ipt[3 * k - 2], c.ipt[3 * k - 1], c.ipt[3 * k]};
      const std::int64_t twice = -Orient(At(c, v[0]), At(c, v[1]), At(c, v[2]));
      ASSERT_GT(twice, 0) << "triangle " << k << " is not strictly clockwise";
      area += twice;
      for (int i = 0; i < 3; ++i) {
        used.insert(v[i]);
        ASSERT_TRUE(farCorner.emplace(std::pair{v[i], v[(i + 1) % 3]}, v[(i + 2) % 3]).second);
      }
    }
    EXPECT_EQ(area, areaBefore);
    EXPECT_EQ(static_cast<PointIndex>(used.size()), nv);
    std::int64_t outline = 0;
    for (const auto& [edge, far] : farCorner) outline += farCorner.count({edge.second, edge.first}) == 0;
    EXPECT_EQ(c.nt, 2 * nv - outline - 2);

    const auto isConstraint = [&](Grid p, Grid q) {
      return std::any_of(c.segments.begin(), c.segments.end(), [&](const auto& s) {
        return OnSegment(s.first, s.second, p) && OnSegment(s.first, s.second, q);
      });
    };
    for (const auto& [edge, far] : farCorner) {
      const Grid p = At(c, edge.first), q = At(c, edge.second);
      for (const auto& s : c.segments) EXPECT_FALSE(ProperlyCross(p, q, s.first, s.second));
      const auto other = farCorner.find({edge.second, edge.first});
      if (other == farCorner.end() || isConstraint(p, q)) continue;
      // The triangle (p, q, far) is clockwise: (q, p, far) turns the other way.
      EXPECT_LE(InCircle(q, p, At(c, far), At(c, other->second)), 0) << "edge " << edge.first << "-" << edge.second;
    }
    // Every segment is the chain of mesh edges through the points on it.
    for (const auto& [a, b] : c.segments) {
      std::vector<Grid> on;
      for (PointIndex i = 1; i <= nv; ++i) {
        if (OnSegment(a, b, At(c, i))) on.push_back(At(c, i));
      }
      std::sort(on.begin(), on.end());
      for (std::size_t i = 0; i + 1 < on.size(); ++i) {
        bool joined = false;
        for (const auto& [edge, far] : farCorner)
          joined |= At(c, edge.first) == on[i] && At(c, edge.second) == on[i + 1];
        EXPECT_TRUE(joined) << "segment piece not a mesh edge";
      }
    }
  }
  EXPECT_GE(checked, 140);
}

ConstraintOutcome InsertIntoSquare(std::vector<ConstraintLine> lines, std::vector<double>& z) {
  // Points of z = x + 2y on a 5 x 5 grid of step 10.
  std::vector<double> x{0.0}, y{0.0};
  z.assign(1, 0.0);
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 5; ++j) {
      x.push_back(10.0 * i);
      y.push_back(10.0 * j);
      z.push_back(10.0 * i + 20.0 * j);
    }
  }
  TriangleIndex nt = 0;
  std::vector<std::int32_t> ipt;
  std::string errMsg;
  PointIndex nv = 25;
  Triangulate(nv, x, y, z, nt, ipt, errMsg, NullProgress());
  return InsertConstraints(lines, x, y, z, nv, nt, ipt);
}

ConstraintLine Line(std::vector<double> x, std::vector<double> y, std::vector<double> z) {
  return {std::move(x), std::move(y), std::move(z), false};
}

TEST(InsertConstraints, HeightsAndRefusals) {
  const double none = std::nan("");
  struct Row {
    const char* what;
    std::vector<ConstraintLine> lines;
    ConstraintOutcome::Status status;
    std::size_t added, replaced;
  };
  const std::vector<Row> rows{
      {"a new vertex", {Line({5, 35}, {5, 25}, {none, 7})}, ConstraintOutcome::Status::Done, 2, 0},
      {"a vertex on a point", {Line({10, 35}, {10, 25}, {99, none})}, ConstraintOutcome::Status::Done, 1, 1},
      {"no height on a point", {Line({10, 35}, {10, 25}, {none, none})}, ConstraintOutcome::Status::Done, 1, 0},
      {"outside", {Line({10, 45}, {10, 55}, {none, none})}, ConstraintOutcome::Status::VertexOutside, 0, 0},
      {"crossing",
       {Line({5, 35}, {5, 35}, {none, none}), Line({5, 33}, {33, 5}, {none, none})},
       ConstraintOutcome::Status::LinesCross,
       4,
       0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::vector<double> z;
    const ConstraintOutcome outcome = InsertIntoSquare(row.lines, z);
    EXPECT_EQ(outcome.status, row.status);
    EXPECT_EQ(outcome.added.size(), row.added);
    EXPECT_EQ(outcome.replaced.size(), row.replaced);
  }
  std::vector<double> z;
  InsertIntoSquare({Line({5, 35}, {5, 25}, {none, 7})}, z);
  EXPECT_NEAR(z[26], 5.0 + 2 * 5.0, 1e-9);  // taken from the plane the points lie on
  EXPECT_EQ(z[27], 7.0);
  const ConstraintOutcome crossing = InsertIntoSquare(rows[4].lines, z);
  EXPECT_EQ(crossing.line, 1);
  EXPECT_EQ(crossing.otherLine, 0);
}

}  // namespace
}  // namespace plotvane
