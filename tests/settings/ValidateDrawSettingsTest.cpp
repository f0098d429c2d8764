// The dialog's OK and Test checks, field by field.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "data/Document.h"
#include "settings/DrawSettings.h"

namespace plotvane {
namespace {

const DataRange kRange{-2, 8, 100, 300, 0.5, 9.5};

using TextField = std::string DrawSettings::*;

// Settings that pass the checks unchanged, with some texts replaced.
DrawSettings Valid(std::initializer_list<std::pair<TextField, std::string>> changes = {}) {
  DrawSettings s{.X1 = "0", .X2 = "5", .Y1 = "150", .Y2 = "250", .Z1 = "1", .Z2 = "9", .n = "10", .sq = "0.5"};
  for (const auto& [field, text] : changes) s.*field = text;
  return s;
}

struct LevelsCase {
  const char* typed;
  const char* validated;
};

class LevelsCases : public testing::TestWithParam<LevelsCase> {};

TEST_P(LevelsCases, WholePartWithinTwoTo512) {
  DrawSettings s = Valid({{&DrawSettings::n, GetParam().typed}});
  ValidateDrawSettings(s, kRange);
  EXPECT_EQ(s.n, GetParam().validated);
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelsCases,
                         testing::Values(LevelsCase{"1", "2"}, LevelsCase{"600", "512"}, LevelsCase{"7.9", "7"},
                                         LevelsCase{"abc", "20"}, LevelsCase{"-3.5", "2"}, LevelsCase{"", "20"},
                                         LevelsCase{" 12 ", "12"}, LevelsCase{"2", "2"}, LevelsCase{"512", "512"},
                                         LevelsCase{"512.9", "512"}, LevelsCase{"1e300", "512"},
                                         LevelsCase{"12abc", "20"}));

TEST(ValidateDrawSettings, EqualXFallsBackToTheDataExtent) {
  DrawSettings s = Valid({{&DrawSettings::X1, "5"}, {&DrawSettings::X2, "5.0"}});
  ValidateDrawSettings(s, kRange);
  EXPECT_EQ(s.X1, "-2");
  EXPECT_EQ(s.X2, "8");
  EXPECT_EQ(s.Y1, "150");  // Y untouched
}

TEST(ValidateDrawSettings, InvertedXAndYAreAccepted) {
  DrawSettings s = Valid(
      {{&DrawSettings::X1, "10"}, {&DrawSettings::X2, "0"}, {&DrawSettings::Y1, "250"}, {&DrawSettings::Y2, "150"}});
  ValidateDrawSettings(s, kRange);
  EXPECT_EQ(s.X1, "10");
  EXPECT_EQ(s.X2, "0");
  EXPECT_EQ(s.Y1, "250");
  EXPECT_EQ(s.Y2, "150");
}

TEST(ValidateDrawSettings, EqualYFallsBackToTheDataExtent) {
  DrawSettings s = Valid({{&DrawSettings::Y1, "1e2"}, {&DrawSettings::Y2, "100"}});
  ValidateDrawSettings(s, kRange);
  EXPECT_EQ(s.Y1, "100");
  EXPECT_EQ(s.Y2, "300");
}

TEST(ValidateDrawSettings, ZMustRise) {
  for (const auto& [z1, z2] : {std::pair{"3", "3"}, std::pair{"5", "3"}}) {
    DrawSettings s = Valid({{&DrawSettings::Z1, z1}, {&DrawSettings::Z2, z2}});
    ValidateDrawSettings(s, kRange);
    EXPECT_EQ(s.Z1, "0.5") << z1 << ' ' << z2;
    EXPECT_EQ(s.Z2, "9.5") << z1 << ' ' << z2;
  }
}

TEST(ValidateDrawSettings, NumbersBecomeTheirTextOthersTheExtent) {
  DrawSettings s = Valid({{&DrawSettings::X1, " 12.50"},
                          {&DrawSettings::X2, "1e3"},
                          {&DrawSettings::Y1, "north"},
                          {&DrawSettings::Z2, ""}});
  ValidateDrawSettings(s, kRange);
  EXPECT_EQ(s.X1, "12.5");
  EXPECT_EQ(s.X2, "1000");
  EXPECT_EQ(s.Y1, "100");
  EXPECT_EQ(s.Z2, "9.5");
}

TEST(ValidateDrawSettings, LimitIsANumberOrEmpty) {
  const std::pair<const char*, const char*> cases[] = {{"x", ""},   {" 2.50", "2.5"}, {"", ""},
                                                       {"inf", ""}, {"-1", "-1"},     {"0", "0"}};
  for (const auto& [typed, validated] : cases) {
    DrawSettings s = Valid({{&DrawSettings::sq, typed}});
    ValidateDrawSettings(s, kRange);
    EXPECT_EQ(s.sq, validated) << typed;
  }
}

TEST(ValidateDrawSettings, SwitchesAndFillModeUntouched) {
  DrawSettings s = Valid();
  s.ContourLines = 0;
  s.TriangleEdges = 1;
  s.selectFillMode(FillMode::FillPattern);
  const DrawSettings before = s;
  ValidateDrawSettings(s, kRange);
  EXPECT_EQ(s, before);
}

}  // namespace
}  // namespace plotvane
