// The grid scan against MeshValueAt: for every grid point, however the grid is
// cut into bands and blocks, the scan must give the look-up's answer bit for
// bit, on meshes with shared edges and vertices on grid points, slivers,
// collinear (degenerate) triangles and distortion limits.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "data/BoundaryMask.h"
#include "support/SettingsTestSupport.h"
#include "tools/GridScan.h"
#include "tools/MeshValueAt.h"
#include "tools/ToolMeshes.h"

namespace plotvane {
namespace {

using test::ToolMesh;

struct Axis {
  float origin, interval;
  int count;

  std::vector<float> coordinates() const {
    std::vector<float> v;
    for (int k = 0; k < count; ++k) v.push_back(static_cast<float>(origin + static_cast<double>(k) * interval));
    return v;
  }
};

// The scan's answers for the grid xs x ys, column by column, cut into bands of
// columnsPerBand columns and blocks of rowsPerBlock rows.
std::vector<MeshValue> Scanned(const ToolMesh& t, const DistortionLimit& limit, const std::vector<float>& xs,
                               const std::vector<float>& ys, int columnsPerBand, int rowsPerBlock) {
  const TriangleIndex nt = t.mesh.nt;
  GridTriangles triangles(t.mesh, limit, nt);
  triangles.measure(1, nt / 3);
  triangles.measure(nt / 3 + 1, nt);
  const auto nx = static_cast<int>(xs.size()), ny = static_cast<int>(ys.size());
  auto xn = [&](int i) { return NormalisePoint(t.range, xs[i], 0).xn; };
  auto yn = [&](int j) { return NormalisePoint(t.range, 0, ys[j]).yn; };

  std::vector<double> low, high;
  for (int i = 0; i < nx; i += columnsPerBand) {
    const double a = xn(i), z = xn(std::min(nx, i + columnsPerBand) - 1);
    low.push_back(std::min(a, z));
    high.push_back(std::max(a, z));
  }
  const GridBands bands(triangles, low, high);
  std::vector<MeshValue> values(xs.size() * ys.size());
  BlockAnswers answers;
  for (int b = 0; b * columnsPerBand < nx; ++b) {
    for (int j0 = 0; j0 < ny; j0 += rowsPerBlock) {
      GridLines columns, rows;
      for (int i = b * columnsPerBand; i < std::min(nx, (b + 1) * columnsPerBand); ++i) columns.push_back(xn(i));
      for (int j = j0; j < std::min(ny, j0 + rowsPerBlock); ++j) rows.push_back(yn(j));
      ScanBlock(triangles, bands, b, columns, rows, answers);
      for (std::size_t c = 0; c < columns.size(); ++c) {
        for (std::size_t r = 0; r < rows.size(); ++r) {
          const std::size_t p = c * rows.size() + r;
          const std::size_t at = (b * columnsPerBand + c) * ys.size() + j0 + r;
          if (answers.owner[p] != BlockAnswers::kNone) values[at] = AnswerOf(t.range, answers.found[p]);
        }
      }
    }
  }
  return values;
}

struct Tally {
  int values = 0, degenerate = 0;
};

void ExpectScanEqualsLookUp(const ToolMesh& t, const std::string& sq, const Axis& x, const Axis& y, Tally& tally) {
  const DistortionLimit limit = ReadDistortionLimit(test::WithLimit(sq));
  const std::vector<float> xs = x.coordinates(), ys = y.coordinates();
  const std::pair<int, int> cuts[] = {{x.count, y.count}, {3, 5}, {1, y.count}};
  for (const auto& [columnsPerBand, rowsPerBlock] : cuts) {
    const std::vector<MeshValue> scanned = Scanned(t, limit, xs, ys, columnsPerBand, rowsPerBlock);
    for (std::size_t i = 0; i < xs.size(); ++i) {
      for (std::size_t j = 0; j < ys.size(); ++j) {
        const MeshValue expected = MeshValueAt(t.mesh, t.range, limit, xs[i], ys[j]);
        const MeshValue got = scanned[i * ys.size() + j];
        ASSERT_EQ(got.kind, expected.kind) << "at " << xs[i] << ", " << ys[j] << " sq " << sq;
        ASSERT_EQ(std::bit_cast<std::uint32_t>(got.z), std::bit_cast<std::uint32_t>(expected.z))
            << "at " << xs[i] << ", " << ys[j] << " sq " << sq;
        tally.values += got.hasValue();
        tally.degenerate += got.kind == MeshValue::Kind::Degenerate;
      }
    }
  }
}

TEST(GridScan, LatticeWithGridPointsOnEveryVertexAndEdgeAnswersAsTheLookUp) {
  // Steps of half a lattice cell put grid points on every vertex, on every
  // edge's midpoint and just beyond the mesh.
  for (const std::uint32_t seed : {1u, 2u}) {
    const ToolMesh t = test::LatticeMesh(8, seed);
    for (const std::string sq : {"", "0.5"}) {
      Tally tally;
      ExpectScanEqualsLookUp(t, sq, {-6.25f, 6.25f, 19}, {-6.25f, 6.25f, 19}, tally);
      ExpectScanEqualsLookUp(t, sq, {106.25f, -6.25f, 19}, {100.0f, -3.125f, 33}, tally);
      ExpectScanEqualsLookUp(t, sq, {37.5f, 0.0f, 4}, {-1.0f, 1.5f, 70}, tally);
      EXPECT_GT(tally.values, 0);
    }
  }
}

TEST(GridScan, SliversAnswerAsTheLookUp) {
  // Grids through vertices of the soup, coarse and fine, and one over it all.
  for (const std::uint32_t seed : {3u, 4u, 5u}) {
    const ToolMesh t = test::SliverSoup(40, seed);
    for (const std::string sq : {"", "0.9"}) {
      Tally tally;
      ExpectScanEqualsLookUp(t, sq, {-10.3f, 2.9f, 44}, {110.1f, -3.1f, 41}, tally);
      for (TriangleIndex k = 1; k <= t.mesh.nt; k += 7) {
        const auto vx = static_cast<float>(t.mesh.meshX[t.mesh.ipt[3 * k]]);
        const auto vy = static_cast<float>(t.mesh.meshY[t.mesh.ipt[3 * k]]);
        ExpectScanEqualsLookUp(t, sq, {vx, 0.37f, 12}, {vy, -0.29f, 12}, tally);
        ExpectScanEqualsLookUp(t, sq, {vx, -1e-3f, 12}, {vy, 1e-3f, 12}, tally);
      }
      EXPECT_GT(tally.values + tally.degenerate, 0);
    }
  }
}

TEST(GridScan, CollinearTriangleDecidesAlongItsWholeLine) {
  // Triangle 1 is three points on the line Y = 50, which its test accepts
  // along its whole length, within the square and beyond; the square's two
  // triangles answer elsewhere.
  const ToolMesh t =
      test::MakeToolMesh({{0, 0, 0}, {0, 100, 30}, {100, 0, 60}, {100, 100, 90}, {20, 50, 0}, {50, 50, 0}, {80, 50, 0}},
                         {{4, 5, 6}, {0, 1, 2}, {2, 1, 3}});
  Tally tally;
  ExpectScanEqualsLookUp(t, "", {-10, 5, 25}, {0, 12.5f, 9}, tally);
  EXPECT_EQ(tally.degenerate, 3 * 25)
      << "every grid point of the line, beyond the square too, in each of the three cuts";
}

TEST(GridScan, DelaunayMeshAnswersAsTheLookUp) {
  const ToolMesh t = test::DelaunayMesh(test::ClusteredPoints(1500, 4, 8));
  const float x0 = static_cast<float>(t.range.xMin), y0 = static_cast<float>(t.range.yMin);
  const float dx = static_cast<float>((t.range.xMax - t.range.xMin) / 60);
  const float dy = static_cast<float>((t.range.yMax - t.range.yMin) / 50);
  Tally tally;
  ExpectScanEqualsLookUp(t, "", {x0, dx, 61}, {y0, dy, 51}, tally);
  ExpectScanEqualsLookUp(t, "0.6", {x0 - dx / 3, dx, 62}, {y0, dy, 51}, tally);
  EXPECT_GT(tally.values, 0);
}

TEST(GridScan, BoundaryLeavesOutWhatTheLookUpLeavesOut) {
  ToolMesh t = test::DelaunayMesh(test::ClusteredPoints(800, 3, 9));
  // A ring with a hole, in mesh coordinates.
  t.mesh.boundary = std::make_shared<const BoundaryMask>(std::vector<MaskRing>{
      {{10, 12}, {85, 5}, {93, 80}, {50, 40}, {8, 90}}, {{30, 30}, {45, 31}, {44, 50}, {29, 48}}});
  const float x0 = static_cast<float>(t.range.xMin), y0 = static_cast<float>(t.range.yMin);
  const float dx = static_cast<float>((t.range.xMax - t.range.xMin) / 40);
  const float dy = static_cast<float>((t.range.yMax - t.range.yMin) / 30);
  Tally tally;
  ExpectScanEqualsLookUp(t, "", {x0, dx, 41}, {y0, dy, 31}, tally);
  EXPECT_GT(tally.values, 0);
  EXPECT_LT(tally.values, 3 * 41 * 31 / 2);
}

}  // namespace
}  // namespace plotvane
