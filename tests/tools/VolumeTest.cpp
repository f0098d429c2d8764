// Earthwork volumes: closed-form cases for both methods, random surfaces
// against the slow independent overlay, swapped roles, and the grid's size.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>

#include "support/SettingsTestSupport.h"
#include "tools/SlowVolume.h"
#include "tools/TinVolume.h"
#include "tools/Volume.h"

namespace plotvane {
namespace {

using test::Points;
using test::ToolMesh;

// The points of a lattice over [x0, x0 + span] x [y0, y0 + span] with Z = z(x, y).
Points Lattice(double x0, double y0, double span, int steps, const std::function<double(double, double)>& z) {
  Points p;
  for (int i = 0; i <= steps; ++i) {
    for (int j = 0; j <= steps; ++j) {
      const double x = x0 + span * i / steps, y = y0 + span * j / steps;
      p.add(x, y, z(x, y));
    }
  }
  return p;
}

// A square pyramid: base 10 x 10 at height 0, apex 6 over its centre.
Points Pyramid() {
  Points p;
  for (const auto& [x, y] : {std::pair{0, 0}, {10, 0}, {0, 10}, {10, 10}}) p.add(x, y, 0);
  p.add(5, 5, 6);
  return p;
}

VolumeSurface SurfaceOf(const ToolMesh& t, const std::string& sq = "") {
  return {&t.mesh, t.range, ReadDistortionLimit(test::WithLimit(sq))};
}

struct ClosedForm {
  const char* name;
  Points s;
  std::optional<Points> r;  // else the plane
  double plane;
  VolumeMethod method;
  double cell;
  double cut, fill, area, cutArea, fillArea;
};

TEST(Volume, ClosedFormCases) {
  const auto rising = [](double x, double) { return x; };
  const auto falling = [](double x, double) { return 10 - x; };
  const auto sum = [](double x, double y) { return x + y; };
  const VolumeMethod tin = VolumeMethod::Tin, grid = VolumeMethod::Grid;
  const std::vector<ClosedForm> table{
      // z = x over a 10 x 10 square halves the plane 5 into equal wedges.
      {"RampAgainstMidPlane", Lattice(0, 0, 10, 10, rising), {}, 5, tin, 0, 125, 125, 100, 50, 50},
      {"RampAgainstBasePlane", Lattice(0, 0, 10, 10, rising), {}, 0, tin, 0, 500, 0, 100, 100, 0},
      {"TiltedBelowHighPlane", Lattice(0, 0, 10, 7, sum), {}, 100, tin, 0, 0, 9000, 100, 0, 100},
      // The pyramid holds 100 x 6 / 3 = 200; above 3 sits a quarter-base pyramid of 25.
      {"PyramidOnItsBase", Pyramid(), {}, 0, tin, 0, 200, 0, 100, 100, 0},
      {"PyramidCutAtHalfHeight", Pyramid(), {}, 3, tin, 0, 25, 125, 100, 25, 75},
      // Overlap [5, 10] x [0, 5] of two meshes on different lattices; S - R = 2x - 10 >= 0 there.
      {"RampAgainstShiftedRamp", Lattice(0, 0, 10, 10, rising), Lattice(5, -5, 10, 5, falling), 0, tin, 0, 125, 0, 25,
       25, 0},
      {"CrossingRamps", Lattice(0, 0, 10, 6, rising), Lattice(0, 0, 10, 9, falling), 0, tin, 0, 250, 250, 100, 50, 50},
      // Cell centres of a linear surface integrate it exactly.
      {"GridRampAgainstMidPlane", Lattice(0, 0, 10, 10, rising), {}, 5, grid, 0.5, 125, 125, 100, 50, 50},
      {"GridCrossingRamps", Lattice(0, 0, 10, 6, rising), Lattice(0, 0, 10, 9, falling), 0, grid, 0.5, 250, 250, 100,
       50, 50},
      // Cell 3: 4 x 4 cells from the lower-left corner; the last row and column centre outside the data.
      {"GridCentresOutsideLeftOut", Lattice(0, 0, 10, 10, rising), {}, 0, grid, 3, 364.5, 0, 81, 81, 0},
  };
  for (const ClosedForm& c : table) {
    SCOPED_TRACE(c.name);
    const ToolMesh s = test::DelaunayMesh(c.s);
    const std::optional<ToolMesh> r = c.r ? std::optional(test::DelaunayMesh(*c.r)) : std::nullopt;
    const VolumeReference reference{r ? std::nullopt : std::optional(c.plane), r ? SurfaceOf(*r) : VolumeSurface{}};
    const VolumeFigures f = ComputeVolume(SurfaceOf(s), reference, {c.method, c.cell});
    // The grid reads single-precision values; the TIN works in double.
    const double tolerance = c.method == grid ? 1e-5 : 1e-12;
    EXPECT_NEAR(f.cut, c.cut, tolerance * (c.cut + c.fill));
    EXPECT_NEAR(f.fill, c.fill, tolerance * (c.cut + c.fill));
    EXPECT_NEAR(f.net(), c.cut - c.fill, tolerance * (c.cut + c.fill));
    EXPECT_NEAR(f.area, c.area, tolerance * c.area);
    EXPECT_NEAR(f.cutArea, c.cutArea, tolerance * c.area);
    EXPECT_NEAR(f.fillArea, c.fillArea, tolerance * c.area);
  }
}

// A second surface: uniform points squeezed and moved so that it overlaps
// part of the first, with another relief.
Points Moved(Points p, double sx, double dx, double sy, double dy, double sz, double dz) {
  for (int i = 0; i < p.size(); ++i) {
    p.x[i] = p.x[i] * sx + dx;
    p.y[i] = p.y[i] * sy + dy;
    p.z[i] = p.z[i] * sz + dz;
  }
  return p;
}

void ExpectClose(const VolumeFigures& f, const test::SlowFigures& e) {
  const double volume = e.cut + e.fill;
  EXPECT_NEAR(f.cut, e.cut, 1e-9 * volume);
  EXPECT_NEAR(f.fill, e.fill, 1e-9 * volume);
  EXPECT_NEAR(f.area, e.area, 1e-9 * e.area);
  EXPECT_NEAR(f.cutArea, e.cutArea, 1e-9 * e.area);
  EXPECT_NEAR(f.fillArea, e.fillArea, 1e-9 * e.area);
}

TEST(Volume, RandomSurfacesAgreeWithTheSlowOverlayEitherWayRound) {
  struct Case {
    const char* name;
    Points s, r;
    std::string sq;
  };
  const Points uniform = test::UniformPoints(220, 11);
  const std::vector<Case> table{
      {"Uniform", uniform, Moved(test::UniformPoints(160, 12), 0.7, 200, 0.8, -100, 1.3, -20), ""},
      {"UniformWithLimit", uniform, Moved(test::UniformPoints(160, 13), 1.1, -300, 0.6, 350, 0.9, 10), "0.6"},
      {"LatticeAgainstUniform", test::LatticePoints(14, 11, 14),
       Moved(test::UniformPoints(150, 15), 0.012, 1, 0.01, 0.5, 0.5, 30), ""},
      {"SameSitesOtherHeights", uniform, Moved(uniform, 1, 0, 1, 0, -1, 125), "0.8"},
  };
  for (const Case& c : table) {
    SCOPED_TRACE(c.name);
    const ToolMesh s = test::DelaunayMesh(c.s);
    const ToolMesh r = test::DelaunayMesh(c.r);
    const test::SlowFigures expected = test::SlowVolume(s, &r, 0, c.sq);
    ASSERT_GT(expected.area, 0);
    ASSERT_GT(expected.cut * expected.fill, 0) << "both cut and fill should be tested";
    ExpectClose(TinVolume(SurfaceOf(s, c.sq), SurfaceOf(r, c.sq)), expected);
    // Swapping the roles swaps cut and fill.
    const VolumeFigures swapped = TinVolume(SurfaceOf(r, c.sq), SurfaceOf(s, c.sq));
    ExpectClose(swapped, {expected.fill, expected.cut, expected.area, expected.fillArea, expected.cutArea});
    // Against a plane through the middle of S's heights.
    const double plane = (s.range.zMin + s.range.zMax) / 2;
    ExpectClose(TinVolume(SurfaceOf(s, c.sq), plane), test::SlowVolume(s, nullptr, plane, c.sq));
  }
}

TEST(Volume, SurfaceAgainstItselfIsLevelEverywhere) {
  const ToolMesh s = test::DelaunayMesh(test::UniformPoints(300, 21));
  const ToolMesh r = test::DelaunayMesh(test::UniformPoints(300, 21));
  const VolumeFigures f = TinVolume(SurfaceOf(s), SurfaceOf(r));
  EXPECT_NEAR(f.area, test::SlowVolume(s, nullptr, 0, "").area, 1e-9 * f.area);
  EXPECT_EQ(f.cut, 0);
  EXPECT_EQ(f.fill, 0);
  EXPECT_EQ(f.cutArea, 0);
  EXPECT_EQ(f.fillArea, 0);
}

TEST(Volume, DisjointSurfacesHaveNoOverlap) {
  const ToolMesh s = test::DelaunayMesh(Lattice(0, 0, 10, 4, [](double x, double) { return x; }));
  const ToolMesh r = test::DelaunayMesh(Lattice(20, 0, 10, 4, [](double x, double) { return x; }));
  // Touching along an edge is no overlap either.
  const ToolMesh touching = test::DelaunayMesh(Lattice(10, 0, 10, 4, [](double x, double) { return x; }));
  for (const VolumeMethod method : {VolumeMethod::Tin, VolumeMethod::Grid}) {
    EXPECT_FALSE(ComputeVolume(SurfaceOf(s), {std::nullopt, SurfaceOf(r)}, {method, 0.5}).overlap());
    EXPECT_FALSE(ComputeVolume(SurfaceOf(s), {std::nullopt, SurfaceOf(touching)}, {method, 0.5}).overlap());
  }
  // A limit that admits no triangle leaves no surface.
  EXPECT_FALSE(TinVolume(SurfaceOf(s, "-1"), 0.0).overlap());
}

TEST(Volume, GridSizeIsCheckedBeforeAnyWork) {
  const DataRange range{0, 10, 0, 4, 0, 1};
  struct Case {
    double cell;
    std::int64_t columns, rows;  // 0: refused
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const Case& c : std::vector<Case>{{0.5, 20, 8},
                                         {3, 4, 2},
                                         {100, 1, 1},
                                         {0, 0, 0},
                                         {-1, 0, 0},
                                         {nan, 0, 0},
                                         {std::numeric_limits<double>::infinity(), 0, 0},
                                         {1e-3, 10000, 4000},
                                         {1e-4, 0, 0},
                                         {1e-300, 0, 0}}) {
    const std::optional<VolumeGrid> grid = VolumeGridOf(range, c.cell);
    EXPECT_EQ(grid ? grid->columns : 0, c.columns) << c.cell;
    EXPECT_EQ(grid ? grid->rows : 0, c.rows) << c.cell;
  }
}

}  // namespace
}  // namespace plotvane
