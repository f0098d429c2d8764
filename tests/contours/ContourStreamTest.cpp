// The contours built one level at a time: the triangles each level is built
// from, the lines against the page's all-at-once joining, and memory running
// out on the way.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>

#include "contours/ContourExport.h"
#include "contours/ContourTestSupport.h"
#include "levels/LevelSegments.h"
#include "levels/PolylineJoin.h"
#include "levels/TriangleSweep.h"
#include "render/ContourMesh.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

using Sweep = std::vector<std::pair<std::int32_t, std::vector<TriangleIndex>>>;

Sweep Swept(const LevelMesh& mesh, SweepOf what) {
  Sweep out;
  TriangleSweep sweep(mesh, what);
  while (sweep.next())
    out.emplace_back(sweep.k(), std::vector<TriangleIndex>(sweep.triangles().begin(), sweep.triangles().end()));
  return out;
}

// Every k from the lowest band to the highest, each drawn triangle tested.
Sweep SweptSlowly(const LevelMesh& mesh, SweepOf what) {
  const std::int32_t skip = what == SweepOf::Lines ? 1 : 0;
  std::int32_t low = mesh.band(mesh.vertex(1, 0)), high = low;
  for (TriangleIndex t = 1; t <= mesh.triangleCount(); ++t) {
    for (int c = 0; c < 3; ++c) {
      low = std::min(low, mesh.band(mesh.vertex(t, c)));
      high = std::max(high, mesh.band(mesh.vertex(t, c)));
    }
  }
  Sweep out;
  for (std::int32_t k = low; k <= high; ++k) {
    std::vector<TriangleIndex> crossing;
    for (TriangleIndex t = 1; t <= mesh.triangleCount(); ++t) {
      const std::int32_t a = mesh.band(mesh.vertex(t, 0)), b = mesh.band(mesh.vertex(t, 1)),
                         c = mesh.band(mesh.vertex(t, 2));
      if (mesh.draws(t) && std::min({a, b, c}) + skip <= k && k <= std::max({a, b, c})) crossing.push_back(t);
    }
    if (!crossing.empty()) out.emplace_back(k, crossing);
  }
  return out;
}

class RandomMeshes : public testing::TestWithParam<std::uint32_t> {};

TEST_P(RandomMeshes, SweepHandsOutEachLevelsTrianglesInOrder) {
  const Document doc = test::ContourDocument(test::LatticeMesh(12, GetParam()), "9", "0.6");
  const ContourMesh mesh(doc, doc.settings);
  for (const SweepOf what : {SweepOf::Lines, SweepOf::Bands}) {
    EXPECT_EQ(Swept(mesh, what), SweptSlowly(mesh, what)) << "seed " << GetParam();
  }
}

TEST_P(RandomMeshes, LevelByLevelEqualsAllAtOnce) {
  const Document doc = test::ContourDocument(test::LatticeMesh(12, GetParam()), "9", "0.6");
  const ContourMesh mesh(doc, doc.settings);
  const std::vector<ContourLevel> all = JoinLevelSegments(mesh, CollectLevelSegments(mesh));
  const std::vector<ContourLevel> streamed = BuildContourSet(doc, doc.settings, false).levels;
  ASSERT_EQ(streamed.size(), all.size());
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(streamed[i].index, all[i].index);
    EXPECT_EQ(streamed[i].value, all[i].value);
    ASSERT_EQ(streamed[i].lines.size(), all[i].lines.size());
    for (std::size_t l = 0; l < all[i].lines.size(); ++l) {
      EXPECT_EQ(streamed[i].lines[l].closed, all[i].lines[l].closed);
      EXPECT_EQ(streamed[i].lines[l].points, all[i].lines[l].points);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomMeshes, testing::Values(1u, 5u, 23u, 404u));

// A feed that runs out of memory at its first level.
class ExhaustedFeed : public ContourFeed {
 public:
  void eachLevel(const LevelVisitor&) const override { throw std::bad_alloc(); }
  void eachBand(const BandVisitor&) const override {}
};

TEST(ContourStream, MemoryRunningOutIsALoadFailureAndKeepsTheOldFile) {
  const test::TempDir dir;
  for (const char* name : {"old.geojson", "old.dxf", "old.csv", "old.gpkg"}) {
    const std::string path = dir.file(name);
    std::ofstream(path) << "before";
    const WriteOutcome failure = WriteContourFile(ExhaustedFeed(), path);
    ASSERT_TRUE(failure) << name;
    EXPECT_EQ(failure->kind, FailureKind::LoadFailed) << name;
    EXPECT_EQ(failure->message, OutOfMemoryForContours().message) << name;
    std::stringstream kept;
    kept << std::ifstream(path).rdbuf();
    EXPECT_EQ(kept.str(), "before") << name;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << name;
    std::filesystem::remove(path);
  }
}

}  // namespace
}  // namespace plotvane
