// Levels from an interval: the table of the cases a surveyor meets (exact
// multiples, negative bases, ranges within one interval or of zero, the
// 512-band limit), and on seeded random ranges the promise itself: every
// line on B + kD, the scale just covering the data.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "settings/ContourInterval.h"
#include "settings/NumberText.h"
#include "support/SettingsTestSupport.h"

namespace plotvane {
namespace {

using Status = IntervalLevels::Status;

struct IntervalCase {
  std::string name;
  double d, b, zMin, zMax;
  Status status;
  double z1, z2;
  std::int32_t n;
};

const double kNan = std::nan("");
const double kInf = HUGE_VAL;

const std::vector<IntervalCase> kCases = {
    {"DividesTheRangeExactly", 2, 0, 0, 40, Status::Ok, 0, 40, 20},
    {"RoundsOutwardsToMultiples", 2, 0, 0.5, 39.2, Status::Ok, 0, 40, 20},
    {"BaseOffTheOrigin", 2, 1, 0.5, 39.2, Status::Ok, -1, 41, 21},
    {"NegativeBase", 5, -2.5, 3, 17, Status::Ok, 2.5, 17.5, 3},
    {"NegativeDataAndBase", 0.5, -0.25, -1.3, 0.1, Status::Ok, -1.75, 0.25, 4},
    {"BaseFarAboveTheData", 10, 1000, 12, 47, Status::Ok, 10, 50, 4},
    {"DecimalIntervalHitsDecimalExtremes", 0.1, 0, 0.3, 0.7, Status::Ok, 0.3, 0.7, 4},
    {"RangeWithinOneIntervalGetsTwoBands", 10, 0, 1, 9, Status::Ok, 0, 20, 2},
    {"RangeOfOneIntervalGetsTwoBands", 10, 0, 0, 10, Status::Ok, 0, 20, 2},
    {"RangeOfZeroOnALine", 1, 0, 5, 5, Status::Ok, 5, 7, 2},
    {"RangeOfZeroBetweenLines", 1, 0, 5.5, 5.5, Status::Ok, 5, 7, 2},
    {"ExactlyTheLimit", 1, 0, 0, 512, Status::Ok, 0, 512, 512},
    {"OneBandBeyondTheLimit", 1, 0, 0, 513, Status::TooManyLevels, 0, 0, 0},
    {"BeyondTheLimitByRounding", 1, 0, 0.5, 512.5, Status::TooManyLevels, 0, 0, 0},
    {"TinyIntervalOverflowsNothing", 1e-300, 0, -1e300, 1e300, Status::TooManyLevels, 0, 0, 0},
    {"ZeroInterval", 0, 0, 0, 10, Status::BadInterval, 0, 0, 0},
    {"NegativeInterval", -2, 0, 0, 10, Status::BadInterval, 0, 0, 0},
    {"IntervalNotANumber", kNan, 0, 0, 10, Status::BadInterval, 0, 0, 0},
    {"InfiniteInterval", kInf, 0, 0, 10, Status::BadInterval, 0, 0, 0},
    {"InfiniteBase", 1, kInf, 0, 10, Status::BadInterval, 0, 0, 0},
};

class ContourIntervalTest : public ::testing::TestWithParam<IntervalCase> {};

TEST_P(ContourIntervalTest, Levels) {
  const IntervalCase& c = GetParam();
  const IntervalLevels levels = LevelsForInterval(c.d, c.b, c.zMin, c.zMax);
  ASSERT_EQ(levels.status, c.status);
  if (c.status != Status::Ok) return;
  // The texts are what the settings keep, at 15 significant digits.
  EXPECT_EQ(NumberText(levels.z1), NumberText(c.z1));
  EXPECT_EQ(NumberText(levels.z2), NumberText(c.z2));
  EXPECT_EQ(levels.n, c.n);
}

TEST_P(ContourIntervalTest, AppliedOnlyWhenOk) {
  const IntervalCase& c = GetParam();
  const DrawSettings before = test::Settings("0", "1", "0", "1", "-7", "99", "33", "");
  DrawSettings settings = before;
  ASSERT_EQ(ApplyContourInterval(settings, c.d, c.b, c.zMin, c.zMax), c.status);
  const DrawSettings expected = c.status == Status::Ok ? test::WithTexts(before, {{&DrawSettings::Z1, NumberText(c.z1)},
                                                                                  {&DrawSettings::Z2, NumberText(c.z2)},
                                                                                  {&DrawSettings::n, NumberText(c.n)}})
                                                       : before;
  EXPECT_EQ(settings, expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ContourIntervalTest, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return row.param.name; });

// Whatever the numbers, each line the page draws, Z1 + j (Z2 - Z1) / n as the
// settings texts give them, lies on B + kD, and the scale covers the data
// with less than one interval to spare at either end (unless raised to two
// bands).
TEST(ContourIntervalInvariant, LinesFallOnTheMultiples) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> centre(-1000, 1000), spread(0, 300), base(-50, 50);
  const double intervals[] = {0.1, 0.25, 0.5, 1, 2, 2.5, 5, 10, 20};
  for (int trial = 0; trial < 2000; ++trial) {
    const double d = intervals[trial % 9];
    const double b = std::round(base(random) * 100) / 100;
    const double low = centre(random);
    const double high = low + spread(random);
    DrawSettings s = test::Settings("", "", "", "", "", "", "", "");
    const Status status = ApplyContourInterval(s, d, b, low, high);
    if (status == Status::TooManyLevels) {
      EXPECT_GT((high - low) / d, 510) << d << ' ' << low << ' ' << high;
      continue;
    }
    ASSERT_EQ(status, Status::Ok);
    const double z1 = NumericPrefixValue(s.Z1), z2 = NumericPrefixValue(s.Z2), n = NumericPrefixValue(s.n);
    ASSERT_LE(z1, low);
    ASSERT_GE(z2, high);
    ASSERT_GT(z1, low - d);
    if (n > 2) {
      ASSERT_LT(z2, high + d);
    }
    for (int j = 0; j <= static_cast<int>(n); ++j) {
      const double k = (z1 + j * (z2 - z1) / n - b) / d;
      ASSERT_NEAR(k, std::round(k), 1e-6) << "line " << j << " of " << s.Z1 << ".." << s.Z2 << " n " << s.n;
    }
  }
}

}  // namespace
}  // namespace plotvane
