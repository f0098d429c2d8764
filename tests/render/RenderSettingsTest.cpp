// The settings the page is drawn from: fields that would make the renderer
// fail are replaced as the dialog would replace them, the rest are kept; and
// pages drawn from such settings are whole.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "RecordedCalls.h"
#include "RenderTestData.h"
#include "levels/TriangleBands.h"
#include "render/PageComposition.h"
#include "render/Patterns.h"
#include "render/RenderSettings.h"

namespace plotvane {
namespace {

using test::DrawCall;

const DataRange kRange{-40, 40, -20, 20, 3, 7};

DrawSettings Good() {
  DrawSettings s;
  s.X1 = "-40";
  s.X2 = "40";
  s.Y1 = "-20";
  s.Y2 = "20";
  s.Z1 = "3";
  s.Z2 = "7";
  s.n = "20";
  return s;
}

TEST(SettingsForDrawing, UsableSettingsAreKeptAsTheyStand) {
  DrawSettings s = Good();
  s.X1 = "12.50";  // not canonical, but usable
  s.X2 = "-5";     // a mirrored map
  s.n = "7.9";     // rounds to 8 bands
  s.sq = " 0.5";
  s.Z2 = "9abc";  // reads as 9
  EXPECT_EQ(SettingsForDrawing(s, kRange), s);
  s.n = "1000";
  EXPECT_EQ(SettingsForDrawing(s, kRange), s) << "the tables hold up to 1000 bands";
}

struct Mended {
  const char* what;
  DrawSettings given;
  DrawSettings expected;
};

std::vector<Mended> MendedCases() {
  std::vector<Mended> cases;
  auto add = [&](const char* what, auto change, auto mend) {
    Mended m{what, Good(), Good()};
    change(m.given);
    change(m.expected);
    mend(m.expected);
    cases.push_back(m);
  };
  add(
      "equal X ends", [](DrawSettings& s) { s.X1 = s.X2 = "5"; }, [](DrawSettings& s) { s.X1 = "-40", s.X2 = "40"; });
  add(
      "X ends equal by value",
      [](DrawSettings& s) {
        s.X1 = "5";
        s.X2 = "5.0x";
      },
      [](DrawSettings& s) { s.X1 = "5", s.X2 = "40"; });
  add(
      "equal Y ends", [](DrawSettings& s) { s.Y1 = s.Y2 = "abc"; }, [](DrawSettings& s) { s.Y1 = "-20", s.Y2 = "20"; });
  add(
      "equal Z ends", [](DrawSettings& s) { s.Z1 = s.Z2 = "3"; }, [](DrawSettings& s) { s.Z1 = "3", s.Z2 = "7"; });
  add(
      "falling Z",
      [](DrawSettings& s) {
        s.Z1 = "9";
        s.Z2 = "1";
      },
      [](DrawSettings& s) { s.Z1 = "3", s.Z2 = "7"; });
  add(
      "one band", [](DrawSettings& s) { s.n = "1"; }, [](DrawSettings& s) { s.n = "2"; });
  add(
      "no band", [](DrawSettings& s) { s.n = "0"; }, [](DrawSettings& s) { s.n = "2"; });
  add(
      "negative bands", [](DrawSettings& s) { s.n = "-3.5"; }, [](DrawSettings& s) { s.n = "2"; });
  add(
      "n not a number", [](DrawSettings& s) { s.n = "abc"; }, [](DrawSettings& s) { s.n = "20"; });
  add(
      "n empty", [](DrawSettings& s) { s.n = ""; }, [](DrawSettings& s) { s.n = "20"; });
  add(
      "too many bands", [](DrawSettings& s) { s.n = "100000"; }, [](DrawSettings& s) { s.n = "512"; });
  add(
      "just too many", [](DrawSettings& s) { s.n = "1000.6"; }, [](DrawSettings& s) { s.n = "512"; });
  add(
      "n beyond 32 bits", [](DrawSettings& s) { s.n = "1e20"; }, [](DrawSettings& s) { s.n = "512"; });
  add(
      "sq inf", [](DrawSettings& s) { s.sq = "inf"; }, [](DrawSettings& s) { s.sq = ""; });
  add(
      "sq with trailing text", [](DrawSettings& s) { s.sq = "0.5x"; }, [](DrawSettings& s) { s.sq = ""; });
  return cases;
}

TEST(SettingsForDrawing, FieldsTheRendererCannotUseAreReplacedAsTheDialogWould) {
  for (const Mended& m : MendedCases()) {
    const DrawSettings got = SettingsForDrawing(m.given, kRange);
    EXPECT_EQ(got, m.expected) << m.what << ": X " << got.X1 << " " << got.X2 << ", Y " << got.Y1 << " " << got.Y2
                               << ", Z " << got.Z1 << " " << got.Z2 << ", n " << got.n << ", sq " << got.sq;
  }
}

TEST(SettingsForDrawing, CountsFollowNAndContinuousColouring) {
  DrawSettings s = Good();
  s.n = "7.5";
  EXPECT_EQ(ReadDrawParameters(s).lineCount, 8);
  EXPECT_EQ(ReadDrawParameters(s).bandCount, 8);
  s.ContinuousColour = 1;
  EXPECT_EQ(ReadDrawParameters(s).bandCount, 200);
  EXPECT_EQ(ReadDrawParameters(s).lineCount, 8);
  s.n = "1e20";
  EXPECT_EQ(ReadDrawParameters(s).lineCount, 0) << "beyond 32 bits";
}

// Settings read from files reach the page unchecked: every one of these
// draws a whole page (a map with pieces and masks, a full scale).
struct FaultyPage {
  const char* what;
  void (*apply)(DrawSettings&);
  std::size_t scaleSegments;
};

class FaultySettings : public ::testing::TestWithParam<FaultyPage> {};

TEST_P(FaultySettings, DrawAWholePage) {
  Document doc = test::RampDocument();
  GetParam().apply(doc.settings);
  const gdi::EnhMetaFile page = ComposePage(doc, NullProgress());
  ASSERT_FALSE(page.isNull());
  const std::vector<DrawCall> map = test::CallsOf(test::RecordedCalls(page.pictures()[0]), DrawCall::Kind::Polygon);
  EXPECT_GE(map.size(), 5u + static_cast<std::size_t>(2 * doc.mesh.nt)) << "every triangle is filled";
  for (const DrawCall& piece : map) {
    for (const gdi::POINT& p : piece.points) {
      ASSERT_LE(std::abs(p.x), kMapCoordinateLimit);
      ASSERT_LE(std::abs(p.y), kMapCoordinateLimit);
    }
  }
  const std::vector<DrawCall> margins(map.end() - 4, map.end());
  EXPECT_EQ(margins.back().points.front(), (gdi::POINT{10000, -10000})) << "the map was drawn to its end";
  const std::vector<DrawCall> all = test::CallsOf(test::RecordedCalls(page), DrawCall::Kind::Polygon);
  EXPECT_EQ(all.size(), 2 * GetParam().scaleSegments);
}

INSTANTIATE_TEST_SUITE_P(
    FromFiles, FaultySettings,
    ::testing::Values(FaultyPage{"equal X", [](DrawSettings& s) { s.X1 = s.X2 = "50"; }, 20},
                      FaultyPage{"equal Y", [](DrawSettings& s) { s.Y2 = s.Y1; }, 20},
                      FaultyPage{"falling Z", [](DrawSettings& s) { std::swap(s.Z1, s.Z2); }, 20},
                      FaultyPage{"n = 1", [](DrawSettings& s) { s.n = "1"; }, 2},
                      FaultyPage{"n = 0", [](DrawSettings& s) { s.n = "0"; }, 2},
                      FaultyPage{"n negative", [](DrawSettings& s) { s.n = "-4"; }, 2},
                      FaultyPage{"n not a number", [](DrawSettings& s) { s.n = "many"; }, 20},
                      FaultyPage{"n = 100000", [](DrawSettings& s) { s.n = "100000"; }, 512},
                      FaultyPage{"sq inf", [](DrawSettings& s) { s.sq = "inf"; }, 20},
                      FaultyPage{"pattern with continuous colouring",
                                 [](DrawSettings& s) {
                                   s.fillMode = FillMode::FillPattern;
                                   s.ContinuousColour = 1;
                                 },
                                 200},
                      FaultyPage{"X window far too narrow", [](DrawSettings& s) { s.X1 = "0", s.X2 = "1e-300"; }, 20},
                      FaultyPage{"Z window far too narrow", [](DrawSettings& s) { s.Z1 = "0", s.Z2 = "1e-300"; }, 20}));

// Values far above Z2 make bands more than 47 above the top: in pattern fill
// they keep cycling through the 48 patterns.
TEST(FaultySettings, PatternBandsFarAboveTheTopStillGetPatterns) {
  Document doc = test::RampDocument();
  doc.settings.fillMode = FillMode::FillPattern;
  doc.settings.n = "10";
  doc.settings.Z1 = "0";
  doc.settings.Z2 = "5";  // levels up to 20, bands up to 200
  const gdi::EnhMetaFile page = ComposePage(doc, NullProgress());
  const std::vector<DrawCall> map = test::CallsOf(test::RecordedCalls(page.pictures()[0]), DrawCall::Kind::Polygon);
  std::set<std::size_t> used;
  for (std::size_t i = 1; i + 4 < map.size(); ++i) {
    const auto& patterns = FillPatterns();
    const auto found = std::find(patterns.begin(), patterns.end(), map[i].brush.pattern);
    ASSERT_NE(found, patterns.end()) << "piece " << i;
    used.insert(static_cast<std::size_t>(found - patterns.begin()));
  }
  EXPECT_EQ(used.size(), 48u);
}

}  // namespace
}  // namespace plotvane
