// Skip tokens, the separator choice and field cutting, one rule at a time;
// the reader's own cases show the rules working together.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/DataFileLines.h"

namespace plotvane {
namespace {

TEST(ParseSkipTokens, RunsOfSpacesSeparate) {
  const auto tokens = ParseSkipTokens("   #  * !rem   ");
  ASSERT_TRUE(tokens.has_value());
  EXPECT_EQ(*tokens, (std::vector<std::string_view>{"#", "*", "!rem"}));
  EXPECT_TRUE(ParseSkipTokens("").value().empty());
  EXPECT_TRUE(ParseSkipTokens("    ").value().empty());
  // A tab is no separator for the tokens.
  EXPECT_EQ(ParseSkipTokens("#\t*").value(), (std::vector<std::string_view>{"#\t*"}));
}

TEST(ChooseSeparator, TabThenCommaThenSpace) {
  EXPECT_EQ(ChooseSeparator("a,b\tc d"), '\t');
  EXPECT_EQ(ChooseSeparator("a, b c"), ',');
  EXPECT_EQ(ChooseSeparator("a b"), ' ');
  EXPECT_EQ(ChooseSeparator("  ab  "), '\t');  // outer spaces do not count
  EXPECT_EQ(ChooseSeparator("12.5"), '\t');
}

TEST(CutFields, KeepsThreeFieldsAndCountsOnePastTheLimit) {
  LineFields fields;
  EXPECT_EQ(CutFields("  1 \t\t3\t4\t ", '\t', fields), 5);
  EXPECT_EQ(fields, (LineFields{"1 ", "", "3"}));
  std::string line = "x";
  for (int i = 0; i < 500; ++i) line += ",x";
  EXPECT_EQ(CutFields(line, ',', fields), 101);
}

}  // namespace
}  // namespace plotvane
