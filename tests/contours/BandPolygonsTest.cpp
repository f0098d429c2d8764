// The filled bands: their areas against triangles clipped independently, the
// right-hand rule, and holes inside their outer rings.

#include <gtest/gtest.h>

#include <cmath>

#include "contours/ContourExport.h"
#include "contours/ContourTestSupport.h"

namespace plotvane {
namespace {

// A pit inside a ring of high ground inside low ground, so that the middle
// band is an annulus with a hole.
Document Crater() {
  std::vector<test::MeshVertex> v{{50, 50, 0}};
  for (int ring = 1; ring <= 2; ++ring) {
    for (int i = 0; i < 8; ++i) {
      const double angle = -i * M_PI / 4;
      v.push_back({50 + 20 * ring * std::cos(angle), 50 + 20 * ring * std::sin(angle), ring == 1 ? 100.0 : 0.0});
    }
  }
  std::vector<std::array<int, 3>> t;
  for (int i = 0; i < 8; ++i) {
    const int a = 1 + i, b = 1 + (i + 1) % 8, c = 9 + i, d = 9 + (i + 1) % 8;
    t.push_back({0, a, b});
    t.push_back({a, c, d});
    t.push_back({a, d, b});
  }
  return test::ContourDocument(v, t, "3");
}

struct BandCase {
  const char* name;
  Document doc;
};

std::vector<BandCase> BandCases() {
  return {{"crater", Crater()},
          {"lattice_a", test::ContourDocument(test::LatticeMesh(8, 5), "5", "0.7")},
          {"lattice_b", test::ContourDocument(test::LatticeMesh(10, 99), "9")},
          {"lattice_many_bands", test::ContourDocument(test::LatticeMesh(6, 7), "40")}};
}

class BandPolygons : public testing::TestWithParam<BandCase> {};

TEST_P(BandPolygons, AreasMatchTheClippedTriangles) {
  const Document& doc = GetParam().doc;
  const ContourSet set = BuildContourSet(doc, doc.settings, true);
  ASSERT_FALSE(set.bands.empty());
  for (const ContourBand& band : set.bands) {
    EXPECT_NEAR(test::AreaOf(band), test::OracleBandArea(doc, band.index), 1e-7) << "band " << band.index;
    // Levels are written with 15 significant digits.
    EXPECT_NEAR(band.lower, 100.0 * band.index / std::stoi(doc.settings.n), 1e-12);
    EXPECT_NEAR(band.upper, 100.0 * (band.index + 1) / std::stoi(doc.settings.n), 1e-12);
  }
  // No band with area is missing.
  for (int k = -1; k <= std::stoi(doc.settings.n); ++k) {
    const bool listed = std::any_of(set.bands.begin(), set.bands.end(), [&](const auto& b) { return b.index == k; });
    if (!listed) {
      EXPECT_NEAR(test::OracleBandArea(doc, k), 0.0, 1e-9) << "band " << k;
    }
  }
}

TEST_P(BandPolygons, FollowTheRightHandRuleWithHolesInside) {
  const Document& doc = GetParam().doc;
  for (const ContourBand& band : BuildContourSet(doc, doc.settings, true).bands) {
    for (const BandPolygon& p : band.polygons) {
      EXPECT_GT(test::SignedArea(p.outer), 0.0) << "band " << band.index;
      for (const ContourRing& hole : p.holes) {
        EXPECT_LT(test::SignedArea(hole), 0.0) << "band " << band.index;
        EXPECT_LT(-test::SignedArea(hole), test::SignedArea(p.outer));
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Meshes, BandPolygons, testing::ValuesIn(BandCases()),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(BandShapes, CraterBandsAreNestedAnnuli) {
  const Document doc = Crater();
  const ContourSet set = BuildContourSet(doc, doc.settings, true);
  auto band = [&](int k) {
    return std::find_if(set.bands.begin(), set.bands.end(), [&](const auto& b) { return b.index == k; });
  };
  // Levels 0, 1/3, 2/3, 1. Band 2 is the rim: one annulus. Band 1 lies on
  // both slopes: two annuli, the inner one inside the hole of the outer one,
  // each keeping its own hole.
  ASSERT_NE(band(2), set.bands.end());
  ASSERT_EQ(band(2)->polygons.size(), 1u);
  EXPECT_EQ(band(2)->polygons[0].holes.size(), 1u);
  ASSERT_NE(band(1), set.bands.end());
  ASSERT_EQ(band(1)->polygons.size(), 2u);
  for (const BandPolygon& p : band(1)->polygons) EXPECT_EQ(p.holes.size(), 1u);
}

}  // namespace
}  // namespace plotvane
