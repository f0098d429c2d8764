// True scale: the narrower window widened about its centre, directions kept,
// square and degenerate windows left alone; and the dialog's form, which
// checks the texts first and touches nothing but the four window texts.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/DataRange.h"
#include "settings/EqualAspect.h"
#include "support/SettingsTestSupport.h"

namespace plotvane {
namespace {

struct AspectCase {
  std::string name;
  MapWindow window;
  MapWindow expected;
};

const std::vector<AspectCase> kCases = {
    {"SquareSiteStays", {0, 100, 0, 100}, {0, 100, 0, 100}},
    {"SquareSiteOffTheOriginStays", {-30, 70, 500, 600}, {-30, 70, 500, 600}},
    {"WideSiteGrowsUpAndDown", {0, 200, 0, 100}, {0, 200, -50, 150}},
    {"TallSiteGrowsLeftAndRight", {0, 10, 0, 40}, {-15, 25, 0, 40}},
    {"MirroredXKeepsItsDirection", {10, 0, 0, 40}, {25, -15, 0, 40}},
    {"MirroredYKeepsItsDirection", {0, 200, 100, 0}, {0, 200, 150, -50}},
    {"BothMirrored", {200, 0, 100, 0}, {200, 0, 150, -50}},
    {"SurveyCoordinates", {-12000, -11800, 35400, 35500}, {-12000, -11800, 35350, 35550}},
    {"ZeroSpanStays", {5, 5, 0, 10}, {5, 5, 0, 10}},
    {"InfiniteSpanStays", {-1e308, 1e308, 0, 10}, {-1e308, 1e308, 0, 10}},
};

class EqualAspectTest : public ::testing::TestWithParam<AspectCase> {};

TEST_P(EqualAspectTest, Window) {
  const AspectCase& c = GetParam();
  const MapWindow out = EqualAspect(c.window);
  EXPECT_EQ(out, c.expected) << out.x1 << ' ' << out.x2 << ' ' << out.y1 << ' ' << out.y2;
}

INSTANTIATE_TEST_SUITE_P(Table, EqualAspectTest, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return row.param.name; });

TEST(ApplyEqualAspect, ChecksTheTextsFirstAndChangesOnlyTheWindow) {
  const DataRange range{0, 40, 0, 10, 1, 2};
  // X1 is no number: the check takes the data's extent, 0, as OK would;
  // Z1 is no number either but is not the helper's to change.
  DrawSettings s = test::Settings("west", "40", "0", "10", "abc", "2", "7", "0.5", 0, 1, 1, FillMode::FillGrey);
  ApplyEqualAspect(s, range);
  EXPECT_EQ(s, test::Settings("0", "40", "-15", "25", "abc", "2", "7", "0.5", 0, 1, 1, FillMode::FillGrey));
}

TEST(ApplyEqualAspect, EqualEndsFallBackToTheDataThenWiden) {
  const DataRange range{0, 40, 0, 10, 1, 2};
  DrawSettings s = test::Settings("3", "3", "0", "10", "1", "2", "20", "");
  ApplyEqualAspect(s, range);
  EXPECT_EQ(s.X1, "0");
  EXPECT_EQ(s.X2, "40");
  EXPECT_EQ(s.Y1, "-15");
  EXPECT_EQ(s.Y2, "25");
}

}  // namespace
}  // namespace plotvane
