// The number conventions every settings consumer relies on.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "settings/NumberText.h"

namespace plotvane {
namespace {

TEST(NumericPrefixValue, TakesTheLongestLeadingNumber) {
  EXPECT_EQ(NumericPrefixValue("12abc"), 12.0);
  EXPECT_EQ(NumericPrefixValue("  -3.5e2x"), -350.0);
  EXPECT_EQ(NumericPrefixValue("1 2 3"), 123.0);  // blanks are skipped anywhere
  EXPECT_EQ(NumericPrefixValue("abc"), 0.0);
  EXPECT_EQ(NumericPrefixValue(""), 0.0);
  EXPECT_EQ(NumericPrefixValue("1e"), 1.0);  // an exponent needs digits
  EXPECT_EQ(NumericPrefixValue("1e+"), 1.0);
  EXPECT_EQ(NumericPrefixValue(".5"), 0.5);
  EXPECT_EQ(NumericPrefixValue("5."), 5.0);
  EXPECT_EQ(NumericPrefixValue("-"), 0.0);
  EXPECT_EQ(NumericPrefixValue("inf"), 0.0);
  EXPECT_EQ(NumericPrefixValue("0x10"), 0.0);
  EXPECT_EQ(NumericPrefixValue("1e400"), 0.0);  // overflow is no usable number
}

TEST(ParseNumber, AcceptsOnlyOneWholeNumber) {
  EXPECT_EQ(ParseNumber(" 12.50 "), 12.5);
  EXPECT_EQ(ParseNumber("+1e3"), 1000.0);
  EXPECT_EQ(ParseNumber("-0.25E-2"), -0.0025);
  EXPECT_EQ(ParseNumber("\t7\t"), 7.0);
  for (const char* bad : {"",  " ", "abc", "1x",    "1 2", "inf",  "-inf", "nan", "NaN", "0x1p3", "1e",
                          ".", "-", "1,5", "1e400", "--1", "1..2", "+-5",  "-+5", "+",   "1e+",   "1.e5x"}) {
    EXPECT_FALSE(ParseNumber(bad).has_value()) << '"' << bad << '"';
  }
}

// Data files' plain numbers take a quick path; the full scan of the numeric
// prefix must read every such text to the same bits, sign of zero included.
TEST(ParseNumber, QuickPathGivesTheFullScansBits) {
  std::mt19937_64 random(20261207);
  std::vector<std::string> texts{"5.",
                                 ".5",
                                 "-.5",
                                 "+5.",
                                 "-0",
                                 "+0.0e-0",
                                 "1E+308",
                                 "1.7976931348623157e308",
                                 "2.2250738585072011e-308",
                                 "00012.5000",
                                 "-1e-320",
                                 "123456789012345678901234567890"};
  const char* const formats[] = {"%.17g", "%.6f", "%.3e", "%+.10E", "%.0f", "%g"};
  for (int k = 0; k < 3000; ++k) {
    const double magnitude = std::ldexp(std::uniform_real_distribution<double>(1.0, 2.0)(random),
                                        std::uniform_int_distribution<int>(-1070, 1020)(random));
    std::array<char, 400> buf{};
    std::snprintf(buf.data(), buf.size(), formats[k % 6], k % 2 ? -magnitude : magnitude);
    texts.emplace_back(buf.data());
  }
  for (const std::string& text : texts) {
    const auto value = ParseNumber(text);
    ASSERT_TRUE(value.has_value()) << text;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*value), std::bit_cast<std::uint64_t>(NumericPrefixValue(text))) << text;
  }
}

TEST(ParseNumber, UnderflowReadsAsZeroOrSubnormal) {
  EXPECT_EQ(ParseNumber("1e-400"), 0.0);
  const auto sub = ParseNumber("4.9406564584124654e-324");
  ASSERT_TRUE(sub.has_value());
  EXPECT_EQ(*sub, std::numeric_limits<double>::denorm_min());
  const auto negZero = ParseNumber("-0");
  ASSERT_TRUE(negZero.has_value());
  EXPECT_EQ(*negZero, 0.0);
}

TEST(NumberText, FifteenSignificantDigitsAndExponentForm) {
  EXPECT_EQ(NumberText(0), "0");
  EXPECT_EQ(NumberText(-0.0), "0");
  EXPECT_EQ(NumberText(12.5), "12.5");
  EXPECT_EQ(NumberText(1000), "1000");
  EXPECT_EQ(NumberText(-10), "-10");
  EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
  EXPECT_EQ(NumberText(1e20), "1E+20");
  EXPECT_EQ(NumberText(1.5e-7), "1.5E-07");
  EXPECT_EQ(NumberText(0.0001), "0.0001");
  EXPECT_EQ(NumberText(123456789012345.0), "123456789012345");
  EXPECT_EQ(NumberText(1234567890123456.0), "1.23456789012346E+15");
  EXPECT_EQ(NumberText(98.6), "98.6");
}

TEST(NumberText, ReadsBackToTheValueForFifteenDigitInput) {
  for (double v : {1.25, -10.0, 98.6, 0.1, 123.456789012345, 6.02214076e23, -1e-300}) {
    const auto back = ParseNumber(NumberText(v));
    ASSERT_TRUE(back.has_value()) << v;
    EXPECT_EQ(*back, v);
  }
}

TEST(NumberText, TheLargestDoublesStillReadBack) {
  const double max = std::numeric_limits<double>::max();
  EXPECT_EQ(NumberText(max), "1.79769313486231E+308");
  EXPECT_EQ(NumberText(-max), "-1.79769313486231E+308");
  EXPECT_TRUE(ParseNumber(NumberText(max)).has_value());
  EXPECT_TRUE(ParseNumber(NumberText(-max)).has_value());
}

TEST(SingleText, SevenSignificantDigits) {
  EXPECT_EQ(SingleText(0.123456789f), "0.1234568");
  EXPECT_EQ(SingleText(12345678.0f), "1.234568E+07");
  EXPECT_EQ(SingleText(2.5f), "2.5");
  EXPECT_EQ(SingleText(-0.0f), "0");
  EXPECT_EQ(SingleText(0.1f), "0.1");  // not 0.100000001
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(12.5), 12);
  EXPECT_EQ(RoundHalfEven(13.5), 14);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(2147483647.4), 2147483647);
  EXPECT_FALSE(RoundHalfEven(2147483647.5).has_value());
  EXPECT_FALSE(RoundHalfEven(std::nan("")).has_value());
}

TEST(WholePartAndSingle, Conversions) {
  EXPECT_EQ(WholePart(2.7), 2.0);
  EXPECT_EQ(WholePart(-3.5), -4.0);
  EXPECT_EQ(ToSingle(1.5), 1.5f);
  EXPECT_FALSE(ToSingle(1e39).has_value());
  EXPECT_FALSE(ToSingle(-1e39).has_value());
  EXPECT_EQ(TrimSpaces("  a b  "), "a b");
  EXPECT_EQ(TrimSpaces("\ta "), "\ta");  // only spaces are trimmed
}

}  // namespace
}  // namespace plotvane
