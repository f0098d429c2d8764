// The contour data kept to a site boundary: lines cut at the rings with only
// their inside pieces left, bands covering exactly the boundary's region.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "contours/ContourExport.h"
#include "contours/ContourTestSupport.h"
#include "data/BoundaryMask.h"
#include "support/EvenOddInside.h"

namespace plotvane {
namespace {

// Mesh and data coordinates agree (0..100): a concave ring with a hole.
const std::vector<MaskRing> kSite = {
    {{5.5, 7.25}, {93.1, 4.9}, {88.3, 91.7}, {47.9, 52.3}, {9.7, 95.1}},
    {{30.3, 20.1}, {55.7, 20.9}, {54.9, 40.3}, {31.1, 39.7}},
};

bool SlowInside(double x, double y) { return test::SlowInside(kSite, x, y); }

double RingArea(const MaskRing& ring) {
  double twice = 0;
  for (std::size_t k = 0; k < ring.size(); ++k) {
    twice += ring[k].x * ring[(k + 1) % ring.size()].y - ring[(k + 1) % ring.size()].x * ring[k].y;
  }
  return std::fabs(twice) / 2;
}

double Length(const test::Segment& s) { return std::hypot(s.b.x - s.a.x, s.b.y - s.a.y); }

TEST(BoundaryClip, LinesKeepTheirInsidePiecesAndBandsTheRegion) {
  const Document whole = test::ContourDocument(test::LatticeMesh(12, 5), "7");
  Document site = whole;
  site.mesh.boundary = std::make_shared<const BoundaryMask>(kSite);
  const ContourSet all = BuildContourSet(whole, whole.settings, true);
  const ContourSet kept = BuildContourSet(site, site.settings, true);
  ASSERT_FALSE(kept.levels.empty());
  double keptLength = 0, sampledLength = 0;
  for (const ContourLevel& level : all.levels) {
    // The inside length of the whole lines, by sampling each segment finely.
    for (const test::Segment& s : test::SegmentsOf(level)) {
      constexpr int kSamples = 400;
      int inside = 0;
      for (int i = 0; i < kSamples; ++i) {
        const double t = (i + 0.5) / kSamples;
        inside += SlowInside(s.a.x + t * (s.b.x - s.a.x), s.a.y + t * (s.b.y - s.a.y));
      }
      sampledLength += Length(s) * inside / kSamples;
    }
  }
  for (const ContourLevel& level : kept.levels) {
    for (const test::Segment& s : test::SegmentsOf(level)) {
      keptLength += Length(s);
      EXPECT_TRUE(SlowInside((s.a.x + s.b.x) / 2, (s.a.y + s.b.y) / 2)) << s.a.x << ", " << s.a.y;
    }
  }
  EXPECT_NEAR(keptLength, sampledLength, 0.005 * sampledLength);

  double wholeArea = 0, keptArea = 0;
  for (const ContourBand& band : all.bands) wholeArea += test::AreaOf(band);
  for (const ContourBand& band : kept.bands) keptArea += test::AreaOf(band);
  ASSERT_NEAR(wholeArea, 100.0 * 100.0, 1e-6);
  EXPECT_NEAR(keptArea, RingArea(kSite[0]) - RingArea(kSite[1]), 1e-6);
}

}  // namespace
}  // namespace plotvane
