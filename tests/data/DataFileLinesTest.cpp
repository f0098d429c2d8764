// Skip tokens, the separator choice and field cutting, one rule at a time.

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

struct CutCase {
  const char* name;
  const char* line;
  char separator;
  int count;
  LineFields first;
};

class CutCases : public testing::TestWithParam<CutCase> {};

TEST_P(CutCases, CutsAndCounts) {
  LineFields fields;
  EXPECT_EQ(CutFields(GetParam().line, GetParam().separator, fields), GetParam().count);
  EXPECT_EQ(fields, GetParam().first);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CutCases,
    testing::Values(CutCase{"Tabs", "1\t2\t3", '\t', 3, {"1", "2", "3"}},
                    CutCase{"AdjacentTabs", "1\t\t3", '\t', 3, {"1", "", "3"}},
                    CutCase{"TrailingTab", "1\t2\t", '\t', 3, {"1", "2", ""}},
                    CutCase{"SpaceRuns", "  1    2   3  ", ' ', 3, {"1", "2", "3"}},
                    CutCase{"CommaSpace", "a, b, c, d", ',', 4, {"a", "b", "c"}},
                    CutCase{"SpaceBeforeCommaStays", "a ,b", ',', 2, {"a ", "b", ""}},
                    CutCase{"TabsAreNotTrimmed", "\t1\t2", '\t', 3, {"", "1", "2"}},
                    CutCase{"SpacesOnly", "    ", ' ', 1, {"", "", ""}},
                    CutCase{"NoSeparator", "abc", '\t', 1, {"abc", "", ""}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CutFields, StopsCountingOnePastTheLimit) {
  std::string line = "x";
  for (int i = 0; i < 500; ++i) line += ",x";
  LineFields fields;
  EXPECT_EQ(CutFields(line, ',', fields), 101);
}

TEST(CollectAcceptedLines, FiltersAndCuts) {
  const std::vector<std::string_view> tokens{"//"};
  AcceptedLines out;
  ASSERT_TRUE(CollectAcceptedLines("skip me\n\n // note\na,b\n\nc,d,e\n  \n", 1, tokens, out));
  EXPECT_EQ(out.separator, ',');
  ASSERT_EQ(out.count(), 3);
  EXPECT_EQ(out.field(1, 2), "b");
  EXPECT_EQ(out.field(2, 3), "e");
  EXPECT_EQ(out.field(3, 1), "");  // the line of spaces is accepted
  EXPECT_EQ(out.field(4, 1), "");  // and there is no fourth
}

}  // namespace
}  // namespace plotvane
