// The band arithmetic and the pieces and level lines of single triangles.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "levels/TriangleBands.h"

namespace plotvane {
namespace {

struct Piece {
  BandPiece corners;
  std::int32_t band;
};

std::vector<Piece> Pieces(const SortedTriangle& t, std::int32_t count) {
  std::vector<Piece> pieces;
  ForEachBandPiece(t, LevelSteps(count), [&](const BandPiece& p, std::int32_t k) { pieces.push_back({p, k}); });
  return pieces;
}

struct Segment {
  MapPoint P, Q;
  std::int32_t line;
};

std::vector<Segment> Segments(const SortedTriangle& t, std::int32_t count) {
  std::vector<Segment> segments;
  ForEachLevelSegment(t, LevelSteps(count), [&](MapPoint P, MapPoint Q, std::int32_t k) {
    segments.push_back({P, Q, k});
  });
  return segments;
}

TEST(RoundMapUnit, HalvesGoToTheEvenUnit) {
  EXPECT_EQ(RoundMapUnit(12.5), 12);
  EXPECT_EQ(RoundMapUnit(13.5), 14);
  EXPECT_EQ(RoundMapUnit(-12.5), -12);
  EXPECT_EQ(RoundMapUnit(12.500001), 13);
  EXPECT_EQ(RoundMapUnit(-0.4), 0);
}

TEST(RoundMapUnit, ValuesBeyondThirtyTwoBitsAreHeldAtTheLimit) {
  EXPECT_EQ(RoundMapUnit(1e20), kMapCoordinateLimit);
  EXPECT_EQ(RoundMapUnit(-std::numeric_limits<double>::infinity()), -kMapCoordinateLimit);
  EXPECT_EQ(RoundMapUnit(std::nan("")), 0);
}

TEST(LevelSteps, BandsAreFoundByDividingByTheStep) {
  const LevelSteps ten(10);
  EXPECT_EQ(ten.band(0.3), 2) << "0.3 / 0.1 is 2.9999999999999996";
  EXPECT_EQ(ten.line(3), 0.30000000000000004);
  EXPECT_EQ(ten.band(0.2), 2);
  EXPECT_EQ(ten.band(-0.05), -1);
  EXPECT_EQ(LevelSteps(200).band(1.0), 200) << "a level at Z2 lies in the band above the top";
  EXPECT_EQ(LevelSteps(93).band(1.0), 92) << "1 / (1 / 93) is 92.99999999999999";
}

TEST(LevelSteps, BandsFarOutsideTheWindowAreHeldAtTheMargin) {
  const LevelSteps ten(10);
  EXPECT_EQ(ten.band(1e300), 10 - 1 + kBandMargin);
  EXPECT_EQ(ten.band(-1e300), -kBandMargin);
  EXPECT_EQ(ten.band(std::nan("")), -kBandMargin);
  EXPECT_EQ(ten.band(100.05), 1000) << "within the margin nothing changes";
}

TEST(SortByLevel, SortsDownwardsAndKeepsTheMeshOrderOfEqualLevels) {
  const std::vector<double> z{0.0, 0.1, 0.5, 0.3, 0.3, 0.3};
  std::int32_t a = 1, b = 2, c = 3;
  SortByLevel(a, b, c, z);
  EXPECT_EQ((std::vector{a, b, c}), (std::vector{2, 3, 1}));
  a = 1, b = 3, c = 4;
  SortByLevel(a, b, c, z);
  EXPECT_EQ((std::vector{a, b, c}), (std::vector{3, 4, 1})) << "3 and 4 are equal and stay in order";
  a = 4, b = 5, c = 3;
  SortByLevel(a, b, c, z);
  EXPECT_EQ((std::vector{a, b, c}), (std::vector{4, 5, 3}));
}

TEST(SwapValues, ExchangesTheTwo) {
  std::int32_t a = 3, b = -7;
  SwapValues(a, b);
  EXPECT_EQ(a, -7);
  EXPECT_EQ(b, 3);
}

// A triangle inside one band is two pieces: above and below the line B-M.
TEST(BandPieces, ATriangleInOneBandIsTwoPieces) {
  const SortedTriangle t{{0, 1000, 0.58}, {1000, 0, 0.55}, {0, 0, 0.51}};
  // M on A-C at B's level: y = (0.04 x 1000 + 0.03 x 0) / 0.07 = 571.4.
  const MapPoint A{0, 1000}, B{1000, 0}, C{0, 0}, M{0, 571};
  const std::vector<Piece> pieces = Pieces(t, 10);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].corners, (BandPiece{A, A, M, B}));
  EXPECT_EQ(pieces[1].corners, (BandPiece{B, M, C, B}));
  EXPECT_EQ(pieces[0].band, 5);
  EXPECT_EQ(pieces[1].band, 5);
}

TEST(BandPieces, AFlatTriangleIsSplitAtTheMidpointOfAC) {
  const SortedTriangle t{{0, 0, 0.42}, {3, 7, 0.42}, {5, 0, 0.42}};
  const std::vector<Piece> pieces = Pieces(t, 10);
  ASSERT_EQ(pieces.size(), 2u);
  const MapPoint M{2, 0};  // (0 + 5) / 2 = 2.5, to the even unit
  EXPECT_EQ(pieces[0].corners, (BandPiece{MapPoint{0, 0}, MapPoint{0, 0}, M, MapPoint{3, 7}}));
  EXPECT_EQ(pieces[1].corners, (BandPiece{MapPoint{3, 7}, M, MapPoint{5, 0}, MapPoint{3, 7}}));
  EXPECT_EQ(pieces[1].band, 4);
  EXPECT_TRUE(Segments(t, 10).empty()) << "a flat triangle has no level lines";
}

// Level of a point on the segment from p (level zp) to q (level zq).
double LevelOn(MapPoint at, MapPoint p, double zp, MapPoint q, double zq) {
  const double length = std::hypot(q.x - p.x, q.y - p.y);
  return zp + (zq - zp) * std::hypot(at.x - p.x, at.y - p.y) / length;
}

class ManyBands : public ::testing::Test {
 protected:
  const SortedTriangle t{{0, 10000, 0.95}, {10000, 0, 0.55}, {0, 0, 0.05}};
  const MapPoint A{0, 10000}, B{10000, 0}, C{0, 0};
  const MapPoint M{0, 5556};  // (0.5 x 10000) / 0.9
};

TEST_F(ManyBands, StripsRunFromTheTopBandDownAndShareTheirEdges) {
  const std::vector<Piece> pieces = Pieces(t, 10);
  std::vector<std::int32_t> bands;
  for (const Piece& p : pieces) bands.push_back(p.band);
  EXPECT_EQ(bands, (std::vector<std::int32_t>{9, 8, 7, 6, 5, 5, 4, 3, 2, 1, 0}));
  EXPECT_EQ(pieces.front().corners[0], A);
  EXPECT_EQ(pieces.front().corners[1], A);
  EXPECT_EQ(pieces[4].corners[2], M) << "the upper part closes at M and B";
  EXPECT_EQ(pieces[4].corners[3], B);
  EXPECT_EQ(pieces[5].corners[0], B) << "the lower part starts at the line B-M";
  EXPECT_EQ(pieces[5].corners[1], M);
  EXPECT_EQ(pieces.back().corners[2], C);
  EXPECT_EQ(pieces.back().corners[3], pieces.back().corners[0]) << "the closing triangle repeats P1";
  for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
    if (i == 4) continue;
    EXPECT_EQ(pieces[i + 1].corners[0], pieces[i].corners[3]) << "piece " << i;
    EXPECT_EQ(pieces[i + 1].corners[1], pieces[i].corners[2]) << "piece " << i;
  }
}

TEST_F(ManyBands, StripEdgesLieOnTheLevelLines) {
  const std::vector<Piece> pieces = Pieces(t, 10);
  for (std::size_t i = 0; i < 4; ++i) {
    const double L = (9 - static_cast<double>(i)) * 0.1;  // the line below band 9 - i
    EXPECT_NEAR(LevelOn(pieces[i].corners[3], A, 0.95, B, 0.55), L, 1e-4) << "Q1 on A-B, strip " << i;
    EXPECT_NEAR(LevelOn(pieces[i].corners[2], A, 0.95, M, 0.55), L, 1e-4) << "Q2 on A-M, strip " << i;
  }
  for (std::size_t i = 5; i < 10; ++i) {
    const double L = (10 - static_cast<double>(i)) * 0.1;
    EXPECT_NEAR(LevelOn(pieces[i].corners[3], C, 0.05, B, 0.55), L, 1e-4) << "Q1 on C-B, strip " << i;
    EXPECT_NEAR(LevelOn(pieces[i].corners[2], C, 0.05, M, 0.55), L, 1e-4) << "Q2 on C-M, strip " << i;
  }
}

TEST_F(ManyBands, LevelLinesCrossFromTheTopDown) {
  const std::vector<Segment> segments = Segments(t, 10);
  std::vector<std::int32_t> lines;
  for (const Segment& s : segments) lines.push_back(s.line);
  EXPECT_EQ(lines, (std::vector<std::int32_t>{9, 8, 7, 6, 5, 4, 3, 2, 1}));
  for (const Segment& s : segments) {
    const double L = s.line * 0.1;
    if (s.line > 5) {
      EXPECT_NEAR(LevelOn(s.P, A, 0.95, B, 0.55), L, 1e-4) << "P on A-B, line " << s.line;
    } else {
      EXPECT_NEAR(LevelOn(s.P, C, 0.05, B, 0.55), L, 1e-4) << "P on C-B, line " << s.line;
    }
    EXPECT_NEAR(LevelOn(s.Q, A, 0.95, C, 0.05), L, 1e-4) << "Q on A-C, line " << s.line;
  }
}

TEST(LevelSegments, ALevelThatOnlyTouchesTheLowestVertexIsNotDrawn) {
  const SortedTriangle t{{0, 100, 0.55}, {100, 100, 0.45}, {50, 0, 0.2}};
  std::vector<std::int32_t> lines;
  for (const Segment& s : Segments(t, 10)) lines.push_back(s.line);
  EXPECT_EQ(lines, (std::vector<std::int32_t>{5, 4, 3}));
}

TEST(BandPieces, AVertexAtTheTopOfTheWindowStartsWithAnEmptyStripAboveIt) {
  const SortedTriangle t{{0, 1000, 1.0}, {1000, 0, 0.9925}, {0, 0, 0.9875}};
  const std::vector<Piece> pieces = Pieces(t, 200);
  ASSERT_GE(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].band, 200);
  EXPECT_EQ(pieces[0].corners, (BandPiece{MapPoint{0, 1000}, MapPoint{0, 1000}, MapPoint{0, 1000}, MapPoint{0, 1000}}));
  EXPECT_EQ(pieces[1].band, 199);
}

// A Z window far narrower than the data must not make one triangle issue
// millions of pieces.
TEST(BandPieces, LevelsFarOutsideTheWindowMergeAtTheMargin) {
  const SortedTriangle t{{0, 1000, 1e9}, {1000, 0, 0.5}, {0, 0, -1e9}};
  const std::vector<Piece> pieces = Pieces(t, 20);
  EXPECT_EQ(pieces.size(), static_cast<std::size_t>(2 * kBandMargin + 20 + 1));
  EXPECT_EQ(pieces.front().band, 19 + kBandMargin);
  EXPECT_EQ(pieces.back().band, -kBandMargin);
}

}  // namespace
}  // namespace plotvane
