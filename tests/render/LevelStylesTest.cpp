// Band colours, the level style tables and the fill patterns.

#include <gtest/gtest.h>

#include <bit>
#include <tuple>

#include "render/LevelColour.h"
#include "render/LevelStyles.h"
#include "render/Patterns.h"

namespace plotvane {
namespace {

using gdi::COLORREF;
using gdi::RGB;

struct ColourCase {
  double t;
  FillMode mode;
  COLORREF expected;
};

class LevelColourCases : public ::testing::TestWithParam<ColourCase> {};

TEST_P(LevelColourCases, GivesTheTabledColour) {
  const ColourCase& c = GetParam();
  const COLORREF got = LevelColour(c.t, c.mode);
  EXPECT_EQ(got, c.expected) << "t = " << c.t << ": got (" << gdi::GetRValue(got) << ", " << gdi::GetGValue(got) << ", "
                             << gdi::GetBValue(got) << ")";
}

INSTANTIATE_TEST_SUITE_P(Anchors, LevelColourCases,
                         ::testing::Values(ColourCase{0.0, FillMode::FillColour, RGB(0, 0, 255)},
                                           ColourCase{0.25, FillMode::FillColour, RGB(0, 255, 255)},
                                           ColourCase{0.5, FillMode::FillColour, RGB(0, 255, 0)},
                                           ColourCase{0.75, FillMode::FillColour, RGB(255, 255, 0)},
                                           ColourCase{1.0, FillMode::FillColour, RGB(255, 0, 0)},
                                           // Middles of segments sit on the superellipse, not a straight ramp's 128.
                                           ColourCase{0.125, FillMode::FillColour, RGB(0, 181, 255)},
                                           ColourCase{0.625, FillMode::FillColour, RGB(181, 255, 0)},
                                           ColourCase{1.2, FillMode::FillColour, RGB(255, 255, 255)},
                                           ColourCase{-0.1, FillMode::FillColour, RGB(100, 100, 100)},
                                           ColourCase{0.0, FillMode::FillGrey, RGB(30, 30, 30)},
                                           ColourCase{1.0, FillMode::FillGrey, RGB(255, 255, 255)},
                                           ColourCase{1.2, FillMode::FillGrey, RGB(255, 255, 255)},
                                           ColourCase{-0.1, FillMode::FillGrey, RGB(30, 30, 30)},
                                           ColourCase{0.5, FillMode::FillPattern, RGB(0, 0, 0)}));

std::vector<COLORREF> BuiltColours(std::int32_t count, FillMode mode) {
  LevelStyles styles;
  for (std::int32_t k = 0; k < count; ++k) styles.addBand(count, mode);
  std::vector<COLORREF> colours;
  for (std::int32_t k = 0; k < styles.bandCount(); ++k) colours.push_back(styles.band(k).colour);
  return colours;
}

TEST(LevelStyleTables, TenColourBandsFromBlueToRed) {
  const std::vector<COLORREF> expected{RGB(0, 0, 255),   RGB(0, 169, 255), RGB(0, 247, 255), RGB(0, 255, 215),
                                       RGB(0, 255, 107), RGB(107, 255, 0), RGB(215, 255, 0), RGB(255, 247, 0),
                                       RGB(255, 169, 0), RGB(255, 0, 0)};
  EXPECT_EQ(BuiltColours(10, FillMode::FillColour), expected);
}

TEST(LevelStyleTables, TenGreyBandsFromDarkToWhite) {
  std::vector<COLORREF> expected;
  for (int grey : {30, 55, 80, 105, 130, 155, 180, 205, 230, 255}) expected.push_back(RGB(grey, grey, grey));
  EXPECT_EQ(BuiltColours(10, FillMode::FillGrey), expected);
}

TEST(LevelStyleTables, ContinuousBandsAreSpacedByOneOverCountMinusOne) {
  const std::vector<COLORREF> colours = BuiltColours(200, FillMode::FillColour);
  ASSERT_EQ(colours.size(), 200u);
  for (std::size_t k = 0; k < colours.size(); ++k) {
    EXPECT_EQ(colours[k], LevelColour(static_cast<double>(k) / 199, FillMode::FillColour)) << "band " << k;
  }
  EXPECT_EQ(colours.back(), RGB(255, 0, 0));
}

TEST(LevelStyleTables, EveryBandHasAWidthTwentyPenAndABrushInItsColour) {
  LevelStyles styles;
  for (int k = 0; k < 3; ++k) styles.addBand(3, FillMode::FillColour);
  styles.buildReserved();
  for (std::int32_t k = 0; k < 3; ++k) {
    const LevelStyle& s = styles.band(k);
    ASSERT_NE(gdi::GetPenDescription(s.pen), nullptr);
    EXPECT_EQ(*gdi::GetPenDescription(s.pen), (gdi::LOGPEN{gdi::PenStyle::PS_SOLID, 20, s.colour}));
    EXPECT_EQ(gdi::GetBrushDescription(s.brush)->colour, s.colour);
  }
  EXPECT_EQ(*gdi::GetPenDescription(styles.belowRange().pen),
            (gdi::LOGPEN{gdi::PenStyle::PS_SOLID, 20, RGB(100, 100, 100)}));
  EXPECT_EQ(gdi::GetBrushDescription(styles.aboveRange().brush)->colour, RGB(255, 255, 255));
}

// Counts above 1000 reach the tables only from files; the reserved styles
// must survive them.
TEST(LevelStyleTables, ReservedStylesStayApartFromBandsAboveAThousand) {
  LevelStyles styles;
  for (int k = 0; k < 1002; ++k) styles.addBand(1002, FillMode::FillColour);
  styles.buildReserved();
  EXPECT_EQ(styles.forLevel(1000, 1002).colour, LevelColour(1000.0 / 1001, FillMode::FillColour));
  EXPECT_EQ(styles.forLevel(1001, 1002).colour, RGB(255, 0, 0));
  EXPECT_EQ(styles.forLevel(-1, 1002).colour, RGB(100, 100, 100));
  EXPECT_EQ(styles.forLevel(1002, 1002).colour, RGB(255, 255, 255));
}

TEST(LevelStyleTables, LevelIndicesChooseBelowBandOrAbove) {
  LevelStyles styles;
  for (int k = 0; k < 10; ++k) styles.addBand(10, FillMode::FillColour);
  styles.buildReserved();
  EXPECT_EQ(styles.forLevel(-5, 10).pen, styles.belowRange().pen);
  EXPECT_EQ(styles.forLevel(0, 10).pen, styles.band(0).pen);
  EXPECT_EQ(styles.forLevel(9, 10).pen, styles.band(9).pen);
  EXPECT_EQ(styles.forLevel(10, 10).pen, styles.aboveRange().pen);
  EXPECT_EQ(styles.forLevel(5, 5).pen, styles.aboveRange().pen) << "compared with the levels in use";
}

TEST(LevelStyleTables, ReleaseAndDestructionDeleteEveryObject) {
  const std::int32_t before = gdi::LiveObjectCount();
  {
    LevelStyles styles;
    for (int k = 0; k < 20; ++k) styles.addBand(20, FillMode::FillGrey);
    styles.buildReserved();
    EXPECT_EQ(gdi::LiveObjectCount(), before + 44);
    styles.release();
    EXPECT_EQ(gdi::LiveObjectCount(), before);
    EXPECT_EQ(styles.bandCount(), 0);
    styles.addBand(2, FillMode::FillGrey);
  }
  EXPECT_EQ(gdi::LiveObjectCount(), before);
}

// The black pixels of each pattern as tabled: a wrong byte changes the count.
TEST(FillPatterns, EachPatternHasItsTabledNumberOfBlackPixels) {
  constexpr std::array<int, kPatternCount> kBlack{2,  4,  8,  16, 24, 30, 32, 40, 48, 56, 60, 62, 16, 16, 32, 32,
                                                  24, 24, 16, 16, 32, 32, 32, 32, 8,  8,  8,  8,  8,  24, 16, 14,
                                                  12, 22, 19, 32, 6,  7,  6,  13, 48, 38, 28, 15, 32, 32, 14, 25};
  for (std::size_t i = 0; i < kBlack.size(); ++i) {
    int black = 0;
    for (const std::uint8_t row : FillPatterns()[i]) black += std::popcount(row);
    EXPECT_EQ(black, kBlack[i]) << "pattern " << i;
  }
  EXPECT_EQ(FillPatterns()[16], (gdi::MonoPattern{0x38, 0x1C, 0x0E, 0x07, 0x83, 0xC1, 0xE0, 0x70})) << "row order";
}

TEST(FillPatterns, DensityRampLightensTowardsPatternZero) {
  for (std::size_t i = 1; i < 12; ++i) {
    int lighter = 0, darker = 0;
    for (const std::uint8_t row : FillPatterns()[i - 1]) lighter += std::popcount(row);
    for (const std::uint8_t row : FillPatterns()[i]) darker += std::popcount(row);
    EXPECT_LT(lighter, darker) << "pattern " << i;
  }
}

TEST(FillPatterns, TheTopBandTakesPatternZeroAndTheBandsBelowCountUp) {
  const std::vector<std::tuple<std::int32_t, std::int32_t, std::int32_t>> cases{
      {9, 10, 0},   {8, 10, 1},   {0, 10, 9},  {199, 200, 0}, {151, 200, 0},  {152, 200, 47},
      {-1, 10, 10}, {10, 10, 47}, {57, 10, 0}, {58, 10, 47},  {2000, 10, 25}, {-2000, 200, 39}};
  for (const auto& [k, count, pattern] : cases) {
    EXPECT_EQ(PatternOfBand(k, count), pattern) << "band " << k << " of " << count;
  }
}

TEST(FillPatterns, BrushesAreMadeOnceAndDescribeTheirPatterns) {
  const auto& first = PatternBrushes();
  const auto& second = PatternBrushes();
  EXPECT_EQ(&first, &second);
  for (std::size_t i = 0; i < first.size(); ++i) {
    const gdi::LOGBRUSH* brush = gdi::GetBrushDescription(first[i]);
    ASSERT_NE(brush, nullptr) << i;
    EXPECT_EQ(brush->style, gdi::BrushStyle::BS_PATTERN);
    EXPECT_EQ(brush->pattern, FillPatterns()[i]);
  }
}

}  // namespace
}  // namespace plotvane
