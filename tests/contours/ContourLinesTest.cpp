// The level lines against the independent computation (ContourTestSupport.h):
// hand-made meshes with known answers, then seeded lattices.

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "contours/ContourExport.h"
#include "contours/ContourTestSupport.h"

namespace plotvane {
namespace {

using test::MeshVertex;

// A peak at the centre of a hexagon of six low vertices.
test::ToolMesh Fan(double peak, double rim) {
  std::vector<MeshVertex> v{{50, 50, peak}};
  for (int i = 0; i < 6; ++i) {
    const double angle = -i * M_PI / 3;  // clockwise
    v.push_back({50 + 40 * std::cos(angle), 50 + 40 * std::sin(angle), rim});
  }
  std::vector<std::array<int, 3>> t;
  for (int i = 0; i < 6; ++i) t.push_back({0, 1 + i, 1 + (i + 1) % 6});
  return test::MakeToolMesh(v, t);
}

// A square with a saddle at its centre: corners 0, 100, 0, 100 around it.
Document Saddle() {
  return test::ContourDocument({{0, 0, 0}, {100, 0, 100}, {100, 100, 0}, {0, 100, 100}, {50, 50, 50}},
                               {{0, 4, 1}, {1, 4, 2}, {2, 4, 3}, {3, 4, 0}}, "4");
}

// A flat triangle at level 0.5 inside a triangle of low vertices.
Document FlatInside() {
  return test::ContourDocument({{0, 0, 0}, {50, 100, 0}, {100, 0, 0}, {40, 30, 50}, {50, 50, 50}, {60, 30, 50}},
                               {{3, 4, 5}, {0, 1, 4}, {0, 4, 3}, {1, 2, 5}, {1, 5, 4}, {2, 0, 3}, {2, 3, 5}}, "4");
}

// Two triangles sharing an edge that lies on level 0.5; the others are low.
Document EdgeOnLevel() {
  return test::ContourDocument({{0, 0, 50}, {0, 100, 50}, {-50, 50, 0}, {50, 50, 0}}, {{0, 2, 1}, {0, 1, 3}}, "4");
}

struct LinesCase {
  const char* name;
  Document doc;
  std::vector<int> levels;  // the indices the set must list
};

std::vector<LinesCase> LinesCases() {
  Document droppedFan = test::ContourDocument(Fan(100, 0), "4", "0.5");
  droppedFan.mesh.hh[3] = 0.9;
  return {
      {"fan_peak", test::ContourDocument(Fan(100, 0), "4"), {1, 2, 3}},
      {"fan_distortion_drops_one", droppedFan, {1, 2, 3}},
      {"saddle_on_level", Saddle(), {1, 2, 3}},
      {"vertex_on_level_above_rim", test::ContourDocument(Fan(50, 0), "4"), {1}},
      // The rim lies on the top level: the page draws it there.
      {"vertex_on_level_below_rim", test::ContourDocument(Fan(50, 100), "4"), {3, 4}},
      {"flat_triangle", FlatInside(), {1, 2}},
      {"edge_on_level", EdgeOnLevel(), {1, 2}},
  };
}

class ContourLines : public testing::TestWithParam<LinesCase> {};

TEST_P(ContourLines, MatchTheIndependentSegments) {
  const LinesCase& c = GetParam();
  const ContourSet set = BuildContourSet(c.doc, c.doc.settings, false);
  std::vector<int> listed;
  for (const ContourLevel& level : set.levels) listed.push_back(level.index);
  EXPECT_EQ(listed, c.levels);
  for (int k = -1; k <= 5; ++k) {
    const ContourLevel* level = test::LevelOf(set, k);
    const std::vector<test::Segment> expected = test::OracleSegments(c.doc, k);
    EXPECT_EQ(level == nullptr, expected.empty()) << "level " << k;
    if (level == nullptr) continue;
    EXPECT_DOUBLE_EQ(level->value, 100.0 * k / 4) << "level " << k;
    EXPECT_TRUE(test::SameSegments(expected, test::SegmentsOf(*level), 1e-9)) << "level " << k;
  }
}

TEST_P(ContourLines, HaveNoRepeatedOrZeroLengthPieces) {
  const LinesCase& c = GetParam();
  for (const ContourLevel& level : BuildContourSet(c.doc, c.doc.settings, false).levels) {
    for (const ContourLine& line : level.lines) {
      ASSERT_GE(line.points.size(), line.closed ? 3u : 2u);
      for (std::size_t i = 0; i + 1 < line.points.size(); ++i) EXPECT_NE(line.points[i], line.points[i + 1]);
      if (line.closed) {
        EXPECT_NE(line.points.front(), line.points.back());
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(HandMade, ContourLines, testing::ValuesIn(LinesCases()),
                         [](const auto& param) { return std::string(param.param.name); });

// Lines and ring flags of the hand-made meshes: (case, level) -> closed flags.
TEST(ContourLineShapes, RingsChainsAndEnds) {
  struct Expected {
    const char* name;
    int level;
    std::multiset<std::pair<bool, std::size_t>> lines;  // (closed, points)
  };
  const std::vector<Expected> table{
      {"fan_peak", 2, {{true, 6}}},
      {"fan_distortion_drops_one", 2, {{false, 6}}},
      // The saddle vertex lies on the level and counts as above it: two
      // lines pass it by, through its place, instead of four ending there.
      {"saddle_on_level", 2, {{false, 3}, {false, 3}}},
      {"saddle_on_level", 1, {{false, 3}, {false, 3}}},
      {"vertex_on_level_above_rim", 1, {{true, 6}}},
      {"flat_triangle", 2, {{true, 3}}},
      {"flat_triangle", 1, {{true, 6}}},
      {"edge_on_level", 2, {{false, 2}}},
  };
  const auto cases = LinesCases();
  for (const Expected& e : table) {
    const auto c =
        std::find_if(cases.begin(), cases.end(), [&](const auto& lc) { return lc.name == std::string(e.name); });
    const ContourSet set = BuildContourSet(c->doc, c->doc.settings, false);
    const ContourLevel* level = test::LevelOf(set, e.level);
    ASSERT_NE(level, nullptr) << e.name << " level " << e.level;
    std::multiset<std::pair<bool, std::size_t>> lines;
    for (const ContourLine& line : level->lines) lines.emplace(line.closed, line.points.size());
    EXPECT_EQ(lines, e.lines) << e.name << " level " << e.level;
  }
}

TEST(ContourLineShapes, RingAroundAPeakKeepsTheHigherGroundOnItsRight) {
  const Document doc = test::ContourDocument(Fan(100, 0), "4");
  for (const ContourLevel& level : BuildContourSet(doc, doc.settings, false).levels) {
    ASSERT_EQ(level.lines.size(), 1u);
    EXPECT_LT(test::SignedArea(level.lines[0].points), 0.0) << "clockwise around the peak, level " << level.index;
  }
}

// Seeded lattices with random levels and distortions: every level of the
// page, its segments, and the chains joined where they meet.
class RandomLattices : public testing::TestWithParam<std::uint32_t> {};

TEST_P(RandomLattices, MatchTheIndependentSegments) {
  const Document doc = test::ContourDocument(test::LatticeMesh(9, GetParam()), "7", "0.6");
  const ContourSet set = BuildContourSet(doc, doc.settings, false);
  for (int k = 0; k <= 8; ++k) {
    const ContourLevel* level = test::LevelOf(set, k);
    const auto expected = test::OracleSegments(doc, k);
    ASSERT_EQ(level == nullptr, expected.empty()) << "seed " << GetParam() << " level " << k;
    if (level != nullptr) {
      EXPECT_TRUE(test::SameSegments(expected, test::SegmentsOf(*level), 1e-9)) << k;
    }
  }
}

TEST_P(RandomLattices, LinesEndOnlyWhereNoSegmentGoesOn) {
  const Document doc = test::ContourDocument(test::LatticeMesh(9, GetParam()), "7", "0.6");
  for (const ContourLevel& level : BuildContourSet(doc, doc.settings, false).levels) {
    const auto segments = test::SegmentsOf(level);
    auto degree = [&](ContourPoint p) {
      return std::count_if(segments.begin(), segments.end(), [&](const auto& s) { return s.a == p || s.b == p; });
    };
    for (const ContourLine& line : level.lines) {
      if (line.closed) continue;
      EXPECT_NE(degree(line.points.front()), 2) << "level " << level.index;
      EXPECT_NE(degree(line.points.back()), 2) << "level " << level.index;
    }
  }
}

// Heights on the levels themselves, as survey heights in whole metres with a
// 1 m interval: a vertex on a level counts as above it, so the lines pass such
// vertices by and end only at the border of the mesh (the lattice's square),
// with no step there and back.
TEST_P(RandomLattices, HeightsOnTheLevelsGiveLinesThatEndOnlyAtTheBorder) {
  test::ToolMesh mesh = test::LatticeMesh(9, GetParam());
  for (double& z : mesh.mesh.meshZ) z = std::round(z / 12.5) * 12.5;
  const Document doc = test::ContourDocument(mesh, "8");
  const auto onBorder = [](ContourPoint p) { return p.x == 0 || p.x == 100 || p.y == 0 || p.y == 100; };
  for (const ContourLevel& level : BuildContourSet(doc, doc.settings, false).levels) {
    for (const ContourLine& line : level.lines) {
      const auto& p = line.points;
      if (!line.closed) {
        EXPECT_TRUE(onBorder(p.front()) && onBorder(p.back()))
            << "level " << level.index << " ends at " << p.front().x << ", " << p.front().y << " / " << p.back().x
            << ", " << p.back().y;
      }
      for (std::size_t i = 0; i + 2 < p.size(); ++i) EXPECT_NE(p[i], p[i + 2]) << "level " << level.index;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomLattices, testing::Values(1u, 2u, 3u, 17u, 2024u));

}  // namespace
}  // namespace plotvane
