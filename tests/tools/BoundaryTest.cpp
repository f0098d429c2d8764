// The site boundary as a mask: the even-odd test against a slow scan of
// every edge, the look-up, the volumes against areas and integrals computed
// here from the rings alone, and the boundaries refused.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "support/EvenOddInside.h"
#include "support/SettingsTestSupport.h"
#include "tools/Boundary.h"
#include "tools/MeshValueAt.h"
#include "tools/ToolMeshes.h"
#include "tools/Volume.h"

namespace plotvane {
namespace {

using test::Points;
using test::ToolMesh;

using test::SlowInside;

// A star-shaped ring of n corners around (cx, cy), radii in [r0, r1).
MaskRing Star(std::mt19937& random, double cx, double cy, double r0, double r1, int n) {
  std::uniform_real_distribution<double> radius(r0, r1);
  MaskRing ring;
  for (int k = 0; k < n; ++k) {
    const double angle = 2 * M_PI * k / n;
    const double r = radius(random);
    ring.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
  }
  return ring;
}

TEST(BoundaryMask, AgreesWithEveryEdgeScan) {
  std::mt19937 random(11);
  std::uniform_real_distribution<double> coordinate(-5, 105);
  for (int trial = 0; trial < 20; ++trial) {
    // An outer star, a hole in it and an island in the hole.
    const std::vector<MaskRing> rings = {Star(random, 50, 50, 30, 50, 5 + trial * 7),
                                         Star(random, 50, 50, 10, 20, 3 + trial), Star(random, 50, 50, 2, 6, 4)};
    const BoundaryMask mask(rings);
    for (int k = 0; k < 2000; ++k) {
      const double x = coordinate(random), y = coordinate(random);
      ASSERT_EQ(mask.contains(x, y), SlowInside(rings, x, y)) << "trial " << trial << " at " << x << ", " << y;
    }
  }
}

// A lattice over [0, 20]^2 with Z = 2x + 3y + 10, which the mesh reproduces.
ToolMesh PlaneMesh() {
  Points p;
  for (int i = 0; i <= 20; ++i) {
    for (int j = 0; j <= 20; ++j) p.add(i, j, 2.0 * i + 3.0 * j + 10);
  }
  return test::DelaunayMesh(p);
}

// The site in data units: a concave outer ring and a square hole, corners off
// the half-cell lattice so that no grid-volume cell centre lies on an edge.
const std::vector<MaskRing> kSite = {
    {{2.13, 3.07}, {17.31, 2.11}, {18.07, 16.23}, {9.41, 11.17}, {3.09, 17.93}},
    {{6.03, 5.11}, {6.07, 8.93}, {11.91, 8.97}, {11.87, 5.13}},
};

std::vector<MaskRing> Normalised(const std::vector<MaskRing>& rings, const DataRange& r) {
  std::vector<MaskRing> out;
  for (const MaskRing& ring : rings) {
    MaskRing n;
    for (const MaskPoint& p : ring) {
      const NormalisedPoint q = NormalisePoint(r, p.x, p.y);
      n.push_back({q.xn, q.yn});
    }
    out.push_back(n);
  }
  return out;
}

// Area and first moments of a ring by Green's theorem, made positive.
struct Moments {
  double area = 0, sx = 0, sy = 0;
};
Moments MomentsOf(const MaskRing& ring) {
  Moments m;
  for (std::size_t k = 0; k < ring.size(); ++k) {
    const MaskPoint& a = ring[k];
    const MaskPoint& b = ring[(k + 1) % ring.size()];
    const double cross = a.x * b.y - b.x * a.y;
    m.area += cross / 2;
    m.sx += (a.x + b.x) * cross / 6;
    m.sy += (a.y + b.y) * cross / 6;
  }
  if (m.area < 0) m = {-m.area, -m.sx, -m.sy};
  return m;
}

TEST(Boundary, LookUpIsTheSurfaceInsideAndOutsideBeyond) {
  ToolMesh t = PlaneMesh();
  const DistortionLimit limit = ReadDistortionLimit(test::WithLimit(""));
  ToolMesh masked = t;
  masked.mesh.boundary = std::make_shared<const BoundaryMask>(Normalised(kSite, t.range));
  std::mt19937 random(5);
  std::uniform_real_distribution<double> coordinate(-1, 21);
  int inside = 0;
  for (int k = 0; k < 3000; ++k) {
    const double x = coordinate(random), y = coordinate(random);
    const MeshValue whole = MeshValueAt(t.mesh, t.range, limit, x, y);
    const MeshValue got = MeshValueAt(masked.mesh, masked.range, limit, x, y);
    if (SlowInside(kSite, x, y)) {
      ++inside;
      ASSERT_EQ(got.kind, whole.kind) << x << ", " << y;
      ASSERT_EQ(got.z, whole.z) << x << ", " << y;
    } else {
      ASSERT_EQ(got.kind, MeshValue::Kind::Outside) << x << ", " << y;
    }
  }
  EXPECT_GT(inside, 500);
}

TEST(Boundary, TinVolumeIsTheIntegralOverTheRingsWithTheHoleTakenOut) {
  ToolMesh t = PlaneMesh();
  t.mesh.boundary = std::make_shared<const BoundaryMask>(Normalised(kSite, t.range));
  const VolumeSurface s{&t.mesh, t.range, ReadDistortionLimit(test::WithLimit(""))};
  const Moments outer = MomentsOf(kSite[0]), hole = MomentsOf(kSite[1]);
  const double area = outer.area - hole.area;
  const double integral = 2 * (outer.sx - hole.sx) + 3 * (outer.sy - hole.sy) + 10 * area;
  // Against a level plane 4 below the lowest point: the plane's height times the area comes off.
  const VolumeFigures f = ComputeVolume(s, {-4.0, {}}, {VolumeMethod::Tin, kDefaultVolumeCell});
  EXPECT_NEAR(f.area, area, 1e-9 * area);
  EXPECT_NEAR(f.cut, integral + 4 * area, 1e-9 * integral);
  EXPECT_EQ(f.fill, 0);
}

// Neighbouring lots share edges and corners, a corner of one lying on the
// other's edge: the area is the sum of the lots.
TEST(Boundary, NeighbouringLotsAddUp) {
  ToolMesh t = PlaneMesh();
  const std::vector<MaskRing> lots = {{{2.5, 3.5}, {9.5, 3.5}, {9.5, 15.5}, {2.5, 15.5}},
                                      {{9.5, 9.5}, {9.5, 3.5}, {17.5, 2.5}, {16.5, 15.5}, {9.5, 15.5}}};
  SiteShapes shapes;
  for (const MaskRing& lot : lots) {
    SiteShape shape;
    shape.closed = true;
    for (const MaskPoint& p : lot) shape.vertices.push_back({p.x, p.y});
    shapes.shapes.push_back(shape);
  }
  Document doc;
  doc.points.nn = 441;
  doc.mesh = t.mesh;
  doc.range = t.range;
  ASSERT_FALSE(ApplyBoundary(doc, shapes, "lots.sim"));
  const VolumeSurface s{&doc.mesh, doc.range, ReadDistortionLimit(test::WithLimit(""))};
  const VolumeFigures f = ComputeVolume(s, {0.0, {}}, {VolumeMethod::Tin, kDefaultVolumeCell});
  const double area = MomentsOf(lots[0]).area + MomentsOf(lots[1]).area;
  EXPECT_NEAR(f.area, area, 1e-9 * area);
}

TEST(Boundary, GridVolumeCountsTheCellCentresInside) {
  ToolMesh t = PlaneMesh();
  t.mesh.boundary = std::make_shared<const BoundaryMask>(Normalised(kSite, t.range));
  const VolumeSurface s{&t.mesh, t.range, ReadDistortionLimit(test::WithLimit(""))};
  const double cell = 0.5;
  int count = 0;
  double sum = 0;
  for (int i = 0; i < 40; ++i) {
    for (int j = 0; j < 40; ++j) {
      const float x = static_cast<float>(t.range.xMin + (i + 0.5) * cell);
      const float y = static_cast<float>(t.range.yMin + (j + 0.5) * cell);
      if (!SlowInside(kSite, x, y)) continue;
      ++count;
      sum += 2.0 * x + 3.0 * y + 10;
    }
  }
  const VolumeGrid grid = *VolumeGridOf(t.range, cell);
  const VolumeFigures f = ComputeVolume(s, {0.0, {}}, {VolumeMethod::Grid, cell});
  EXPECT_EQ(grid.columns, 40);
  EXPECT_EQ(f.area, count * cell * cell);
  EXPECT_NEAR(f.cut, sum * cell * cell, 1e-6 * sum);
}

TEST(Boundary, RefusedWhenItHasNoRingOrMissesTheData) {
  const ToolMesh t = PlaneMesh();
  Document doc;
  doc.points.nn = 441;
  doc.mesh = t.mesh;
  doc.range = t.range;
  SiteShapes line{{SiteShape{{{1, 1}, {5, 5}}, false, "1 行目"}}};
  SiteShapes far{{SiteShape{{{100, 100}, {101, 100}, {101, 101}}, true, "1 行目"}}};
  SiteShapes around{{SiteShape{{{-50, -50}, {70, -50}, {70, 70}, {-50, 70}}, true, "1 行目"}}};
  SiteShapes crossing{{SiteShape{{{2, 2}, {12, 2}, {12, 12}, {2, 12}}, true, "1 行目"},
                       SiteShape{{{8, 8}, {18, 8}, {18, 18}, {8, 18}}, true, "6 行目"}}};
  // Overlapping without a proper crossing: edges meet only end to side.
  SiteShapes lapping{{SiteShape{{{2, 2}, {12, 2}, {12, 12}, {2, 12}}, true, "1 行目"},
                      SiteShape{{{7, 2}, {17, 2}, {17, 12}, {7, 12}}, true, "6 行目"}}};
  for (const SiteShapes* refused : {&line, &far, &crossing, &lapping}) {
    const std::optional<Failure> failure = ApplyBoundary(doc, *refused, "b.txt");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->kind, FailureKind::LoadFailed);
    EXPECT_NE(failure->detail.find("b.txt"), std::string::npos);
    EXPECT_FALSE(doc.mesh.boundary);
  }
  EXPECT_NE(ApplyBoundary(doc, crossing, "b.txt")->detail.find("1 行目 と 6 行目"), std::string::npos);
  // A ring around all the data holds every mesh vertex.
  EXPECT_FALSE(ApplyBoundary(doc, around, "b.txt"));
  ASSERT_TRUE(doc.mesh.boundary);
  ClearBoundary(doc);
  EXPECT_FALSE(doc.mesh.boundary);
}

}  // namespace
}  // namespace plotvane
