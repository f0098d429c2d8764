// The page text as DrawTitle records it: fonts, rectangles, alignments and
// the texts of the range values.

#include <gtest/gtest.h>

#include "RecordedCalls.h"
#include "render/Title.h"

namespace plotvane {
namespace {

using gdi::RECT;
using test::DrawCall;

std::vector<DrawCall> Title(const PointSet& points, const DrawSettings& settings) {
  gdi::DeviceContext hdc = gdi::CreateEnhMetaFileA(gdi::RECT{0, 0, 15795, 12620});
  DrawTitle(hdc, points, settings, ReadDrawParameters(settings));
  return test::RecordedCalls(gdi::CloseEnhMetaFile(hdc));
}

PointSet Labels() {
  PointSet p;
  p.labelX = "East";
  p.labelY = "Y(m)";
  p.labelZ = "標高";
  return p;
}

DrawSettings Window() {
  DrawSettings s;
  s.X1 = "5.32";
  s.X2 = "238.78";
  s.Y1 = "3.8";
  s.Y2 = "154.04";
  s.Z1 = "0.123456789";
  s.Z2 = "129.51";
  s.n = "20";
  return s;
}

// At 96 pixels per inch k = 96 / 2540 pixels per 0.01 mm.
TEST(Title, TextsStandInTheirRectanglesWithTheirAlignments) {
  const std::vector<DrawCall> texts = test::CallsOf(Title(Labels(), Window()), DrawCall::Kind::DrawText);
  struct Expected {
    std::string text;
    RECT rect;
    unsigned format;
  };
  const std::vector<Expected> expected{
      {"標高", {87, 12, 465, 28}, gdi::DT_CENTER},       {"3.8", {0, 413, 67, 425}, gdi::DT_RIGHT},
      {"154.04", {0, 35, 67, 47}, gdi::DT_RIGHT},        {"5.32", {49, 439, 125, 451}, gdi::DT_CENTER},
      {"238.78", {427, 439, 503, 451}, gdi::DT_CENTER},  {"East", {87, 454, 465, 466}, gdi::DT_CENTER},
      {"0.1234568", {525, 413, 714, 425}, gdi::DT_LEFT}, {"129.51", {525, 35, 714, 47}, gdi::DT_LEFT}};
  ASSERT_EQ(texts.size(), expected.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].text, expected[i].text) << i;
    EXPECT_EQ(texts[i].rect, expected[i].rect) << expected[i].text;
    EXPECT_EQ(texts[i].format, expected[i].format) << expected[i].text;
  }
}

TEST(Title, FontsAreSixteenAndTwelvePixelsHighAtNinetySixDpi) {
  const std::vector<DrawCall> calls = Title(Labels(), Window());
  const std::vector<DrawCall> texts = test::CallsOf(calls, DrawCall::Kind::DrawText);
  EXPECT_EQ(texts[0].font.height, 16);
  EXPECT_EQ(texts[1].font.height, 12);
  EXPECT_EQ(texts[0].font.faceName, "ＭＳ Ｐゴシック");
  EXPECT_EQ(texts[0].font.charSet, gdi::DEFAULT_CHARSET);
  EXPECT_EQ(texts[0].font.weight, gdi::FW_DONTCARE);
  const std::vector<DrawCall> vertical = test::CallsOf(calls, DrawCall::Kind::TextOut);
  ASSERT_EQ(vertical.size(), 1u);
  EXPECT_EQ(vertical[0].font.height, 12);
  EXPECT_EQ(vertical[0].font.escapement, 900);
  EXPECT_EQ(vertical[0].font.orientation, 900);
}

// The default measurer gives half the cell height per ASCII character: "Y(m)"
// is 24 pixels wide, so the name starts 12 pixels below the map's middle.
TEST(Title, TheYAxisNameIsCentredOnTheMapsMiddle) {
  const std::vector<DrawCall> vertical = test::CallsOf(Title(Labels(), Window()), DrawCall::Kind::TextOut);
  ASSERT_EQ(vertical.size(), 1u);
  EXPECT_EQ(vertical[0].text, "Y(m)");
  EXPECT_EQ(vertical[0].points[0], (gdi::POINT{23, 242}));  // [600k], [6085k + 12]
}

TEST(Title, XAndYValuesAreTheTextsAsTheyStand) {
  DrawSettings s = Window();
  s.X1 = "12.50";
  s.Y2 = "1e3";
  const std::vector<DrawCall> texts = test::CallsOf(Title(Labels(), s), DrawCall::Kind::DrawText);
  EXPECT_EQ(texts[2].text, "1e3");
  EXPECT_EQ(texts[3].text, "12.50");
}

TEST(Title, ZValuesAreSinglePrecisionWithSevenDigits) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"0.123456789", "0.1234568"}, {"129.51", "129.51"}, {"-3", "-3"}, {"12abc", "12"}, {"1e39", "1E+39"}};
  for (const auto& [given, shown] : cases) {
    DrawSettings s = Window();
    s.Z1 = given;
    EXPECT_EQ(test::CallsOf(Title(Labels(), s), DrawCall::Kind::DrawText)[6].text, shown) << given;
  }
}

TEST(Title, EmptyTextsDrawNothing) {
  const std::vector<DrawCall> calls = Title(PointSet{}, Window());
  EXPECT_TRUE(test::CallsOf(calls, DrawCall::Kind::TextOut).empty());
  const std::vector<DrawCall> texts = test::CallsOf(calls, DrawCall::Kind::DrawText);
  EXPECT_EQ(texts.size(), 6u) << "the four range texts and the two Z values";
  EXPECT_EQ(texts[0].text, "3.8");
}

}  // namespace
}  // namespace plotvane
