// Contour files: the three layouts, the settings lines, and the round trip
// through the writer.

#include <gtest/gtest.h>

#include <string>

#include "common/Messages.h"
#include "data/ContourFileWriter.h"
#include "data/ReaderTestSupport.h"
#include "settings/NumberText.h"
#include "settings/SettingsBlock.h"
#include "support/PointGenerators.h"
#include "support/SettingsTestSupport.h"

namespace plotvane {
namespace {

using test::PointAt;
using test::ReadBytesAsFile;

std::string Block(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

const std::vector<std::string> kSettingsLines = {"0",   "250", "-10", "40",  "1.25",  "98.6", "12",
                                                 "0.4", " 0 ", " 1 ", " 1 ", "False", "True", "False"};
const std::string kPoints = "Easting\tNorthing\tDepth\r\n0\t-10\t1.25\r\n250\t40\t98.6\r\n100\t0\t50\r\n";

TEST(ContourLayouts, NewLayoutReadsAllFourteenLines) {
  const auto [status, doc] = ReadBytesAsFile("map.ctr", Block(kSettingsLines) + "\r\n" + kPoints);
  ASSERT_EQ(status, ReadStatus::Ok);
  EXPECT_EQ(doc.settings,
            test::Settings("0", "250", "-10", "40", "1.25", "98.6", "12", "0.4", 0, 1, 1, FillMode::FillGrey));
  EXPECT_EQ(doc.points.labelX, "Easting");
  EXPECT_EQ(doc.points.labelZ, "Depth");
  ASSERT_EQ(doc.points.nn, 3);
  EXPECT_EQ(PointAt(doc, 2), (std::array<double, 3>{250, 40, 98.6}));
}

TEST(ContourLayouts, OldLayoutWithoutFillModeLinesSelectsColour) {
  std::vector<std::string> lines(kSettingsLines.begin(), kSettingsLines.begin() + kSettingsSwitchLines);
  test::TempDir dir;
  Document doc;
  doc.settings.selectFillMode(FillMode::FillPattern);
  ASSERT_EQ(ReadDataFile(dir.write("old.ctr", Block(lines) + kPoints), doc), ReadStatus::Ok);
  EXPECT_EQ(doc.settings.fillMode, FillMode::FillColour);
  EXPECT_EQ(doc.settings.ContinuousColour, 1);
  EXPECT_EQ(doc.settings.n, "12");
  EXPECT_EQ(doc.points.labelY, "Northing");
  EXPECT_EQ(doc.points.nn, 3);
}

TEST(ContourLayouts, ContourFileWithoutBlockReadsLikeText) {
  std::string text = "X\tY\tZ\r\n";
  for (int i = 1; i <= 13; ++i) text += std::to_string(i) + "\t" + std::to_string(i * i) + "\t7\r\n";
  const auto [status, doc] = ReadBytesAsFile("plain.ctr", text);
  ASSERT_EQ(status, ReadStatus::Ok);
  EXPECT_EQ(doc.points.nn, 13);
  EXPECT_EQ(doc.points.labelX, "X");
  EXPECT_EQ(PointAt(doc, 13), (std::array<double, 3>{13, 169, 7}));
  EXPECT_EQ(doc.settings, DefaultDrawSettings());
}

TEST(ContourLayouts, ThirteenthLineWithTwoFieldsMakesTheNewLayout) {
  // Lines 2..12 all have three fields, so only line 13 calls for the block;
  // each settings line then gives its first field.
  std::string text = "X\tY\tZ\r\n";
  for (int i = 2; i <= 12; ++i) text += "1\t2\t3\r\n";
  text += "0\t5\r\n1\t2\t3\r\nA\tB\tC\r\n4\t5\t6\r\n";
  const auto [status, doc] = ReadBytesAsFile("odd.ctr", text);
  ASSERT_EQ(status, ReadStatus::Ok);
  EXPECT_EQ(doc.settings.X1, "X");
  EXPECT_EQ(doc.settings.sq, "1");
  EXPECT_EQ(doc.settings.fillMode, FillMode::FillPattern);
  EXPECT_EQ(doc.settings.ContinuousColour, 0);
  EXPECT_EQ(doc.points.labelX, "A");
  ASSERT_EQ(doc.points.nn, 1);
  EXPECT_EQ(PointAt(doc, 1), (std::array<double, 3>{4, 5, 6}));
}

TEST(ContourLayouts, ShortFileWithoutBlockIsTakenForABlockAndRejected) {
  // Fewer than thirteen lines cannot show three fields on line 13: the first
  // lines are read as settings, and the missing line 9 is no switch value.
  const auto [status, doc] = ReadBytesAsFile("short.ctr", "X\tY\tZ\r\n1\t2\t3\r\n");
  EXPECT_EQ(status, ReadStatus::Unexpected);
  EXPECT_EQ(doc.settings.X1, "X");
  EXPECT_EQ(doc.points.nn, 0);
}

TEST(ContourLayouts, LastTrueFillModeWinsAndPatternClearsContinuous) {
  auto lines = kSettingsLines;
  lines[11] = "TRUE";
  lines[12] = "1";
  lines[13] = "-1";
  const auto [status, doc] = ReadBytesAsFile("map.ctr", Block(lines) + "\r\n" + kPoints);
  ASSERT_EQ(status, ReadStatus::Ok);
  EXPECT_EQ(doc.settings.fillMode, FillMode::FillPattern);
  EXPECT_EQ(doc.settings.ContinuousColour, 0);
}

TEST(ContourLayouts, InfStaysForTheLoadToEmpty) {
  auto lines = kSettingsLines;
  lines[7] = "inf";
  const auto [status, doc] = ReadBytesAsFile("map.ctr", Block(lines) + "\r\n" + kPoints);
  ASSERT_EQ(status, ReadStatus::Ok);
  EXPECT_EQ(doc.settings.sq, "inf");
}

struct BadSettingsLine {
  const char* name;
  int line;  // 1-based
  const char* text;
};

class RejectedSettingsLines : public testing::TestWithParam<BadSettingsLine> {};

TEST_P(RejectedSettingsLines, FailUnexpectedKeepingEarlierLines) {
  auto lines = kSettingsLines;
  lines[static_cast<std::size_t>(GetParam().line - 1)] = GetParam().text;
  const auto [status, doc] = ReadBytesAsFile("map.ctr", Block(lines) + "\r\n" + kPoints);
  EXPECT_EQ(status, ReadStatus::Unexpected);
  EXPECT_EQ(doc.errMsg, messages::kUnexpectedReadFailure);
  EXPECT_EQ(doc.points.nn, 0);
  EXPECT_EQ(doc.settings.X2, "250");  // written before the bad line
  EXPECT_EQ(doc.settings.sq, "0.4");
  EXPECT_EQ(doc.points.labelX, "");  // the labels come after the settings
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RejectedSettingsLines,
    testing::Values(BadSettingsLine{"SwitchTwo", 9, " 2 "}, BadSettingsLine{"SwitchNegative", 10, "-1"},
                    BadSettingsLine{"SwitchText", 11, "on"}, BadSettingsLine{"SwitchRoundsToTwo", 9, "1.5"},
                    BadSettingsLine{"OptionWord", 12, "yes"}, BadSettingsLine{"OptionNumberWithUnit", 14, "1x"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ContourLayouts, SwitchLineRejectedAfterTextLinesWereWritten) {
  auto lines = kSettingsLines;
  lines[9] = "3";
  const auto [status, doc] = ReadBytesAsFile("map.ctr", Block(lines) + "\r\n" + kPoints);
  ASSERT_EQ(status, ReadStatus::Unexpected);
  EXPECT_EQ(doc.settings.ContourLines, 0);   // line 9 came first
  EXPECT_EQ(doc.settings.TriangleEdges, 0);  // line 10 was rejected: the default stays
}

DrawSettings SampleSettings() {
  DrawSettings s;
  s.X1 = "1000";
  s.X2 = "-5.5";
  s.Y1 = "0.001";
  s.Y2 = "1E+20";
  s.Z1 = "-3";
  s.Z2 = "7";
  s.n = "33";
  s.sq = "";
  s.ContourLines = 0;
  s.TriangleEdges = 1;
  s.selectFillMode(FillMode::FillPattern);
  return s;
}

// Points whose values survive 15 significant digits unchanged.
PointSet SamplePoints(int count) {
  const test::Points p = test::UniformPoints(count, 17);
  PointSet set;
  set.nn = count;
  set.labelX = "経度";
  set.labelY = "lat (deg)";
  set.labelZ = "z";
  for (int i = 0; i < count; ++i) {
    const auto k = static_cast<std::size_t>(i);
    set.dataX.push_back(*ParseNumber(NumberText(p.x[k])));
    set.dataY.push_back(*ParseNumber(NumberText(p.y[k] - 500)));
    set.dataZ.push_back(*ParseNumber(NumberText(p.z[k] * 1e-6)));
  }
  return set;
}

TEST(ContourFileWriter, RoundTripGivesTheSameSettingsLabelsAndPoints) {
  const DrawSettings settings = SampleSettings();
  const PointSet points = SamplePoints(200);
  const test::TempDir dir;
  const std::string path = dir.file("saved.ctr");
  ASSERT_FALSE(WriteContourFile(path, settings, points));

  Document doc;
  ASSERT_EQ(ReadDataFile(path, doc), ReadStatus::Ok);
  DrawSettings expected = settings;
  expected.sq = "inf";  // the load turns it back into empty
  EXPECT_EQ(doc.settings, expected);
  EXPECT_EQ(doc.points.nn, points.nn);
  EXPECT_EQ(doc.points.dataX, points.dataX);
  EXPECT_EQ(doc.points.dataY, points.dataY);
  EXPECT_EQ(doc.points.dataZ, points.dataZ);
  EXPECT_EQ(doc.points.labelX, points.labelX);
  EXPECT_EQ(doc.points.labelY, points.labelY);

  // Saving what was loaded gives the same file again.
  doc.settings.sq.clear();
  EXPECT_EQ(ContourFileText(doc.settings, doc.points), test::ReadBytes(path));
}

// Texts the settings dialog or a view file can hold that a plain line would
// not give back: the file must load with every line where it was written.
struct AwkwardText {
  const char* name;
  test::TextField field;
  std::string text;
  std::string readBack;
};

class AwkwardTexts : public testing::TestWithParam<AwkwardText> {};

TEST_P(AwkwardTexts, ReadBackWhereTheyWereWritten) {
  const AwkwardText& row = GetParam();
  const DrawSettings settings = test::WithTexts(SampleSettings(), {{row.field, row.text}});
  const test::TempDir dir;
  for (const int count : {0, 5}) {
    const PointSet points = SamplePoints(count);
    const std::string path = dir.file("awkward.ctr");
    ASSERT_FALSE(WriteContourFile(path, settings, points));
    Document doc;
    ASSERT_EQ(ReadDataFile(path, doc), ReadStatus::Ok) << test::ReadBytes(path);
    EXPECT_EQ(doc.settings, test::WithTexts(settings, {{row.field, row.readBack}, {&DrawSettings::sq, "inf"}}));
    EXPECT_EQ(doc.points.labelX, points.labelX);
    EXPECT_EQ(doc.points.nn, count);
    EXPECT_EQ(doc.points.dataZ, points.dataZ);
  }
}

INSTANTIATE_TEST_SUITE_P(Lines, AwkwardTexts,
                         testing::Values(AwkwardText{"EmptyFirstLine", &DrawSettings::X1, "", ""},
                                         AwkwardText{"EmptyMiddleLine", &DrawSettings::Z1, "", ""},
                                         AwkwardText{"EmptyLevelCount", &DrawSettings::n, "", ""},
                                         AwkwardText{"BlanksOnly", &DrawSettings::Y2, "   ", ""},
                                         AwkwardText{"CommaOnFirstLine", &DrawSettings::X1, "1,5", "1,5"},
                                         AwkwardText{"SpaceOnFirstLine", &DrawSettings::X1, "1 000", "1 000"},
                                         AwkwardText{"CommaOnLaterLine", &DrawSettings::Y1, "2,5", "2,5"},
                                         AwkwardText{"OuterSpaces", &DrawSettings::X2, " 7 ", "7"},
                                         AwkwardText{"TabInside", &DrawSettings::X1, "1\t5", "1 5"},
                                         AwkwardText{"LineEndInside", &DrawSettings::Z2, "3\r\n4", "3  4"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ContourFileWriter, AllTextsEmptyAfterAFailedLoadStillLoadBack) {
  DrawSettings empty = SampleSettings();
  for (std::string* text : {&empty.X1, &empty.X2, &empty.Y1, &empty.Y2, &empty.Z1, &empty.Z2, &empty.n}) {
    text->clear();
  }
  const std::string text = ContourFileText(empty, SamplePoints(4));
  const auto [status, doc] = ReadBytesAsFile("empty.ctr", text);
  ASSERT_EQ(status, ReadStatus::Ok) << text;
  EXPECT_EQ(doc.settings, test::WithTexts(empty, {{&DrawSettings::sq, "inf"}}));
  EXPECT_EQ(doc.points.nn, 4);
}

TEST(ContourFileWriter, NoPointsWritesBlockEmptyLineAndHeader) {
  PointSet none;
  none.labelX = "X";
  none.labelY = "Y";
  none.labelZ = "Z";
  const DrawSettings settings = SampleSettings();
  EXPECT_EQ(ContourFileText(settings, none), SettingsBlockText(settings) + "\r\nX\tY\tZ\r\n");
}

TEST(ContourFileWriter, PointsInReadOrderWithCrLf) {
  PointSet points;
  points.nn = 2;
  points.dataX = {0, 2.5, -1};
  points.dataY = {0, 1e20, 0.1 + 0.2};
  points.dataZ = {0, -0.0, 7};
  points.labelX = "a";
  const std::string text = ContourFileText(DrawSettings{}, points);
  EXPECT_TRUE(text.ends_with("\r\na\t\t\r\n2.5\t1E+20\t0\r\n-1\t0.3\t7\r\n")) << text;
}

TEST(ContourFileWriter, NameIsUsedAsGiven) {
  const test::TempDir dir;
  const std::string path = dir.file("noext");
  ASSERT_FALSE(WriteContourFile(path, DrawSettings{}, PointSet{}));
  EXPECT_FALSE(test::ReadBytes(path).empty());
  EXPECT_TRUE(test::ReadBytes(path + ".ctr").empty());
  EXPECT_TRUE(WriteContourFile(dir.file("missing/x.ctr"), DrawSettings{}, PointSet{}));
}

}  // namespace
}  // namespace plotvane
