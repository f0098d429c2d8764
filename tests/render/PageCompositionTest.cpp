// The composed page: its parts, their frames and places, and the order of
// drawing; pages with no data and after a failed load.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "RecordedCalls.h"
#include "RenderTestData.h"
#include "TraceSink.h"
#include "render/PageComposition.h"
#include "render/Patterns.h"
#include "render/RenderSettings.h"

namespace plotvane {
namespace {

using test::DrawCall;

TEST(PageComposition, AFailedLoadComposesNothing) {
  Document doc = test::RampDocument();
  doc.errMsg = "不正なデータが含まれています。";
  EXPECT_TRUE(ComposePage(doc, NullProgress()).isNull());
}

TEST(PageComposition, ScaleMapTitleAndScaleAgain) {
  Document doc = test::RampDocument();
  const gdi::EnhMetaFile page = ComposePage(doc, NullProgress());
  ASSERT_FALSE(page.isNull());
  EXPECT_EQ(page.frame(), kPageFrame);
  const std::vector<DrawCall> calls = test::RecordedCalls(page);
  const std::vector<DrawCall> plays = test::CallsOf(calls, DrawCall::Kind::Play);
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[0].rect, kMapOnPage);
  EXPECT_EQ(plays[1].rect, kTitleOnPage);
  EXPECT_EQ(page.pictures()[plays[0].picture].frame(), kMapFrame);
  EXPECT_EQ(page.pictures()[plays[1].picture].frame(), kTitleFrame);
  EXPECT_EQ(plays[0].mode, gdi::MapMode::MM_HIMETRIC);

  // Twenty bar rectangles before the map and twenty after the title.
  const auto map =
      std::find_if(calls.begin(), calls.end(), [](const DrawCall& c) { return c.kind == DrawCall::Kind::Play; });
  const auto before =
      std::count_if(calls.begin(), map, [](const DrawCall& c) { return c.kind == DrawCall::Kind::Polygon; });
  const auto after =
      std::count_if(map, calls.end(), [](const DrawCall& c) { return c.kind == DrawCall::Kind::Polygon; });
  EXPECT_EQ(before, 20);
  EXPECT_EQ(after, 20);
  EXPECT_EQ(calls.back().kind, DrawCall::Kind::Polygon) << "the visible scale is drawn last";
}

TEST(PageComposition, TheTitleIsInReferencePixels) {
  Document doc = test::RampDocument();
  const gdi::EnhMetaFile page = ComposePage(doc, NullProgress());
  const std::vector<DrawCall> texts = test::CallsOf(test::RecordedCalls(page.pictures()[1]), DrawCall::Kind::DrawText);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front().text, "Level");
  EXPECT_EQ(texts.front().mode, gdi::MapMode::MM_TEXT);
}

// Played into the page at its rectangle, a map unit (mx, my) lands at page
// (2300 + mx, 1535 + my).
TEST(PageComposition, MapPointsLandOneToOneOnTheSquare) {
  Document doc = test::RampDocument();
  const gdi::EnhMetaFile page = ComposePage(doc, NullProgress());
  const std::vector<DrawCall> pieces = test::CallsOf(test::RecordedCalls(page.pictures()[0]), DrawCall::Kind::Polygon);
  ASSERT_GT(pieces.size(), 10u);
  const DrawCall& piece = pieces[7];

  // Played so that the output's units are the page's own (0.01 mm, y upward).
  test::TraceSink trace;
  gdi::PlayPicture(page, gdi::RectF{0, 12620, 15795, 0}, trace);
  const auto landed = std::find_if(trace.polygons.begin(), trace.polygons.end(), [&](const auto& polygon) {
    if (polygon.size() != piece.points.size()) return false;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
      if (std::abs(polygon[i].x - (2300 + piece.points[i].x)) > 1e-6) return false;
      if (std::abs(polygon[i].y - (1535 + piece.points[i].y)) > 1e-6) return false;
    }
    return true;
  });
  EXPECT_NE(landed, trace.polygons.end());
}

TEST(PageComposition, WithoutDataTheMapSquareIsPlainWhite) {
  Document doc;
  const gdi::EnhMetaFile page = ComposePage(doc, NullProgress());
  ASSERT_FALSE(page.isNull());
  const std::vector<DrawCall> map = test::RecordedCalls(page.pictures()[0]);
  ASSERT_EQ(map.size(), 5u) << "the background and the four margins";
  for (const DrawCall& call : map) EXPECT_EQ(call.brush.colour, gdi::RGB(255, 255, 255));
  EXPECT_EQ(test::CallsOf(test::RecordedCalls(page), DrawCall::Kind::Polygon).size(), 40u) << "the scale, twice";
}

TEST(PageComposition, NoPenBrushOrFontOutlivesThePage) {
  Document doc = test::RampDocument();
  PatternBrushes();  // made once for the whole run, not per page
  const std::int32_t live = gdi::LiveObjectCount();
  ComposePage(doc, NullProgress());
  EXPECT_EQ(gdi::LiveObjectCount(), live);
}

}  // namespace
}  // namespace plotvane
