// The fourteen-line settings block: its written form and the reading of its
// switch and option lines.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/Document.h"
#include "settings/SettingsBlock.h"

namespace plotvane {
namespace {

TEST(SettingsBlock, DefaultsFilledFromTheDataRange) {
  // A plain data file with X 0..250, Y -10..40, Z 1.25..98.6: the load fills
  // the empty texts from the range exactly as the dialog's checks do.
  DrawSettings s = DefaultDrawSettings();
  ValidateDrawSettings(s, DataRange{0, 250, -10, 40, 1.25, 98.6});
  EXPECT_EQ(SettingsBlockLines(s), (std::vector<std::string>{"0", "250", "-10", "40", "1.25", "98.6", "20", "inf",
                                                             " 1 ", " 0 ", " 0 ", "True", "False", "False"}));
}

TEST(SettingsBlock, TextEndsEveryLineWithCrLf) {
  DrawSettings s;
  s.X1 = "1";
  s.sq = "0.3";
  s.selectFillMode(FillMode::FillPattern);
  EXPECT_EQ(SettingsBlockText(s),
            "1\r\n\r\n\r\n\r\n\r\n\r\n\r\n0.3\r\n 1 \r\n 0 \r\n 0 \r\nFalse\r\nFalse\r\nTrue\r\n");
}

TEST(SwitchValue, ZeroOrOneAfterRounding) {
  EXPECT_EQ(SwitchValue("0"), 0);
  EXPECT_EQ(SwitchValue(" 1 "), 1);
  EXPECT_EQ(SwitchValue("1.4"), 1);
  EXPECT_EQ(SwitchValue("0.5"), 0);  // a half goes to the even neighbour
  EXPECT_EQ(SwitchValue("-0.4"), 0);
  for (const char* bad : {"2", "-1", "1.5", "on", "", "True", "1e400"}) {
    EXPECT_FALSE(SwitchValue(bad).has_value()) << bad;
  }
}

TEST(TruthValue, WordsInAnyCaseOrNumbers) {
  EXPECT_EQ(TruthValue("True"), true);
  EXPECT_EQ(TruthValue(" tRUE\t"), true);
  EXPECT_EQ(TruthValue("FALSE"), false);
  EXPECT_EQ(TruthValue("0"), false);
  EXPECT_EQ(TruthValue("-1"), true);
  EXPECT_EQ(TruthValue("0.25"), true);
  for (const char* bad : {"yes", "", "Truee", "T", "1x"}) EXPECT_FALSE(TruthValue(bad).has_value()) << bad;
}

std::vector<std::string_view> Views(const std::vector<std::string>& texts) { return {texts.begin(), texts.end()}; }

TEST(ApplySettingsLines, FalseNeverLeavesNoModeSelected) {
  DrawSettings s;
  s.selectFillMode(FillMode::FillGrey);
  const std::vector<std::string> lines{"", "", "", "", "", "", "", "", "1", "0", "0", "False", "False", "False"};
  ASSERT_TRUE(ApplySettingsLines(s, Views(lines)));
  EXPECT_EQ(s.fillMode, FillMode::FillGrey);
}

TEST(ApplySettingsLines, PatternModeKeepsContinuousColourOff) {
  DrawSettings s;
  s.selectFillMode(FillMode::FillPattern);
  const std::vector<std::string> eleven{"", "", "", "", "", "", "", "", "1", "0", "1"};
  ASSERT_TRUE(ApplySettingsLines(s, Views(eleven)));
  EXPECT_EQ(s.fillMode, FillMode::FillPattern);
  EXPECT_EQ(s.ContinuousColour, 0);

  // Switching to colour in the same block keeps the block's switch.
  const std::vector<std::string> colour{"", "", "", "", "", "", "", "", "1", "0", "1", "True", "False", "False"};
  ASSERT_TRUE(ApplySettingsLines(s, Views(colour)));
  EXPECT_EQ(s.fillMode, FillMode::FillColour);
  EXPECT_EQ(s.ContinuousColour, 1);
}

}  // namespace
}  // namespace plotvane
