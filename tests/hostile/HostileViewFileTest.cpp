// Hostile view files (".ctv"): short, long, garbled and out-of-range blocks.
// Reading never fails hard: it applies what it can, says whether the block
// was whole, and leaves the switches and the fill mode consistent. The values
// it lets through unchecked (a band count of 1, a falling Z range) are then
// made usable by the dialog's checks before anything is drawn from them; the
// same blocks at the head of a contour file load with their points.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "hostile/HostileSupport.h"
#include "settings/NumberText.h"
#include "settings/ViewFile.h"

namespace plotvane {
namespace {

// A block in the program's own form, with the given texts for lines 1..8 and
// the given lines 9..14 (empty: leave the line out).
std::string Block(const std::string& texts,
                  const std::string& rest = " 1 \r\n 0 \r\n 0 \r\nTrue\r\nFalse\r\nFalse\r\n") {
  return texts + rest;
}

const std::string kPlainTexts = "0\r\n250\r\n-10\r\n40\r\n1.25\r\n98.6\r\n20\r\ninf\r\n";

// The settings before every read: everything different from a plain block.
DrawSettings Before() {
  DrawSettings s;
  s.X1 = "x1";
  s.n = "7";
  s.sq = "0.25";
  s.ContourLines = 0;
  s.TriangleEdges = 1;
  s.ContinuousColour = 1;
  s.selectFillMode(FillMode::FillGrey);
  return s;
}

struct HostileView {
  const char* name;
  std::function<std::string()> bytes;
  ViewReadStatus status;
  std::function<void(const DrawSettings& read, const DrawSettings& validated)> check;
};

const DataRange kRange{0, 250, -10, 40, 1.25, 98.6};

const HostileView kCases[] = {
    {"PlainBlock", [] { return Block(kPlainTexts); }, ViewReadStatus::Ok,
     [](const DrawSettings& s, const DrawSettings&) {
       EXPECT_EQ(s.X2, "250");
       EXPECT_EQ(s.sq, "");
       EXPECT_EQ(s.fillMode, FillMode::FillColour);
     }},
    {"ElevenLinesKeepTheFillMode", [] { return Block(kPlainTexts, " 1 \r\n 1 \r\n 1 \r\n"); }, ViewReadStatus::Ok,
     [](const DrawSettings& s, const DrawSettings&) {
       EXPECT_EQ(s.fillMode, FillMode::FillGrey);
       EXPECT_EQ(s.ContinuousColour, 1);
     }},
    {"TenLinesApplyWhatTheyHave", [] { return Block(kPlainTexts, " 1 \r\n 0 \r\n"); }, ViewReadStatus::BadContent,
     [](const DrawSettings& s, const DrawSettings&) {
       EXPECT_EQ(s.X1, "0");
       EXPECT_EQ(s.TriangleEdges, 0);
       EXPECT_EQ(s.ContinuousColour, 1) << "line 11 was missing";
       EXPECT_EQ(s.sq, "");
     }},
    {"EmptyFile", [] { return std::string(); }, ViewReadStatus::BadContent,
     [](const DrawSettings& s, const DrawSettings&) { EXPECT_EQ(s, Before()); }},
    {"NonNumericBandCount", [] { return Block("0\r\n250\r\n-10\r\n40\r\n1.25\r\n98.6\r\nmany\r\ninf\r\n"); },
     ViewReadStatus::Ok,
     [](const DrawSettings& s, const DrawSettings& v) {
       EXPECT_EQ(s.n, "many");
       EXPECT_EQ(v.n, "20");
     }},
    {"BandCountOne", [] { return Block("0\r\n250\r\n-10\r\n40\r\n1.25\r\n98.6\r\n1\r\ninf\r\n"); }, ViewReadStatus::Ok,
     [](const DrawSettings& s, const DrawSettings& v) {
       EXPECT_EQ(s.n, "1");
       EXPECT_EQ(v.n, "2");
     }},
    {"BandCountHundredThousand", [] { return Block("0\r\n250\r\n-10\r\n40\r\n1.25\r\n98.6\r\n100000\r\ninf\r\n"); },
     ViewReadStatus::Ok,
     [](const DrawSettings& s, const DrawSettings& v) {
       EXPECT_EQ(s.n, "100000");
       EXPECT_EQ(v.n, "512");
     }},
    {"BandCountBeyondDouble", [] { return Block("0\r\n250\r\n-10\r\n40\r\n1.25\r\n98.6\r\n1e400\r\ninf\r\n"); },
     ViewReadStatus::Ok, [](const DrawSettings&, const DrawSettings& v) { EXPECT_EQ(v.n, "20"); }},
    {"FallingZRange", [] { return Block("0\r\n250\r\n-10\r\n40\r\n50\r\n10\r\n20\r\ninf\r\n"); }, ViewReadStatus::Ok,
     [](const DrawSettings& s, const DrawSettings& v) {
       EXPECT_EQ(s.Z1, "50");
       EXPECT_EQ(s.Z2, "10");
       EXPECT_EQ(v.Z1, "1.25");
       EXPECT_EQ(v.Z2, "98.6");
     }},
    {"EqualXEnds", [] { return Block("5\r\n5\r\n-10\r\n40\r\n1.25\r\n98.6\r\n20\r\ninf\r\n"); }, ViewReadStatus::Ok,
     [](const DrawSettings&, const DrawSettings& v) {
       EXPECT_EQ(v.X1, "0");
       EXPECT_EQ(v.X2, "250");
     }},
    {"WordsForNumbers", [] { return Block("nan\r\ninf\r\n-inf\r\n0x10\r\n1e400\r\n\r\n20\r\nnan\r\n"); },
     ViewReadStatus::Ok,
     [](const DrawSettings& s, const DrawSettings& v) {
       EXPECT_EQ(s.X1, "nan");
       EXPECT_EQ(s.sq, "") << "a limit that is not a number means none";
       EXPECT_EQ(v.X1, "0");
       EXPECT_EQ(v.X2, "250");
       EXPECT_EQ(v.Y1, "-10");
       EXPECT_EQ(v.Y2, "40");
       EXPECT_EQ(v.Z1, "1.25");
       EXPECT_EQ(v.Z2, "98.6");
     }},
    {"TrueOnAllThreeFillLines", [] { return Block(kPlainTexts, " 1 \r\n 1 \r\n 1 \r\nTrue\r\nTrue\r\nTrue\r\n"); },
     ViewReadStatus::Ok,
     [](const DrawSettings& s, const DrawSettings&) {
       EXPECT_EQ(s.fillMode, FillMode::FillPattern) << "the last True wins";
       EXPECT_EQ(s.ContinuousColour, 0) << "patterns turn continuous colouring off";
     }},
    {"SwitchOutOfRange", [] { return Block(kPlainTexts, " 1 \r\n 2 \r\n 0 \r\nTrue\r\nFalse\r\nFalse\r\n"); },
     ViewReadStatus::BadContent,
     [](const DrawSettings& s, const DrawSettings&) {
       EXPECT_EQ(s.ContourLines, 1);
       EXPECT_EQ(s.TriangleEdges, 1) << "the rejected line keeps its old value";
       EXPECT_EQ(s.fillMode, FillMode::FillGrey);
     }},
    {"OptionNotATruthValue", [] { return Block(kPlainTexts, " 1 \r\n 0 \r\n 0 \r\nmaybe\r\nTrue\r\nFalse\r\n"); },
     ViewReadStatus::BadContent,
     [](const DrawSettings& s, const DrawSettings&) { EXPECT_EQ(s.fillMode, FillMode::FillGrey); }},
    {"CrOnlyLineEnds", [] { return "0\r250\r-10\r40\r1.25\r98.6\r20\rinf\r 1 \r 0 \r 0 \rFalse\rTrue\rFalse\r"; },
     ViewReadStatus::Ok, [](const DrawSettings& s, const DrawSettings&) { EXPECT_EQ(s.Z2, "98.6"); }},
    {"NulBytes",
     [] {
       return std::string(
                  "1\0"
                  "2\r\n",
                  5) +
              Block(std::string(7, '\0') + "\r\n");
     },
     ViewReadStatus::BadContent, nullptr},
    {"BinaryNoise", [] { return test::NoiseBytes(1 << 14, 9); }, ViewReadStatus::BadContent, nullptr},
    {"MegabyteLine", [] { return std::string(1u << 20, '9'); }, ViewReadStatus::BadContent,
     [](const DrawSettings& s, const DrawSettings& v) {
       EXPECT_EQ(s.X1.size(), 1u << 20) << "a number beyond double precision stays text";
       EXPECT_EQ(v.X1, "0");
     }},
    {"ManyLines", [] { return Block(kPlainTexts) + test::RepeatedLines("junk", 200000); }, ViewReadStatus::Ok,
     [](const DrawSettings& s, const DrawSettings&) { EXPECT_EQ(s.fillMode, FillMode::FillColour); }},
};

class HostileViewFile : public testing::TestWithParam<HostileView> {};

TEST_P(HostileViewFile, ReadsWhatItCanAndLeavesUsableSettings) {
  const HostileView& c = GetParam();
  test::TempDir dir;
  DrawSettings read = Before();
  EXPECT_EQ(ReadViewFile(dir.write("v.ctv", c.bytes()), read), c.status);
  EXPECT_TRUE(read.ContourLines == 0 || read.ContourLines == 1);
  EXPECT_TRUE(read.TriangleEdges == 0 || read.TriangleEdges == 1);
  EXPECT_TRUE(read.ContinuousColour == 0 || read.ContinuousColour == 1);
  EXPECT_TRUE(read.fillMode != FillMode::FillPattern || read.ContinuousColour == 0);
  EXPECT_TRUE(read.sq.empty() || IsNumeric(read.sq)) << read.sq;

  DrawSettings validated = read;
  ValidateDrawSettings(validated, kRange);
  for (const std::string* text :
       {&validated.X1, &validated.X2, &validated.Y1, &validated.Y2, &validated.Z1, &validated.Z2, &validated.n}) {
    EXPECT_TRUE(IsNumeric(*text)) << *text;
  }
  EXPECT_NE(NumericPrefixValue(validated.X1), NumericPrefixValue(validated.X2));
  EXPECT_NE(NumericPrefixValue(validated.Y1), NumericPrefixValue(validated.Y2));
  EXPECT_GT(NumericPrefixValue(validated.Z2), NumericPrefixValue(validated.Z1));
  EXPECT_GE(NumericPrefixValue(validated.n), 2);
  EXPECT_LE(NumericPrefixValue(validated.n), 512);
  if (c.check) c.check(read, validated);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileViewFile, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<HostileView>& item) { return item.param.name; });

// The same blocks at the head of a contour file: the points load, and the
// settings arrive as the file gives them, for the page to cope with.
TEST(HostileContourSettings, OutOfRangeSettingsLoadWithTheirPoints) {
  const std::string points = "\r\nX\tY\tZ\r\n0\t-10\t1.25\r\n250\t-10\t98.6\r\n125\t40\t7\r\n";
  const std::string blocks[] = {
      Block("0\r\n250\r\n-10\r\n40\r\n50\r\n10\r\n1\r\ninf\r\n", " 1 \r\n 1 \r\n 1 \r\nTrue\r\nTrue\r\nTrue\r\n"),
      Block("5\r\n5\r\n7\r\n7\r\n1\r\n1\r\n100000\r\n-3\r\n"),
      Block("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\n"),
  };
  test::TempDir dir;
  for (const std::string& block : blocks) {
    Document doc;
    ASSERT_EQ(OpenDataFile(dir.write("c.ctr", block + points), doc, NullProgress()), LoadStatus::Meshed);
    EXPECT_EQ(doc.points.nn, 3);
    EXPECT_TRUE(doc.settings.fillMode != FillMode::FillPattern || doc.settings.ContinuousColour == 0);
  }
}

}  // namespace
}  // namespace plotvane
