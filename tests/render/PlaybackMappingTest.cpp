// Where recorded drawing lands when played: mapping modes, frames, played
// pictures at their rectangles, pen widths, font heights and text layout.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "DemoPage.h"
#include "TraceSink.h"
#include "render/gdi/DeviceContext.h"
#include "render/gdi/GdiObjects.h"
#include "render/gdi/Playback.h"
#include "render/gdi/ReferenceDevice.h"

namespace plotvane::gdi {
namespace {

// A page with one map point drawn as a one-point-wide polygon, played onto
// the 597 x 477 screen rectangle.
PointF MapPointOnScreen(POINT mapPoint) {
  DeviceContext map = CreateEnhMetaFileA(test::kMapFrame);
  map.SetMapMode(MapMode::MM_HIMETRIC);
  const std::array<POINT, 2> dot{mapPoint, mapPoint};
  map.Polygon(dot);
  EnhMetaFile mapPicture = CloseEnhMetaFile(map);
  DeviceContext page = CreateEnhMetaFileA(test::kPageFrame);
  page.SetMapMode(MapMode::MM_HIMETRIC);
  page.PlayEnhMetaFile(mapPicture, test::kMapOnPage);
  test::TraceSink trace;
  PlayPicture(CloseEnhMetaFile(page), RectF{0, 0, 597, 477}, trace);
  return trace.polygons.at(0).at(0);
}

struct MapCase {
  POINT map;
};

class MapOnScreen : public ::testing::TestWithParam<MapCase> {};

// A map unit (mx, my) lies at page point (2300 + mx, 1535 + my) and at
// screen pixel ((2300 + mx) x 597 / 15795, (12620 - 1535 - my) x 477 / 12620).
TEST_P(MapOnScreen, LandsWhereThePageGeometryPutsIt) {
  const POINT m = GetParam().map;
  const PointF screen = MapPointOnScreen(m);
  EXPECT_NEAR(screen.x, (2300.0 + m.x) * 597 / 15795, 1e-9);
  EXPECT_NEAR(screen.y, (12620.0 - 1535 - m.y) * 477 / 12620, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Corners, MapOnScreen,
                         ::testing::Values(MapCase{{0, 0}}, MapCase{{10000, 0}}, MapCase{{0, 10000}},
                                           MapCase{{10000, 10000}}, MapCase{{5000, 2500}}, MapCase{{-10000, -10000}},
                                           MapCase{{20000, 20000}}));

TEST(Playback, TheMapSquareFillsItsPageRectangleOneToOne) {
  const PointF bottomLeft = MapPointOnScreen(POINT{0, 0});
  const PointF topRight = MapPointOnScreen(POINT{10000, 10000});
  EXPECT_NEAR(topRight.x - bottomLeft.x, 10000.0 * 597 / 15795, 1e-9);
  EXPECT_NEAR(bottomLeft.y - topRight.y, 10000.0 * 477 / 12620, 1e-9) << "y upward in the map, downward on screen";
}

TEST(Playback, PixelsOfTheTitleLandAtTheirPlaceOnThePage) {
  DeviceContext title = CreateEnhMetaFileA(test::kTitleFrame);
  title.SetMapMode(MapMode::MM_TEXT);
  const std::array<POINT, 2> dots{POINT{87, 12}, POINT{465, 440}};
  title.Polygon(dots);
  EnhMetaFile titlePicture = CloseEnhMetaFile(title);
  DeviceContext page = CreateEnhMetaFileA(test::kPageFrame);
  page.SetMapMode(MapMode::MM_HIMETRIC);
  page.PlayEnhMetaFile(titlePicture, test::kTitleOnPage);
  const EnhMetaFile pagePicture = CloseEnhMetaFile(page);

  // A reference pixel is 2540 / 96 units of 0.01 mm, counted from the page's
  // top-left corner; frame space has y downward from the top edge.
  const double unit = 2540.0 / 96.0;
  const test::TraceSink onPage = test::TraceInFrameSpace(pagePicture);
  ASSERT_EQ(onPage.polygons.size(), 1u);
  for (std::size_t i = 0; i < dots.size(); ++i) {
    EXPECT_NEAR(onPage.polygons[0][i].x, dots[i].x * unit, 1e-9);
    EXPECT_NEAR(onPage.polygons[0][i].y, dots[i].y * unit - 12620, 1e-9);
  }
  test::TraceSink onScreen;
  PlayPicture(pagePicture, RectF{0, 0, 597, 477}, onScreen);
  for (std::size_t i = 0; i < dots.size(); ++i) {
    EXPECT_NEAR(onScreen.polygons[0][i].x, dots[i].x * unit * 597 / 15795, 1e-9);
    EXPECT_NEAR(onScreen.polygons[0][i].y, dots[i].y * unit * 477 / 12620, 1e-9);
    EXPECT_NEAR(onScreen.polygons[0][i].x, dots[i].x, 0.05) << "about one screen pixel per title pixel";
  }
}

TEST(Playback, PenWidthsAndFontHeightsScaleWithThePicture) {
  DeviceContext map = CreateEnhMetaFileA(test::kMapFrame);
  map.SetMapMode(MapMode::MM_HIMETRIC);
  const HPEN pen = CreatePen(PenStyle::PS_SOLID, 20, RGB(0, 0, 0));
  const HFONT font = CreateFontA(500, 0, 0, 0, 0, false, false, false, 1, 0, 0, 0, 0, kPageFontFace);
  map.SelectObject(pen);
  map.SelectObject(font);
  DeleteObject(pen);
  DeleteObject(font);
  EnhMetaFile mapPicture = CloseEnhMetaFile(map);

  DeviceContext page = CreateEnhMetaFileA(test::kPageFrame);
  page.SetMapMode(MapMode::MM_HIMETRIC);
  page.PlayEnhMetaFile(mapPicture, RECT{0, 5000, 5000, 0});  // half size
  test::TraceSink trace;
  PlayPicture(CloseEnhMetaFile(page), RectF{0, 0, 1579.5, 1262}, trace);  // a tenth of 0.01 mm per unit
  const std::vector<std::string> pens = trace.linesStartingWith("pen solid 1.00");
  EXPECT_EQ(pens.size(), 1u) << "20 units at half size, then a tenth";
  EXPECT_EQ(trace.linesStartingWith("font 25.00").size(), 1u);
}

TEST(Playback, AfterAPlayedPictureTheOuterObjectsAreAnnouncedAgain) {
  const EnhMetaFile inner = test::MakeDemoMap();
  DeviceContext page = CreateEnhMetaFileA(test::kPageFrame);
  page.SetMapMode(MapMode::MM_HIMETRIC);
  const HPEN green = CreatePen(PenStyle::PS_SOLID, 30, RGB(0, 255, 0));
  page.SelectObject(green);
  page.PlayEnhMetaFile(inner, test::kMapOnPage);
  const std::array<POINT, 2> line{POINT{0, 0}, POINT{10, 10}};
  page.Polyline(line);
  DeleteObject(green);
  const test::TraceSink trace = test::TraceInFrameSpace(CloseEnhMetaFile(page));
  ASSERT_GE(trace.lines.size(), 4u);
  EXPECT_EQ(trace.lines.back(), "polyline (0.00,0.00) (10.00,-10.00)");
  const std::string& penBefore = trace.lines[trace.lines.size() - 4];
  EXPECT_EQ(penBefore, "pen solid 30.00 00ff00") << "the outer pen comes back after the map's own pens";
}

// A clip holds in its own picture only: a played picture starts without it,
// the outer one gets it back afterwards, and a clip left set ends with its
// picture.
TEST(Playback, AClipHoldsInItsOwnPictureOnly) {
  DeviceContext inner = CreateEnhMetaFileA(RECT{0, 0, 100, 100});
  const std::array<POINT, 2> stroke{POINT{0, 0}, POINT{50, 50}};
  inner.Polyline(stroke);
  const EnhMetaFile innerPicture = CloseEnhMetaFile(inner);
  DeviceContext outer = CreateEnhMetaFileA(RECT{0, 0, 100, 100});
  const std::array<POINT, 3> triangle{POINT{0, 0}, POINT{80, 0}, POINT{0, 60}};
  EXPECT_FALSE(outer.SelectClipPolygon(std::span(triangle).first(2))) << "a clip needs three points";
  EXPECT_TRUE(outer.SelectClipPolygon(triangle));
  outer.PlayEnhMetaFile(innerPicture, RECT{0, 0, 100, 100});
  outer.Polyline(stroke);
  const test::TraceSink trace = test::TraceInFrameSpace(CloseEnhMetaFile(outer));
  const std::vector<std::string> clips = trace.linesStartingWith("clip");
  ASSERT_EQ(clips.size(), 4u);
  EXPECT_TRUE(clips[0].starts_with("clip (0.00,0.00) (2116.67,0.00) (0.00,1587.50)")) << "the triangle in frame units";
  EXPECT_EQ(clips[1], "clip") << "none for the played picture";
  EXPECT_EQ(clips[2], clips[0]) << "back for the outer one";
  const auto firstStroke = std::find_if(trace.lines.begin(), trace.lines.end(),
                                        [](const std::string& line) { return line.starts_with("polyline"); });
  const auto unclipped = std::find(trace.lines.begin(), trace.lines.end(), clips[1]);
  EXPECT_LT(unclipped, firstStroke) << "the played picture draws unclipped";
  EXPECT_EQ(trace.lines.back(), "clip") << "the clip ends with its picture";
}

struct TextCase {
  const char* name;
  unsigned format;
  const char* text;
  std::vector<std::string> expected;
};

class TextLayout : public ::testing::TestWithParam<TextCase> {};

// Text in a 200 x 100 pixel rectangle at (100, 50), with a font of 20 pixels,
// played at one unit per pixel.
TEST_P(TextLayout, AnchorsEachLineAtItsAlignment) {
  const TextCase& c = GetParam();
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, 0, 50800, 38100});
  const HFONT font = CreateFontA(20, 0, 0, 0, 0, false, false, false, 1, 0, 0, 0, 0, kPageFontFace);
  hdc.SelectObject(font);
  hdc.DrawTextA(c.text, RECT{100, 50, 300, 150}, c.format);
  DeleteObject(font);
  test::TraceSink trace;
  PlayPicture(CloseEnhMetaFile(hdc), RectF{0, 0, 1920, 1440}, trace);
  EXPECT_EQ(trace.linesStartingWith("text"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, TextLayout,
    ::testing::Values(
        TextCase{"left", DT_LEFT, "abc", {"text left (100.00,50.00) clip (100.00,50.00,300.00,150.00) abc"}},
        TextCase{"centre", DT_CENTER, "abc", {"text centre (200.00,50.00) clip (100.00,50.00,300.00,150.00) abc"}},
        TextCase{"right", DT_RIGHT, "abc", {"text right (300.00,50.00) clip (100.00,50.00,300.00,150.00) abc"}},
        TextCase{"vcentre",
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                 "a\r\nb",
                 {"text centre (200.00,90.00) clip (100.00,50.00,300.00,150.00) ab"}},
        TextCase{"bottom",
                 DT_RIGHT | DT_BOTTOM | DT_SINGLELINE,
                 "abc",
                 {"text right (300.00,130.00) clip (100.00,50.00,300.00,150.00) abc"}},
        TextCase{"lines",
                 DT_LEFT,
                 "one\r\ntwo\n\nfour",
                 {"text left (100.00,50.00) clip (100.00,50.00,300.00,150.00) one",
                  "text left (100.00,70.00) clip (100.00,50.00,300.00,150.00) two",
                  "text left (100.00,110.00) clip (100.00,50.00,300.00,150.00) four"}},
        TextCase{"noclip", DT_CENTER | DT_NOCLIP, "abc", {"text centre (200.00,50.00) abc"}}),
    [](const ::testing::TestParamInfo<TextCase>& param) { return std::string(param.param.name); });

TEST(Playback, TextOutAnchorsAtItsPointUnclippedInAnUpwardPicture) {
  DeviceContext hdc = CreateEnhMetaFileA(test::kMapFrame);
  hdc.SetMapMode(MapMode::MM_HIMETRIC);
  const HFONT font = CreateFontA(300, 0, 900, 900, 0, false, false, false, 1, 0, 0, 0, 0, kPageFontFace);
  hdc.SelectObject(font);
  hdc.TextOutA(1000, 2000, "Y");
  DeleteObject(font);
  const test::TraceSink trace = test::TraceInFrameSpace(CloseEnhMetaFile(hdc));
  EXPECT_EQ(trace.linesStartingWith("font 300.00 esc 900").size(), 1u);
  EXPECT_EQ(trace.linesStartingWith("text"), std::vector<std::string>{"text left (1000.00,-2000.00) Y"});
}

TEST(Playback, ADrawTextRectangleInAnUpwardPictureIsNormalised) {
  DeviceContext hdc = CreateEnhMetaFileA(test::kMapFrame);
  hdc.SetMapMode(MapMode::MM_HIMETRIC);
  const HFONT font = CreateFontA(400, 0, 0, 0, 0, false, false, false, 1, 0, 0, 0, 0, kPageFontFace);
  hdc.SelectObject(font);
  hdc.DrawTextA("z", RECT{0, 1000, 2000, 600}, DT_LEFT);  // top is the larger y
  DeleteObject(font);
  const test::TraceSink trace = test::TraceInFrameSpace(CloseEnhMetaFile(hdc));
  EXPECT_EQ(trace.linesStartingWith("text"),
            std::vector<std::string>{"text left (0.00,-1000.00) clip (0.00,-1000.00,2000.00,-600.00) z"});
}

TEST(Playback, ANullPicturePlaysNothing) {
  test::TraceSink trace;
  PlayPicture(EnhMetaFile(), RectF{0, 0, 10, 10}, trace);
  EXPECT_TRUE(trace.lines.empty());
}

}  // namespace
}  // namespace plotvane::gdi
