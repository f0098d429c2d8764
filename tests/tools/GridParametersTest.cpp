// Reading the six grid parameters from their texts.

#include <gtest/gtest.h>

#include "tools/GridParameters.h"

namespace plotvane {
namespace {

using Status = GridParametersRead::Status;

GridTexts Texts(const char* ox, const char* dx, const char* nx, const char* oy, const char* dy, const char* ny) {
  return {ox, dx, nx, oy, dy, ny};
}

TEST(GridParameters, NumericTextsGiveTheTypedStepsAndWholeCounts) {
  const GridParametersRead read = ReadGridParameters(Texts(" -12.5", "0.1", "7", "1e3", "-2", "3.0"));
  ASSERT_EQ(read.status, Status::Ready);
  EXPECT_EQ(read.parameters.originX, -12.5);
  EXPECT_EQ(read.parameters.intervalX, 0.1);
  EXPECT_EQ(read.parameters.countX, 7);
  EXPECT_EQ(read.parameters.originY, 1000.0);
  EXPECT_EQ(read.parameters.intervalY, -2.0);
  EXPECT_EQ(read.parameters.countY, 3);
}

struct CountCase {
  const char* text;
  std::int32_t count;
};

void PrintTo(const CountCase& c, std::ostream* out) { *out << "count=" << c.text; }

class GridCounts : public testing::TestWithParam<CountCase> {};

TEST_P(GridCounts, RoundToTheNearestWholeNumberWithHalvesToEven) {
  const CountCase c = GetParam();
  const GridParametersRead read = ReadGridParameters(Texts("0", "1", c.text, "0", "1", c.text));
  ASSERT_EQ(read.status, Status::Ready);
  EXPECT_EQ(read.parameters.countX, c.count);
  EXPECT_EQ(read.parameters.countY, c.count);
}

INSTANTIATE_TEST_SUITE_P(Counts, GridCounts,
                         testing::Values(CountCase{"2.5", 2}, CountCase{"3.5", 4}, CountCase{"2.4999", 2},
                                         CountCase{"2.51", 3}, CountCase{"0.5", 0}, CountCase{"-1.5", -2},
                                         CountCase{"0", 0}));

class GridNotNumeric : public testing::TestWithParam<int> {};

TEST_P(GridNotNumeric, AnyTextThatIsNotOneNumberStopsTheConversionSilently) {
  for (const char* bad : {"", " ", "abc", "12abc", "1,5", "inf"}) {
    GridTexts texts = Texts("0", "1", "2", "0", "1", "2");
    std::string* boxes[] = {&texts.originX, &texts.intervalX, &texts.countX,
                            &texts.originY, &texts.intervalY, &texts.countY};
    *boxes[GetParam()] = bad;
    const GridParametersRead read = ReadGridParameters(texts);
    EXPECT_EQ(read.status, Status::NotNumeric) << "box " << GetParam() << " '" << bad << "'";
    EXPECT_TRUE(read.error.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Boxes, GridNotNumeric, testing::Range(0, 6));

struct TooLargeCase {
  GridTexts texts;
  const char* named;  // what the message must name
};

void PrintTo(const TooLargeCase& c, std::ostream* out) { *out << c.named; }

class GridTooLarge : public testing::TestWithParam<TooLargeCase> {};

TEST_P(GridTooLarge, IsAnErrorNamingTheBox) {
  const GridParametersRead read = ReadGridParameters(GetParam().texts);
  ASSERT_EQ(read.status, Status::TooLarge);
  EXPECT_NE(read.error.find(GetParam().named), std::string::npos) << read.error;
}

INSTANTIATE_TEST_SUITE_P(Values, GridTooLarge,
                         testing::Values(TooLargeCase{Texts("1e39", "1", "2", "0", "1", "2"), "X の起点"},
                                         TooLargeCase{Texts("0", "1", "2", "-4e38", "1", "2"), "Y の起点"},
                                         TooLargeCase{Texts("0", "1e40", "2", "0", "1", "2"), "X の間隔"},
                                         TooLargeCase{Texts("0", "1", "3e9", "0", "1", "2"), "X の点数"},
                                         TooLargeCase{Texts("0", "1", "2", "0", "1", "-3e9"), "Y の点数"},
                                         // Every value fits, but the last grid line does not.
                                         TooLargeCase{Texts("3e38", "1e38", "3", "0", "1", "2"), "X の格子点"},
                                         TooLargeCase{Texts("0", "1", "2", "0", "-2e38", "3"), "Y の格子点"}));

TEST(GridParameters, LastGridLineWithinRangeIsAccepted) {
  EXPECT_EQ(ReadGridParameters(Texts("3e38", "1e38", "1", "0", "1", "2")).status, Status::Ready);
  EXPECT_EQ(ReadGridParameters(Texts("3e38", "1e38", "0", "0", "1", "2")).status, Status::Ready);
  EXPECT_EQ(ReadGridParameters(Texts("3e38", "-1e38", "3", "0", "1", "2")).status, Status::Ready);
}

}  // namespace
}  // namespace plotvane
