// The colour scale as DrawScale records it: brackets, the bar's rectangles
// and the level styles it leaves built.

#include <gtest/gtest.h>

#include "RecordedCalls.h"
#include "render/ColourScale.h"
#include "render/LevelColour.h"
#include "render/Patterns.h"

namespace plotvane {
namespace {

using gdi::LOGPEN;
using gdi::PenStyle;
using gdi::POINT;
using gdi::RGB;
using test::DrawCall;

constexpr LOGPEN kBracketPen{PenStyle::PS_SOLID, 20, RGB(0, 0, 0)};

DrawSettings Bands(const std::string& n, FillMode mode = FillMode::FillColour, int continuous = 0) {
  DrawSettings s;
  s.n = n;
  s.fillMode = mode;
  s.ContinuousColour = continuous;
  return s;
}

std::vector<DrawCall> Scale(const DrawSettings& settings, LevelStyles& styles) {
  gdi::DeviceContext hdc = gdi::CreateEnhMetaFileA(gdi::RECT{0, -12620, 15795, 0});
  hdc.SetMapMode(gdi::MapMode::MM_HIMETRIC);
  DrawScale(hdc, ReadDrawParameters(settings), styles);
  return test::RecordedCalls(gdi::CloseEnhMetaFile(hdc));
}

// The lower edge of each rectangle, in drawing order.
std::vector<std::int32_t> Bottoms(const std::vector<DrawCall>& rectangles) {
  std::vector<std::int32_t> bottoms;
  for (const DrawCall& r : rectangles) bottoms.push_back(r.points[2].y);
  return bottoms;
}

TEST(ColourScale, BracketsFrameTheMapOnTheLeftAndBelow) {
  LevelStyles styles;
  const std::vector<DrawCall> lines = test::CallsOf(Scale(Bands("2"), styles), DrawCall::Kind::Line);
  const std::vector<std::vector<POINT>> expected{{{2115, 1535}, {1880, 1535}},   {{1880, 1535}, {1880, 11535}},
                                                 {{1880, 11535}, {2115, 11535}}, {{2300, 1350}, {2300, 1115}},
                                                 {{2300, 1115}, {12300, 1115}},  {{12300, 1115}, {12300, 1350}}};
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].points, expected[i]) << i;
    EXPECT_EQ(lines[i].pen, kBracketPen) << i;
  }
}

TEST(ColourScale, ThreeBandsMeetAtTheRoundedThirds) {
  LevelStyles styles;
  const std::vector<DrawCall> bars = test::CallsOf(Scale(Bands("3"), styles), DrawCall::Kind::Polygon);
  ASSERT_EQ(bars.size(), 3u);
  EXPECT_EQ(Bottoms(bars), (std::vector<std::int32_t>{1535, 4868, 8202}));
  for (std::size_t k = 0; k < bars.size(); ++k) {
    EXPECT_EQ(bars[k].points[0], (POINT{13300, 11535})) << "every rectangle starts at the bar's top";
    EXPECT_EQ(bars[k].points[1], (POINT{13700, 11535}));
    EXPECT_EQ(bars[k].points[3].x, 13300);
    EXPECT_EQ(bars[k].brush.colour, LevelColour(static_cast<double>(k) / 2, FillMode::FillColour));
    EXPECT_EQ(bars[k].pen.style, PenStyle::PS_NULL) << "colour segments have no outline";
  }
}

TEST(ColourScale, PatternSegmentsCountFromTheTopAndAreOutlined) {
  LevelStyles styles;
  const std::vector<DrawCall> bars =
      test::CallsOf(Scale(Bands("3", FillMode::FillPattern), styles), DrawCall::Kind::Polygon);
  ASSERT_EQ(bars.size(), 3u);
  for (std::size_t k = 0; k < bars.size(); ++k) {
    EXPECT_EQ(bars[k].brush.pattern, FillPatterns()[2 - k]) << "band " << k;
    EXPECT_EQ(bars[k].pen, kBracketPen) << "band " << k;
  }
  EXPECT_EQ(styles.band(1).colour, RGB(0, 0, 0)) << "level pens are black in pattern mode";
}

TEST(ColourScale, ContinuousColouringDrawsTwoHundredSegmentsWhateverN) {
  LevelStyles styles;
  const std::vector<DrawCall> bars =
      test::CallsOf(Scale(Bands("7", FillMode::FillColour, 1), styles), DrawCall::Kind::Polygon);
  ASSERT_EQ(bars.size(), 200u);
  EXPECT_EQ(bars[1].points[2].y, 1585) << "half a millimetre per segment";
  EXPECT_EQ(bars[199].brush.colour, RGB(255, 0, 0));
  EXPECT_EQ(styles.bandCount(), 200);
}

TEST(ColourScale, LeavesTheStylesBuiltAndNoObjectBehind) {
  const std::int32_t live = gdi::LiveObjectCount();
  {
    LevelStyles styles;
    Scale(Bands("20", FillMode::FillGrey), styles);
    EXPECT_EQ(styles.bandCount(), 20);
    EXPECT_EQ(styles.belowRange().colour, RGB(100, 100, 100));
    EXPECT_EQ(styles.aboveRange().colour, RGB(255, 255, 255));
    EXPECT_EQ(gdi::LiveObjectCount(), live + 2 * 22) << "only the style tables' pens and brushes remain";
    Scale(Bands("5", FillMode::FillGrey), styles);
    EXPECT_EQ(styles.bandCount(), 5) << "rebuilt for the new settings";
    EXPECT_EQ(gdi::LiveObjectCount(), live + 2 * 7);
  }
  EXPECT_EQ(gdi::LiveObjectCount(), live);
}

}  // namespace
}  // namespace plotvane
