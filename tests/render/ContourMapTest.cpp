// The data-to-map mapping of DrawContourMap and what it hands on.

#include <gtest/gtest.h>

#include "RecordedCalls.h"
#include "levels/TriangleBands.h"
#include "render/ContourMap.h"
#include "render/RenderSettings.h"

namespace plotvane {
namespace {

// Points given as percentages of the range 0..200 in X, -50..50 in Y and
// 10..30 in Z.
Document Percentages(const std::vector<std::array<double, 3>>& points) {
  Document doc;
  doc.range = DataRange{0, 200, -50, 50, 10, 30};
  for (const auto& p : points) {
    doc.mesh.meshX.push_back(p[0]);
    doc.mesh.meshY.push_back(p[1]);
    doc.mesh.meshZ.push_back(p[2]);
  }
  doc.points.nn = static_cast<PointIndex>(points.size());
  return doc;
}

DrawSettings Window(std::string X1, std::string X2, std::string Y1, std::string Y2, std::string Z1 = "10",
                    std::string Z2 = "30") {
  DrawSettings s;
  s.X1 = std::move(X1);
  s.X2 = std::move(X2);
  s.Y1 = std::move(Y1);
  s.Y2 = std::move(Y2);
  s.Z1 = std::move(Z1);
  s.Z2 = std::move(Z2);
  s.n = "10";
  return s;
}

TEST(ConvertToMap, TheDataWindowSpansTheSquare) {
  const Document doc = Percentages({{0, 0, 0}, {100, 100, 100}, {50, 25, 50}});
  const MapPoints map = ConvertToMap(doc, ReadDrawParameters(Window("0", "200", "-50", "50")));
  EXPECT_EQ(map.mapX, (std::vector<std::int32_t>{0, 0, 10000, 5000}));
  EXPECT_EQ(map.mapY, (std::vector<std::int32_t>{0, 0, 10000, 2500}));
  EXPECT_EQ(map.normZ, (std::vector<double>{0.0, 0.0, 1.0, 0.5}));
}

TEST(ConvertToMap, HalfUnitsRoundToEven) {
  // X 0..200 over 0..10000 units: a unit is 0.02, so 0.25 is 12.5 units.
  const Document doc = Percentages({{0.125, 50, 50}, {0.375, 50, 50}});
  const MapPoints map = ConvertToMap(doc, ReadDrawParameters(Window("0", "200", "-50", "50")));
  EXPECT_EQ(map.mapX[1], 12);
  EXPECT_EQ(map.mapX[2], 38) << "37.5 goes up to the even 38";
}

TEST(ConvertToMap, NarrowWindowsReachOutsideAndReversedOnesMirror) {
  const Document doc = Percentages({{0, 0, 0}, {100, 100, 100}});
  const MapPoints narrow = ConvertToMap(doc, ReadDrawParameters(Window("50", "150", "-25", "25", "15", "25")));
  EXPECT_EQ(narrow.mapX[1], -5000);
  EXPECT_EQ(narrow.mapX[2], 15000);
  EXPECT_EQ(narrow.mapY[2], 15000);
  EXPECT_EQ(narrow.normZ[1], -0.5) << "levels are not clamped";
  EXPECT_EQ(narrow.normZ[2], 1.5);
  const MapPoints mirrored = ConvertToMap(doc, ReadDrawParameters(Window("200", "0", "-50", "50")));
  EXPECT_EQ(mirrored.mapX[1], 10000);
  EXPECT_EQ(mirrored.mapX[2], 0);
}

TEST(ConvertToMap, XAndYScaleIndependently) {
  Document doc = Percentages({{100, 100, 0}});
  doc.range = DataRange{0, 1000, 0, 10, 0, 1};
  const MapPoints map = ConvertToMap(doc, ReadDrawParameters(Window("0", "1000", "0", "10", "0", "1")));
  EXPECT_EQ(map.mapX[1], 10000);
  EXPECT_EQ(map.mapY[1], 10000);
}

TEST(ConvertToMap, AnAbsurdlyNarrowWindowIsHeldAtTheCoordinateLimit) {
  const Document doc = Percentages({{0, 0, 0}, {100, 100, 100}});
  const MapPoints map = ConvertToMap(doc, ReadDrawParameters(Window("0", "1e-300", "-50", "50")));
  EXPECT_EQ(map.mapX[2], kMapCoordinateLimit);
}

class CountingProgress final : public ProgressSink {
 public:
  void prepare(std::string_view text) override { label = text; }
  void close() override { ++closed; }
  std::string label;
  int closed = 0;
};

TEST(DrawContourMap, DrawsTheMeshWithTheSettingsCountsAndClosesTheProgress) {
  Document doc = Percentages({{0, 0, 0}, {100, 0, 100}, {0, 100, 50}});
  doc.mesh.ipt = {0, 1, 3, 2};
  doc.mesh.hh = {0.0, 0.2};
  doc.mesh.nt = 1;
  DrawSettings s = Window("0", "200", "-50", "50");
  s.ContinuousColour = 1;
  LevelStyles styles;
  for (int k = 0; k < 200; ++k) styles.addBand(200, FillMode::FillColour);
  styles.buildReserved();
  CountingProgress progress;
  gdi::DeviceContext hdc = gdi::CreateEnhMetaFileA(gdi::RECT{0, -10000, 10000, 0});
  const std::int32_t levelCount = DrawContourMap(hdc, doc, ReadDrawParameters(s), styles, progress);
  const auto calls = test::RecordedCalls(gdi::CloseEnhMetaFile(hdc));
  EXPECT_EQ(progress.label, "描画中です。");
  EXPECT_EQ(progress.closed, 1);
  EXPECT_EQ(levelCount, 10) << "the contour levels, not the 200 fill bands";
  // Levels 0..1 over 200 bands: one strip per band crossed, in two parts.
  EXPECT_EQ(test::CallsOf(calls, test::DrawCall::Kind::Polygon).size(), 5u + 200u + 2u);
  // Lines at tenths, 0.1 to 1.0: the one through the top vertex is a dot there.
  EXPECT_EQ(test::CallsOf(calls, test::DrawCall::Kind::Line).size(), 2u * 10u);
}

}  // namespace
}  // namespace plotvane
