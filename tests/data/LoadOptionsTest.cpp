// The load options of a text data file: which fields are X, Y and Z, and a
// file whose X is north handed over in map order; a contour file ignores
// both, and one saved from an x-north load reads back as it was drawn. Also
// the text of a column choice as the command line and the dialog take it.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "data/ColumnChoice.h"
#include "data/ContourFileWriter.h"
#include "data/DataFileReader.h"
#include "data/ReaderTestSupport.h"

namespace plotvane {
namespace {

using test::PointAt;
using Point = std::array<double, 3>;

struct OptionsCase {
  std::string name;
  std::string bytes;
  LoadOptions options;
  ReadStatus status = ReadStatus::Ok;
  std::vector<Point> points{};
  std::array<std::string, 3> labels{"X", "Y", "Z"};
};

std::string HundredFields(const std::string& last) {
  std::string line;
  for (int f = 1; f < 100; ++f) line += std::to_string(f) + "\t";
  return line + last + "\r\n";
}

std::vector<OptionsCase> Cases() {
  return {
      {"DefaultIsTheFirstThree", "X\tY\tZ\tW\r\n1\t2\t3\t4\r\n", {}, ReadStatus::Ok, {{1, 2, 3}}},
      {"Reordered", "Z\tY\tX\r\n3\t2\t1\r\n", {{3, 2, 1}, false}, ReadStatus::Ok, {{1, 2, 3}}},
      {"FieldsFurtherOn",
       "No,Name,X,Y,H\r\n1,A,10,20,5.5\r\n2,B,11,21,6\r\n",
       {{3, 4, 5}, false},
       ReadStatus::Ok,
       {{10, 20, 5.5}, {11, 21, 6}},
       {"X", "Y", "H"}},
      {"TheHundredthField",
       HundredFields("Z") + HundredFields("7"),
       {{1, 2, 100}, false},
       ReadStatus::Ok,
       {{1, 2, 7}},
       {"1", "2", "Z"}},
      {"ColumnBeyondAShortLine", "a b c X Y\r\n1 2 3 4 5\r\n1 2 3\r\n", {{4, 5, 1}, false}, ReadStatus::InvalidData},
      {"HeaderShorterThanTheData",
       "X Y\r\n1 2 3 4\r\n",
       {{4, 2, 1}, false},
       ReadStatus::Ok,
       {{4, 2, 1}},
       {"", "Y", "X"}},
      {"XNorthSwapsIntoMapOrder",
       "X\tY\tZ\r\n100\t20\t5\r\n101\t22\t6\r\n",
       {{1, 2, 3}, true},
       ReadStatus::Ok,
       {{20, 100, 5}, {22, 101, 6}},
       {"Y", "X", "Z"}},
      {"XNorthWithColumns",
       "点名 X座標 Y座標 標高\r\nP1 -12000.5 35400.25 12.5\r\n",
       {{2, 3, 4}, true},
       ReadStatus::Ok,
       {{35400.25, -12000.5, 12.5}},
       {"Y座標", "X座標", "標高"}},
  };
}

class LoadOptionsCases : public testing::TestWithParam<OptionsCase> {};

TEST_P(LoadOptionsCases, ReadsAsExpected) {
  const OptionsCase& c = GetParam();
  Document doc;
  ASSERT_EQ(ReadDataBytes(c.bytes, "survey.txt", doc, {}, c.options), c.status);
  if (c.status != ReadStatus::Ok) return;
  ASSERT_EQ(doc.points.nn, static_cast<PointIndex>(c.points.size()));
  for (std::size_t i = 0; i < c.points.size(); ++i) EXPECT_EQ(PointAt(doc, static_cast<int>(i) + 1), c.points[i]);
  EXPECT_EQ((std::array{doc.points.labelX, doc.points.labelY, doc.points.labelZ}), c.labels);
}

INSTANTIATE_TEST_SUITE_P(Table, LoadOptionsCases, testing::ValuesIn(Cases()),
                         [](const auto& row) { return row.param.name; });

// A contour file's points are already in map order: the options change
// nothing, and an x-north load saved and read back is the load itself.
TEST(LoadOptionsContourFile, SavedFromXNorthReadsBackTheSame) {
  const LoadOptions xNorth{{3, 2, 1}, true};
  Document loaded;
  ASSERT_EQ(ReadDataBytes("H Y X\r\n5 20 100\r\n6 22 101\r\n7 25 99\r\n", "s.txt", loaded, {}, xNorth), ReadStatus::Ok);
  loaded.settings = DrawSettings{"20", "25", "99", "101", "5", "7", "20", "", 1, 0, 0, FillMode::FillColour};
  const std::string saved = ContourFileText(loaded.settings, loaded.points);
  for (const LoadOptions& options : {LoadOptions{}, xNorth}) {
    Document back;
    ASSERT_EQ(ReadDataBytes(saved, "s.ctr", back, {}, options), ReadStatus::Ok);
    EXPECT_EQ(back.points.dataX, loaded.points.dataX);
    EXPECT_EQ(back.points.dataY, loaded.points.dataY);
    EXPECT_EQ(back.points.dataZ, loaded.points.dataZ);
    EXPECT_EQ(back.points.labelX, "Y");
    EXPECT_EQ(back.points.labelY, "X");
    EXPECT_EQ(back.points.labelZ, "H");
    EXPECT_EQ(back.settings.X1, "20");
  }
  // East first: the file's Y column.
  EXPECT_EQ(loaded.points.dataX, (std::vector<double>{0, 20, 22, 25}));
}

struct ChoiceCase {
  std::string text;
  std::optional<FieldChoice> choice;
};

TEST(ColumnChoiceText, Table) {
  const std::vector<ChoiceCase> cases = {
      {"1,2,3", FieldChoice{1, 2, 3}},
      {" 4 , 3,5 ", FieldChoice{4, 3, 5}},
      {"100,99,98", FieldChoice{100, 99, 98}},
      {"1,2", std::nullopt},
      {"1,2,3,4", std::nullopt},
      {"0,1,2", std::nullopt},
      {"1,2,101", std::nullopt},
      {"1,1,2", std::nullopt},
      {"a,b,c", std::nullopt},
      {"1.5,2,3", std::nullopt},
      {"", std::nullopt},
      {"1,,3", std::nullopt},
      {"-1,2,3", std::nullopt},
      {"1 2 3", std::nullopt},
  };
  for (const ChoiceCase& c : cases) {
    EXPECT_EQ(ParseColumnChoice(c.text), c.choice) << '"' << c.text << '"';
    if (c.choice) {
      EXPECT_EQ(ParseColumnChoice(ColumnChoiceText(*c.choice)), c.choice);
    }
  }
}

}  // namespace
}  // namespace plotvane
