// The dialog's OK and Test checks: typed texts in, validated settings out,
// compared whole so that a field changed by mistake shows too.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "common/DataRange.h"
#include "settings/DrawSettings.h"
#include "support/SettingsTestSupport.h"

namespace plotvane {
namespace {

using test::WithTexts;
using Changes = std::initializer_list<std::pair<test::TextField, std::string>>;

const DataRange kRange{-2, 8, 100, 300, 0.5, 9.5};

// Settings that pass the checks unchanged.
const DrawSettings kValid = test::Settings("0", "5", "150", "250", "1", "9", "10", "0.5");

struct ValidateCase {
  std::string name;
  DrawSettings typed;
  DrawSettings validated;
};

std::vector<ValidateCase> Cases() {
  using S = DrawSettings;
  std::vector<ValidateCase> cases = {
      {"ValidStaysAsItIs", kValid, kValid},
      {"EqualXFallsBackToTheDataExtent", WithTexts(kValid, {{&S::X1, "5"}, {&S::X2, "5.0"}}),
       WithTexts(kValid, {{&S::X1, "-2"}, {&S::X2, "8"}})},
      {"InvertedXAndYAreAccepted", WithTexts(kValid, {{&S::X1, "10"}, {&S::X2, "0"}, {&S::Y1, "250"}, {&S::Y2, "150"}}),
       WithTexts(kValid, {{&S::X1, "10"}, {&S::X2, "0"}, {&S::Y1, "250"}, {&S::Y2, "150"}})},
      {"EqualYFallsBackToTheDataExtent", WithTexts(kValid, {{&S::Y1, "1e2"}, {&S::Y2, "100"}}),
       WithTexts(kValid, {{&S::Y1, "100"}, {&S::Y2, "300"}})},
      {"EqualZFallsBackToTheDataExtent", WithTexts(kValid, {{&S::Z1, "3"}, {&S::Z2, "3"}}),
       WithTexts(kValid, {{&S::Z1, "0.5"}, {&S::Z2, "9.5"}})},
      {"FallingZFallsBackToTheDataExtent", WithTexts(kValid, {{&S::Z1, "5"}, {&S::Z2, "3"}}),
       WithTexts(kValid, {{&S::Z1, "0.5"}, {&S::Z2, "9.5"}})},
      {"NumbersBecomeTheirTextOthersTheExtent",
       WithTexts(kValid, {{&S::X1, " 12.50"}, {&S::X2, "1e3"}, {&S::Y1, "north"}, {&S::Z2, ""}}),
       WithTexts(kValid, {{&S::X1, "12.5"}, {&S::X2, "1000"}, {&S::Y1, "100"}, {&S::Z2, "9.5"}})},
  };
  // The band count: the whole part, within 2..512, 20 for a text that is no number.
  const std::pair<const char*, const char*> levels[] = {
      {"1", "2"},     {"600", "512"}, {"7.9", "7"},   {"abc", "20"},    {"-3.5", "2"},    {"", "20"},
      {" 12 ", "12"}, {"2", "2"},     {"512", "512"}, {"512.9", "512"}, {"1e300", "512"}, {"12abc", "20"}};
  for (const auto& [typed, validated] : levels) {
    cases.push_back({"Levels '" + std::string(typed) + "'", WithTexts(kValid, {{&S::n, typed}}),
                     WithTexts(kValid, {{&S::n, validated}})});
  }
  // The distortion limit: a number's text, or empty for no limit.
  const std::pair<const char*, const char*> limits[] = {{"x", ""},   {" 2.50", "2.5"}, {"", ""},
                                                        {"inf", ""}, {"-1", "-1"},     {"0", "0"}};
  for (const auto& [typed, validated] : limits) {
    cases.push_back({"Limit '" + std::string(typed) + "'", WithTexts(kValid, {{&S::sq, typed}}),
                     WithTexts(kValid, {{&S::sq, validated}})});
  }
  // The switches and the fill mode are not the checks' business.
  DrawSettings switches = kValid;
  switches.ContourLines = 0;
  switches.TriangleEdges = 1;
  switches.selectFillMode(FillMode::FillPattern);
  cases.push_back({"SwitchesAndFillModeUntouched", switches, switches});
  return cases;
}

TEST(ValidateDrawSettings, EveryCase) {
  for (const ValidateCase& c : Cases()) {
    DrawSettings s = c.typed;
    ValidateDrawSettings(s, kRange);
    EXPECT_EQ(s, c.validated) << c.name;
  }
}

}  // namespace
}  // namespace plotvane
