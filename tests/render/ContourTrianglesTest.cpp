// The map as DrawContourTriangles records it: background, pieces with their
// styles, level lines, edges, masks, the distortion skip and progress.

#include <gtest/gtest.h>

#include "RecordedCalls.h"
#include "render/ContourTriangles.h"
#include "render/Patterns.h"

namespace plotvane {
namespace {

using gdi::LOGPEN;
using gdi::PenStyle;
using gdi::POINT;
using gdi::RGB;
using test::DrawCall;

constexpr LOGPEN kBlackLinePen{PenStyle::PS_SOLID, 20, RGB(0, 0, 0)};

// Points 1..n as given; triangles as vertex triples with their distortion.
struct MapInput {
  MapPoints points;
  Mesh mesh;

  void point(std::int32_t x, std::int32_t y, double z) {
    points.mapX.push_back(x);
    points.mapY.push_back(y);
    points.normZ.push_back(z);
  }
  void triangle(std::int32_t a, std::int32_t b, std::int32_t c, double hh = 0.1) {
    mesh.ipt.insert(mesh.ipt.end(), {a, b, c});
    mesh.hh.push_back(hh);
    ++mesh.nt;
  }
};

// One triangle from level 0.95 at the top down to 0.05.
MapInput SteepTriangle() {
  MapInput in;
  in.point(0, 10000, 0.95);
  in.point(10000, 0, 0.55);
  in.point(0, 0, 0.05);
  in.triangle(3, 1, 2);
  return in;
}

class RecordedMap : public ::testing::Test {
 protected:
  void SetUp() override {
    PatternBrushes();  // made once for the whole run; not counted as the drawing's
    for (std::int32_t k = 0; k < 10; ++k) styles.addBand(10, FillMode::FillColour);
    styles.buildReserved();
  }

  std::vector<DrawCall> draw(const MapInput& in, std::int32_t lines = 10, std::int32_t bands = 10) {
    gdi::DeviceContext hdc = gdi::CreateEnhMetaFileA(gdi::RECT{0, -10000, 10000, 0});
    hdc.SetMapMode(gdi::MapMode::MM_HIMETRIC);
    DrawContourTriangles(hdc, in.points, in.mesh, lines, bands, drawing, styles, LevelCount, NullProgress());
    return test::RecordedCalls(gdi::CloseEnhMetaFile(hdc));
  }

  // The pieces: every polygon but the background and the four masks.
  static std::vector<DrawCall> pieces(const std::vector<DrawCall>& calls) {
    std::vector<DrawCall> polygons = test::CallsOf(calls, DrawCall::Kind::Polygon);
    return std::vector<DrawCall>(polygons.begin() + 1, polygons.end() - 4);
  }

  LevelStyles styles;
  TriangleDrawing drawing;
  std::int32_t LevelCount = 0;
};

TEST_F(RecordedMap, WithoutTrianglesOnlyTheBackgroundAndTheMasksAreDrawn) {
  const std::vector<DrawCall> calls = draw(MapInput{});
  ASSERT_EQ(calls.size(), 5u);
  const std::vector<std::vector<POINT>> expected{{{-10000, -10000}, {20000, -10000}, {20000, 20000}, {-10000, 20000}},
                                                 {{-10000, -10000}, {20000, -10000}, {20000, 0}, {-10000, 0}},
                                                 {{-10000, 10000}, {20000, 10000}, {20000, 20000}, {-10000, 20000}},
                                                 {{-10000, -10000}, {0, -10000}, {0, 20000}, {-10000, 20000}},
                                                 {{10000, -10000}, {20000, -10000}, {20000, 20000}, {10000, 20000}}};
  for (std::size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i].points, expected[i]) << i;
    EXPECT_EQ(calls[i].pen.style, PenStyle::PS_NULL) << i;
    EXPECT_EQ(calls[i].brush.colour, RGB(255, 255, 255)) << i;
  }
}

TEST_F(RecordedMap, ColourPiecesTakeTheirBandsPenAndBrush) {
  drawing.contourLines = false;
  const std::vector<DrawCall> found = pieces(draw(SteepTriangle()));
  const std::vector<std::int32_t> bands{9, 8, 7, 6, 5, 5, 4, 3, 2, 1, 0};
  ASSERT_EQ(found.size(), bands.size());
  for (std::size_t i = 0; i < found.size(); ++i) {
    const gdi::COLORREF colour = styles.band(bands[i]).colour;
    EXPECT_EQ(found[i].pen, (LOGPEN{PenStyle::PS_SOLID, 20, colour})) << "piece " << i;
    EXPECT_EQ(found[i].brush.colour, colour) << "piece " << i;
    EXPECT_EQ(found[i].points.size(), 4u);
  }
}

TEST_F(RecordedMap, PatternPiecesCountPatternsFromTheTopBandWithoutOutline) {
  drawing.patternFill = true;
  const std::vector<DrawCall> found = pieces(draw(SteepTriangle()));
  const std::vector<std::int32_t> patterns{0, 1, 2, 3, 4, 4, 5, 6, 7, 8, 9};
  ASSERT_EQ(found.size(), patterns.size());
  for (std::size_t i = 0; i < found.size(); ++i) {
    EXPECT_EQ(found[i].brush.pattern, FillPatterns()[static_cast<std::size_t>(patterns[i])]) << "piece " << i;
    EXPECT_EQ(found[i].pen.style, PenStyle::PS_NULL) << "piece " << i;
  }
}

TEST_F(RecordedMap, LevelsOutsideTheWindowTakeTheReservedStyles) {
  MapInput in;
  in.point(0, 1000, 1.4);
  in.point(1000, 0, 0.5);
  in.point(0, 0, -0.3);
  in.triangle(1, 2, 3);
  const std::vector<DrawCall> found = pieces(draw(in));
  EXPECT_EQ(found.front().brush.colour, RGB(255, 255, 255)) << "above Z2";
  EXPECT_EQ(found.back().brush.colour, RGB(100, 100, 100)) << "below Z1";
  EXPECT_EQ(found.back().pen, (LOGPEN{PenStyle::PS_SOLID, 20, RGB(100, 100, 100)}));
}

TEST_F(RecordedMap, ContourSegmentsGoThereAndBackWithABlackPenEach) {
  const std::int32_t live = gdi::LiveObjectCount();
  const std::vector<DrawCall> lines = test::CallsOf(draw(SteepTriangle()), DrawCall::Kind::Line);
  ASSERT_EQ(lines.size(), 2u * 9u) << "nine level lines cross the triangle";
  for (std::size_t i = 0; i < lines.size(); i += 2) {
    EXPECT_EQ(lines[i].pen, kBlackLinePen);
    EXPECT_EQ(lines[i + 1].points[0], lines[i].points[1]);
    EXPECT_EQ(lines[i + 1].points[1], lines[i].points[0]);
  }
  EXPECT_EQ(gdi::LiveObjectCount(), live) << "every pen made for a segment is deleted";
  EXPECT_EQ(LevelCount, 10);
}

TEST_F(RecordedMap, WithoutContourLinesBandBoundariesTakeTheBandBelow) {
  drawing.contourLines = false;
  const std::vector<DrawCall> lines = test::CallsOf(draw(SteepTriangle()), DrawCall::Kind::Line);
  ASSERT_EQ(lines.size(), 18u);
  const std::vector<std::int32_t> linesCrossed{9, 8, 7, 6, 5, 4, 3, 2, 1};
  for (std::size_t i = 0; i < linesCrossed.size(); ++i) {
    EXPECT_EQ(lines[2 * i].pen.colour, styles.band(linesCrossed[i] - 1).colour) << "line " << linesCrossed[i];
  }
}

TEST_F(RecordedMap, ContinuousColouringWithoutContourLinesDrawsNoLevelLines) {
  drawing.contourLines = false;
  EXPECT_TRUE(test::CallsOf(draw(SteepTriangle(), 10, 200), DrawCall::Kind::Line).empty());
  EXPECT_EQ(LevelCount, 10) << "left at the number of contour levels";
}

TEST_F(RecordedMap, TriangleEdgesRunABCA) {
  drawing.contourLines = false;
  drawing.triangleEdges = true;
  MapInput in;
  in.point(0, 0, 0.51);
  in.point(0, 100, 0.52);
  in.point(100, 0, 0.53);
  in.triangle(1, 2, 3);
  const std::vector<DrawCall> lines = test::CallsOf(draw(in), DrawCall::Kind::Line);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].points, (std::vector<POINT>{{100, 0}, {0, 100}}));
  EXPECT_EQ(lines[1].points, (std::vector<POINT>{{0, 100}, {0, 0}}));
  EXPECT_EQ(lines[2].points, (std::vector<POINT>{{0, 0}, {100, 0}}));
  EXPECT_EQ(lines[0].pen, kBlackLinePen);
}

TEST_F(RecordedMap, ATriangleAtTheDistortionLimitIsLeftOutEntirely) {
  drawing.triangleEdges = true;
  drawing.hasLimit = true;
  drawing.limit = 0.5;
  MapInput in = SteepTriangle();
  in.triangle(3, 1, 2, 0.5);
  in.mesh.hh[1] = 0.49;
  const std::vector<DrawCall> twice = draw(in);
  EXPECT_EQ(pieces(twice).size(), 11u) << "only the first triangle is filled";
  EXPECT_EQ(test::CallsOf(twice, DrawCall::Kind::Line).size(), 18u + 3u);

  drawing.limit = 0.0;
  const std::vector<DrawCall> none = draw(in);
  EXPECT_EQ(none.size(), 5u) << "a limit of 0 hides every triangle";
}

class RecordingProgress final : public ProgressSink {
 public:
  void update(double value) override { values.push_back(value); }
  std::vector<double> values;
};

TEST_F(RecordedMap, ProgressMovesEveryTwentiethOfTheTrianglesPerPass) {
  MapInput in;
  in.point(0, 0, 0.1);
  in.point(0, 100, 0.2);
  in.point(100, 0, 0.3);
  for (int i = 0; i < 40; ++i) in.triangle(1, 2, 3);
  RecordingProgress progress;
  gdi::DeviceContext hdc = gdi::CreateEnhMetaFileA(gdi::RECT{0, -10000, 10000, 0});
  DrawContourTriangles(hdc, in.points, in.mesh, 10, 10, drawing, styles, LevelCount, progress);
  ASSERT_EQ(progress.values.size(), 40u);
  EXPECT_DOUBLE_EQ(progress.values[0], 3.0);
  EXPECT_DOUBLE_EQ(progress.values[19], 60.0);
  EXPECT_DOUBLE_EQ(progress.values[20], 62.0);
  EXPECT_DOUBLE_EQ(progress.values[39], 100.0);
}

}  // namespace
}  // namespace plotvane
