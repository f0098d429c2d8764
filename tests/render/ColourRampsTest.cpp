// Colour ramps: the named tables against the published maps, file ramps and
// their refusals, and the export's band colours against the page's bands.

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "levels/TriangleBands.h"
#include "render/ColourRamps.h"
#include "render/LevelStyles.h"
#include "render/RampFile.h"
#include "settings/DrawParameters.h"

namespace plotvane {
namespace {

using gdi::COLORREF;

COLORREF Hex(std::uint32_t rgb) { return gdi::RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

RampChoice Named(std::string_view name) {
  auto ramp = NamedRamp(name);
  EXPECT_TRUE(ramp.has_value()) << name;
  return ramp.value_or(RampChoice{});
}

// The colours of ten bands as the page builds them.
std::array<COLORREF, 10> TenBands(const RampChoice& ramp, FillMode mode) {
  LevelStyles styles;
  styles.useRamp(ramp);
  std::array<COLORREF, 10> colours{};
  for (COLORREF& c : colours) c = styles.addBand(10, mode).colour;
  return colours;
}

// matplotlib 3.6's maps at k / 9 (to_hex), the positions of ten bands.
TEST(ColourRamps, TenBandsTakeThePublishedColours) {
  struct Published {
    std::string_view name;
    std::array<std::uint32_t, 10> hex;
  };
  const std::array<Published, 3> published{{
      {"viridis", {0x440154, 0x482878, 0x3e4989, 0x31688e, 0x26828e, 0x1f9e89, 0x35b779, 0x6ece58, 0xb5de2b, 0xfde725}},
      {"cividis", {0x00224e, 0x123570, 0x3b496c, 0x575d6d, 0x707173, 0x8a8678, 0xa59c74, 0xc3b369, 0xe1cc55, 0xfee838}},
      {"terrain", {0x333399, 0x0e7ee4, 0x00bc94, 0x55dd77, 0xc5f38d, 0xe2da89, 0xaa926b, 0x8f7069, 0xc7b7b4, 0xffffff}},
  }};
  for (const Published& p : published) {
    // The fill mode does not matter to a chosen ramp, except patterns.
    for (const FillMode mode : {FillMode::FillColour, FillMode::FillGrey}) {
      const auto colours = TenBands(Named(p.name), mode);
      for (std::size_t k = 0; k < 10; ++k) EXPECT_EQ(colours[k], Hex(p.hex[k])) << p.name << " band " << k;
    }
    for (const COLORREF c : TenBands(Named(p.name), FillMode::FillPattern)) EXPECT_EQ(c, gdi::RGB(0, 0, 0));
  }
  // The program's grey ramp, 30 + 225 k / 9, in colour mode too.
  const auto grey = TenBands(Named("grey"), FillMode::FillColour);
  for (std::size_t k = 0; k < 10; ++k) EXPECT_EQ(gdi::GetRValue(grey[k]), 30 + 25 * static_cast<int>(k));
}

TEST(ColourRamps, FileStopsInterpolateLinearlyAndHoldBeyondTheEnds) {
  const auto parsed = ParseRampText("# black to white from 0.2 to 0.7\r\n\n0.2 0 0 0\n0.7,255,255,255\n", "r.txt");
  ASSERT_TRUE(std::holds_alternative<RampChoice>(parsed));
  const RampChoice& ramp = std::get<RampChoice>(parsed);
  for (int i = 0; i <= 100; ++i) {
    const double t = i / 100.0;
    const double expected = t <= 0.2 ? 0 : t >= 0.7 ? 255 : 255 * (t - 0.2) / 0.5;
    const int got = gdi::GetGValue(RampColour(ramp, t, FillMode::FillColour));
    EXPECT_NEAR(got, expected, 0.5 + 1e-9) << "t = " << t;
  }
}

TEST(ColourRamps, FilesThatAreNoRampAreRefusedNamingTheLine) {
  const std::array<std::pair<std::string_view, std::string_view>, 7> cases{{
      {"0 0 0 0\n", "at least two stops"},
      {"", "at least two stops"},
      {"0 0 0 0\n1 0 0\n", "line 2: four numbers expected, 3 found"},
      {"0 0 0 0\n1 0 x 0\n", "line 2: \"x\" is not a number"},
      {"0 0 0 0\n1.5 0 0 0\n", "line 2: the position must lie in 0..1"},
      {"0 0 0 0\n1 0 0 300\n", "line 2: the colour components must lie in 0..255"},
      {"0.5 0 0 0\n# note\n0.5 1 1 1\n", "line 3: the positions must rise"},
  }};
  for (const auto& [text, detail] : cases) {
    const auto parsed = ParseRampText(text, "r.txt");
    ASSERT_TRUE(std::holds_alternative<Failure>(parsed)) << text;
    const Failure& f = std::get<Failure>(parsed);
    EXPECT_EQ(f.kind, FailureKind::Usage);
    EXPECT_NE(f.detail.find(detail), std::string::npos) << f.detail;
  }
}

// The export's band k takes the colour of the page band holding its middle
// level: the same band with as many bands as levels, one of the 200 with
// continuous colouring; out of the window the reserved colours.
TEST(ColourRamps, ExportBandsTakeThePageBandColours) {
  const RampChoice viridis = Named("viridis");
  for (const std::int32_t bandCount : {7, kContinuousBands}) {
    LevelStyles styles;
    styles.useRamp(viridis);
    for (std::int32_t k = 0; k < bandCount; ++k) styles.addBand(bandCount, FillMode::FillColour);
    for (std::int32_t k = -2; k < 9; ++k) {
      const double middle = (k + 0.5) / 7.0;
      const auto pageBand = static_cast<std::int32_t>(std::floor(middle * bandCount));
      const COLORREF expected = pageBand < 0            ? kBelowRangeColour
                                : pageBand >= bandCount ? kAboveRangeColour
                                                        : styles.band(pageBand).colour;
      EXPECT_EQ(ExportBandColour(viridis, k, 7, bandCount, FillMode::FillColour), expected)
          << "band " << k << " of " << bandCount;
    }
  }
}

}  // namespace
}  // namespace plotvane
