// Reading text data files: line ends, separators, field cutting, skipping,
// limits, number syntax, text encodings and the kind by name.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "common/Messages.h"
#include "data/ReaderTestSupport.h"

namespace plotvane {
namespace {

using test::PointAt;
using test::ReadBytesAsFile;
using Point = std::array<double, 3>;

struct ReadCase {
  std::string name{};
  std::string bytes{};
  ReadStatus status = ReadStatus::Ok;
  std::vector<Point> points{};  // expected points when the read succeeds
  std::array<std::string, 3> labels{"X", "Y", "Z"};
  int skipLines = 0;
  std::string skipPrefixes{};
  std::string fileName = "data.txt";
};

std::vector<ReadCase> Cases() {
  return {
      {.name = "CommaAndSpace",
       .bytes = "X, Y, Z\r\n1, 2, 3\r\n4, 5, 6\r\n7, 8, 9\r\n",
       .points = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}},
      {.name = "RunsOfSpaces", .bytes = "X   Y  Z\r\n  1   2    3  \r\n4 5 6\r\n", .points = {{1, 2, 3}, {4, 5, 6}}},
      {.name = "TabsWithSpacesAround",
       .bytes = "X\t Y \tZ\r\n1 \t 2\t3 \r\n",
       .points = {{1, 2, 3}},
       .labels = {"X", "Y ", "Z"}},
      {.name = "FieldBeforeSeparatorKeepsItsSpaces",
       .bytes = "X , Y , Z\r\n1 , 2 , 3\r\n",
       .points = {{1, 2, 3}},
       .labels = {"X ", "Y ", "Z"}},
      {.name = "EmptyTabColumn", .bytes = "X\tY\tZ\r\n1\t\t3\r\n", .status = ReadStatus::InvalidData},
      {.name = "LeadingTabIsNotTrimmed", .bytes = "X\tY\tZ\r\n\t1\t2\t3\r\n", .status = ReadStatus::InvalidData},
      {.name = "SpacesOnlyLine",
       .bytes = "X\tY\tZ\r\n1\t2\t3\r\n   \r\n4\t5\t6\r\n",
       .status = ReadStatus::InvalidData},
      {.name = "EmptyLinesSkipped",
       .bytes = "\r\nX\tY\tZ\r\n\r\n1\t2\t3\r\n\r\n\r\n4\t5\t6\r\n\r\n",
       .points = {{1, 2, 3}, {4, 5, 6}}},
      {.name = "MissingThirdField", .bytes = "X\tY\tZ\r\n1\t2\r\n", .status = ReadStatus::InvalidData},
      {.name = "FurtherFieldsIgnored", .bytes = "X\tY\tZ\tW\r\n1\t2\t3\tjunk\r\n", .points = {{1, 2, 3}}},
      {.name = "LineFeedOnly", .bytes = "X\tY\tZ\n1\t2\t3\n4\t5\t6\n", .points = {{1, 2, 3}, {4, 5, 6}}},
      {.name = "CarriageReturnOnly", .bytes = "X\tY\tZ\r1\t2\t3\r4\t5\t6\r", .points = {{1, 2, 3}, {4, 5, 6}}},
      {.name = "MixedLineEnds",
       .bytes = "X\tY\tZ\r\n1\t2\t3\n4\t5\t6\r7\t8\t9",
       .points = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}},
      {.name = "NoFinalLineEnd", .bytes = "X\tY\tZ\r\n1\t2\t3", .points = {{1, 2, 3}}},
      {.name = "SkipLinesCountsBlankLines",
       .bytes = "remark\r\n\r\nmore\r\nX\tY\tZ\r\n1\t2\t3\r\n",
       .points = {{1, 2, 3}},
       .skipLines = 3},
      {.name = "SkipLinesCountsLineFeedLines",
       .bytes = "remark\n\nmore\nX\tY\tZ\n1\t2\t3\n",
       .points = {{1, 2, 3}},
       .skipLines = 3},
      {.name = "SkipPrefixes",
       .bytes = "  # remark\r\nX#\tY\tZ\r\n* star\r\n1\t2\t3\r\n!bang\r\n  !  \r\n4\t5\t6\r\n",
       .points = {{1, 2, 3}, {4, 5, 6}},
       .labels = {"X#", "Y", "Z"},
       .skipPrefixes = "  #   *  ! "},
      {.name = "SkipPrefixIsCaseSensitive",
       .bytes = "REM x\r\nX\tY\tZ\r\nrem\t2\t3\r\n",
       .status = ReadStatus::InvalidData,
       .skipPrefixes = "REM"},
      {.name = "SeparatorFromFirstAcceptedLine",
       .bytes = "a,b,c\r\nX\tY\tZ\r\n1\t2\t3\r\n",
       .points = {{1, 2, 3}},
       .skipLines = 1},
      {.name = "SingleFieldHeaderChoosesTab",
       .bytes = "X\r\n1\t2\t3\r\n",
       .points = {{1, 2, 3}},
       .labels = {"X", "", ""}},
      {.name = "SpaceHeaderThenTabData", .bytes = "X Y Z\r\n1\t2\t3\r\n", .status = ReadStatus::InvalidData},
      {.name = "HeaderOnly", .bytes = "X\tY\tZ\r\n"},
      {.name = "NoAcceptedLine", .bytes = "\r\n\r\n", .labels = {"", "", ""}},
      {.name = "EmptyFile", .bytes = "", .labels = {"", "", ""}},
      {.name = "NumberSyntax",
       .bytes = "X\tY\tZ\r\n+1.5\t-2e3\t.25\r\n1E-2\t 7 \t0\r\n",
       .points = {{1.5, -2000, 0.25}, {0.01, 7, 0}}},
      {.name = "Infinity", .bytes = "X\tY\tZ\r\ninf\t2\t3\r\n", .status = ReadStatus::InvalidData},
      {.name = "NotANumber", .bytes = "X\tY\tZ\r\n1\tnan\t3\r\n", .status = ReadStatus::InvalidData},
      {.name = "Hexadecimal", .bytes = "X\tY\tZ\r\n1\t2\t0x10\r\n", .status = ReadStatus::InvalidData},
      {.name = "TrailingGarbage", .bytes = "X\tY\tZ\r\n1.5m\t2\t3\r\n", .status = ReadStatus::InvalidData},
      {.name = "Overflow", .bytes = "X\tY\tZ\r\n1e400\t2\t3\r\n", .status = ReadStatus::InvalidData},
      {.name = "DecimalComma", .bytes = "X\tY\tZ\r\n1,5\t2\t3\r\n", .status = ReadStatus::InvalidData},
      {.name = "RangeOverflowsInX",
       .bytes = "X\tY\tZ\r\n1e308\t0\t0\r\n-1e308\t1\t1\r\n0\t2\t0\r\n",
       .status = ReadStatus::InvalidData},
      {.name = "RangeOverflowsInZAfterScaling",
       .bytes = "X\tY\tZ\r\n0\t0\t1e307\r\n1\t1\t-1e307\r\n",
       .status = ReadStatus::InvalidData},
      {.name = "LargeButFiniteRange",
       .bytes = "X\tY\tZ\r\n1e305\t0\t0\r\n-1e305\t1\t1\r\n",
       .points = {{1e305, 0, 0}, {-1e305, 1, 1}}},
      {.name = "ByteOrderMark", .bytes = "\xEF\xBB\xBFX\tY\tZ\r\n1\t2\t3\r\n", .points = {{1, 2, 3}}},
      {.name = "Utf8Labels",
       .bytes = "経度\t緯度\t標高\r\n1\t2\t3\r\n",
       .points = {{1, 2, 3}},
       .labels = {"経度", "緯度", "標高"}},
      {.name = "Cp932Labels",
       .bytes = "\x8C\x6F\x93\x78\t\x88\xDC\x93\x78\t\x95\x57\x8D\x82\r\n1\t2\t3\r\n",
       .points = {{1, 2, 3}},
       .labels = {"経度", "緯度", "標高"}},
      {.name = "Cp932HalfWidthKatakana",
       .bytes = "\xB1\xB2\xB3\tY\tZ\r\n1\t2\t3\r\n",
       .points = {{1, 2, 3}},
       .labels = {"ｱｲｳ", "Y", "Z"}},
      {.name = "TextDataInAContourFileName",
       .bytes = "X\tY\tZ\r\n1\t2\t3\r\n",
       .status = ReadStatus::Unexpected,
       .fileName = "data.ctr"},
  };
}

class ReadDataFileCases : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadDataFileCases, ReadsAsExpected) {
  const ReadCase& c = GetParam();
  const auto [status, doc] = ReadBytesAsFile(c.fileName, c.bytes, c.skipLines, c.skipPrefixes);
  ASSERT_EQ(status, c.status);
  if (c.status == ReadStatus::Ok) {
    EXPECT_EQ(doc.errMsg, "");
    ASSERT_EQ(doc.points.nn, static_cast<int>(c.points.size()));
    ASSERT_EQ(doc.points.dataX.size(), c.points.size() + 1);
    for (std::size_t i = 0; i < c.points.size(); ++i) EXPECT_EQ(PointAt(doc, static_cast<int>(i + 1)), c.points[i]);
    EXPECT_EQ((std::array{doc.points.labelX, doc.points.labelY, doc.points.labelZ}), c.labels);
  } else {
    EXPECT_EQ(doc.points.nn, 0);
    EXPECT_EQ(doc.points.dataX.size(), 1u);
    EXPECT_EQ(doc.errMsg,
              c.status == ReadStatus::InvalidData ? messages::kInvalidData : messages::kUnexpectedReadFailure);
  }
}

INSTANTIATE_TEST_SUITE_P(Text, ReadDataFileCases, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<ReadCase>& row) { return row.param.name; });

TEST(ReadDataFile, BytesThatAreNotTextAreNotQuoted) {
  struct Case {
    std::string name, bytes;
    bool text;
  };
  const std::vector<Case> cases{
      {"picture.txt", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\x02X\0\0\x01\xDD\x08\x02\0\0\0", 29), false},
      {"program.ctr",
       "\x7F"
       "ELF\x02\x01\x01\x03\x04\x05\x06\x07\x08\x0E\x0F\x10\x11\x12 ",
       false},
      // A stray control character or an end-of-file mark leaves a text file text.
      {"old.txt", "X\tY\tZ\r\n1\t2\t3\r\n\x1A", true},
      {"bell.txt", "X\x07\tY\tZ\r\n1\t2\t3\r\n", true},
  };
  for (const Case& c : cases) {
    const auto [status, doc] = ReadBytesAsFile(c.name, c.bytes, 0, "");
    const bool notText = doc.errDetail.find("テキストファイルではありません") != std::string::npos;
    EXPECT_EQ(notText, !c.text) << c.name << ": " << doc.errDetail;
    if (!c.text) {
      EXPECT_EQ(status, ReadStatus::InvalidData) << c.name;
    }
  }
}

TEST(ReadDataFile, InvalidDataKeepsTheLabelsAssignedBeforeIt) {
  const auto [status, doc] = ReadBytesAsFile("data.txt", "A\tB\tC\r\n1\t2\t3\r\nx\t2\t3\r\n");
  ASSERT_EQ(status, ReadStatus::InvalidData);
  EXPECT_EQ(doc.points.labelX, "A");
  EXPECT_EQ(doc.points.labelZ, "C");
}

// Spreadsheets and other programs name the same columns otherwise; the name
// changes nothing of the reading, failures included.
TEST(ReadDataFile, TextFileNamesReadAlike) {
  const std::vector<std::string> contents{"X,Y,Z\r\n1,2,3\r\n4,5,6\r\n", "E N H\n1.5 -2 3e2\n", "X\tY\tZ\r\n1\t\t3\r\n",
                                          "A;B;C\r\n1;2;3\r\n"};
  for (const std::string& bytes : contents) {
    const auto expected = ReadBytesAsFile("data.txt", bytes);
    for (const char* name : {"data.csv", "data.xyz", "data.dat"}) {
      const auto read = ReadBytesAsFile(name, bytes);
      EXPECT_EQ(read.status, expected.status) << name << bytes;
      EXPECT_EQ(read.doc.points.nn, expected.doc.points.nn) << name << bytes;
      EXPECT_EQ(read.doc.points.dataZ, expected.doc.points.dataZ) << name << bytes;
      EXPECT_EQ(read.doc.points.labelY, expected.doc.points.labelY) << name << bytes;
      EXPECT_EQ(read.doc.errDetail, expected.doc.errDetail) << name << bytes;
    }
  }
}

TEST(ReadDataFile, OtherEndingsLeaveEverythingAsItWas) {
  for (const char* name : {"data.TXT", "data.Ctr", "data.CSV", "data.tsv", "txt", "data.txt.bak"}) {
    const test::TempDir dir;
    Document doc;
    doc.points.nn = 1;
    doc.points.dataX = {0, 5};
    doc.points.dataY = {0, 6};
    doc.points.dataZ = {0, 7};
    doc.points.labelX = "old";
    doc.errMsg = "stale";
    doc.settings.X1 = "9";
    const ReadStatus status = ReadDataFile(dir.write(name, "X\tY\tZ\r\n1\t2\t3\r\n"), doc);
    EXPECT_EQ(status, ReadStatus::UnknownKind) << name;
    EXPECT_EQ(doc.points.nn, 1) << name;
    EXPECT_EQ(PointAt(doc, 1), (Point{5, 6, 7})) << name;
    EXPECT_EQ(doc.points.labelX, "old") << name;
    EXPECT_EQ(doc.settings.X1, "9") << name;
    EXPECT_EQ(doc.errMsg, "") << name;
  }
}

TEST(ReadDataFile, MissingFileCannotBeOpened) {
  const test::TempDir dir;
  Document doc;
  doc.points.nn = 2;
  EXPECT_EQ(ReadDataFile(dir.file("missing.txt"), doc), ReadStatus::CannotOpen);
  EXPECT_EQ(doc.points.nn, 0);
  EXPECT_EQ(doc.errMsg, messages::kUnexpectedReadFailure);
  EXPECT_EQ(ReadDataFile(dir.path() + "/.txt", doc), ReadStatus::CannotOpen);
  EXPECT_EQ(ReadDataFile(dir.path(), doc), ReadStatus::CannotOpen);  // a folder
}

std::string Lines(int count, const std::string& line) {
  std::string text;
  for (int i = 0; i < count; ++i) text += line;
  return text;
}

TEST(ReadDataFile, AcceptedLineLimitCountsTheHeader) {
  const std::string header = "X\tY\tZ\r\n";
  const auto atLimit = ReadBytesAsFile("data.txt", header + Lines(99999, "1\t2\t3\r\n"));
  EXPECT_EQ(atLimit.status, ReadStatus::Ok);
  EXPECT_EQ(atLimit.doc.points.nn, 99999);

  const auto over = ReadBytesAsFile("data.txt", header + Lines(100000, "1\t2\t3\r\n"));
  EXPECT_EQ(over.status, ReadStatus::Unexpected);
  EXPECT_EQ(over.doc.points.nn, 0);
  EXPECT_EQ(over.doc.errMsg, messages::kUnexpectedReadFailure);

  // Skipped and blank lines do not count.
  const auto skipped =
      ReadBytesAsFile("data.txt", "#a\r\n\r\n" + header + Lines(99999, "1\t2\t3\r\n") + "\r\n#b\r\n", 0, "#");
  EXPECT_EQ(skipped.status, ReadStatus::Ok);
  EXPECT_EQ(skipped.doc.points.nn, 99999);
}

std::string Fields(int count) {
  std::string line = "1";
  for (int i = 1; i < count; ++i) line += "\t1";
  return line + "\r\n";
}

TEST(ReadDataFile, FieldLimitIsOneHundred) {
  EXPECT_EQ(ReadBytesAsFile("data.txt", "X\tY\tZ\r\n" + Fields(100)).status, ReadStatus::Ok);
  const auto over = ReadBytesAsFile("data.txt", "X\tY\tZ\r\n" + Fields(101));
  EXPECT_EQ(over.status, ReadStatus::Unexpected);
  EXPECT_EQ(over.doc.errMsg, messages::kUnexpectedReadFailure);
  // The limit holds for every line, also in a file of another kind.
  EXPECT_EQ(ReadBytesAsFile("data.csv", Fields(101)).status, ReadStatus::Unexpected);
}

std::string Tokens(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += " #" + std::to_string(i);
  return text;
}

TEST(ReadDataFile, SkipTokenLimitIsOneHundred) {
  const std::string bytes = "#7 remark\r\nX\tY\tZ\r\n1\t2\t3\r\n";
  const auto atLimit = ReadBytesAsFile("data.txt", bytes, 0, Tokens(100));
  EXPECT_EQ(atLimit.status, ReadStatus::Ok);
  EXPECT_EQ(atLimit.doc.points.nn, 1);
  const auto over = ReadBytesAsFile("data.txt", bytes, 0, Tokens(101));
  EXPECT_EQ(over.status, ReadStatus::Unexpected);
  EXPECT_EQ(over.doc.errMsg, messages::kUnexpectedReadFailure);
}

TEST(ReadDataFile, ReadDataBytesMatchesTheFile) {
  const std::string bytes = "X\tY\tZ\r\n1\t2\t3\r\n4\t5\t6\r\n";
  Document fromBytes;
  ASSERT_EQ(ReadDataBytes(bytes, "mem.txt", fromBytes), ReadStatus::Ok);
  const auto fromFile = ReadBytesAsFile("data.txt", bytes);
  EXPECT_EQ(fromBytes.points.dataX, fromFile.doc.points.dataX);
  EXPECT_EQ(fromBytes.points.dataZ, fromFile.doc.points.dataZ);
  EXPECT_EQ(fromBytes.points.labelY, "Y");
}

}  // namespace
}  // namespace plotvane
