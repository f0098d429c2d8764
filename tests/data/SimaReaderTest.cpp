// Reading SIMA files: points with X north, points without H, parcels, and
// the records refused with their line.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "common/IconvConverter.h"
#include "common/Messages.h"
#include "data/ReaderTestSupport.h"

namespace plotvane {
namespace {

using test::PointAt;
using test::ReadBytesAsFile;
using Point = std::array<double, 3>;

std::string ToCp932(const std::string& utf8) {
  const IconvConverter converter("CP932", "UTF-8");
  EXPECT_TRUE(converter.valid());
  return converter.convert(utf8, "?");
}

// A site as a surveyor's software writes it: header, coordinates, one parcel
// of four corners, one of which (the benchmark nail) has no height.
const std::string kSite =
    "G00,01,現場測量,\r\n"
    "Z00,座標データ,\r\n"
    "A00,\r\n"
    "A01,1,境界杭1,  -1200.500,  3400.250,  12.300,\r\n"
    "A01,2,境界杭2,-1200.500,3420.250,12.800,\r\n"
    "A01,3,鋲,-1180.500,3420.250,,\r\n"
    "A01,4,境界杭4,-1180.500,3400.250,13.100,\r\n"
    "A01,5,中央,-1190.000,3410.000,12.600,\r\n"
    "A99,\r\n"
    "Z00,区画データ,\r\n"
    "D00,1,宅地,1,\r\n"
    "B01,1,境界杭1,\r\n"
    "B01,2,境界杭2,\r\n"
    "B01,3,鋲,\r\n"
    "B01,4,境界杭4,\r\n"
    "D99,\r\n";

TEST(ReadSima, Cp932SiteGivesEastNorthPointsAndTheParcel) {
  for (const std::string& bytes : {ToCp932(kSite), "\xEF\xBB\xBF" + kSite}) {
    const auto [status, doc] = ReadBytesAsFile("site.sim", bytes);
    ASSERT_EQ(status, ReadStatus::Ok) << doc.errDetail;
    // The point without H is not a point of the surface; Y (east) is the map's X.
    const std::vector<Point> expected{
        {3400.25, -1200.5, 12.3}, {3420.25, -1200.5, 12.8}, {3400.25, -1180.5, 13.1}, {3410, -1190, 12.6}};
    ASSERT_EQ(doc.points.nn, 4);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(PointAt(doc, i), expected[static_cast<std::size_t>(i - 1)]) << i;
    EXPECT_EQ(doc.points.labelX, "Y(東)");
    EXPECT_EQ(doc.points.labelY, "X(北)");
    EXPECT_EQ(doc.points.labelZ, "H");
    // The names the data posts write, beside the points they name.
    EXPECT_EQ(doc.points.names, (std::vector<std::string>{"", "境界杭1", "境界杭2", "境界杭4", "中央"}));
    EXPECT_NE(doc.survey.loadNote.find("H のない点 1 個は除きました"), std::string::npos) << doc.survey.loadNote;
    ASSERT_EQ(doc.survey.parcels.size(), 1u);
    const Parcel& parcel = doc.survey.parcels[0];
    EXPECT_EQ(parcel.name, "宅地");
    ASSERT_EQ(parcel.vertices.size(), 4u);
    EXPECT_EQ(parcel.vertices[2].name, "鋲");  // the corner without H keeps its position
    EXPECT_EQ(parcel.vertices[2].east, 3420.25);
    EXPECT_EQ(parcel.vertices[2].north, -1180.5);
    EXPECT_TRUE(doc.survey.faces.empty());
  }
}

TEST(ReadSima, UpperCaseNameAndParcelsBeforePoints) {
  const std::string bytes = "D00,1,a,\r\nB01,7,,\r\nD99,\r\nA01,7,p,1,2,3,\r\nA01,8,q,4,5,6,\r\nA01,9,r,7,1,2,\r\n";
  const auto [status, doc] = ReadBytesAsFile("SITE.SIM", bytes);
  ASSERT_EQ(status, ReadStatus::Ok) << doc.errDetail;
  EXPECT_EQ(doc.points.nn, 3);
  EXPECT_EQ(doc.survey.parcels.at(0).vertices.at(0).name, "p");
  EXPECT_EQ(doc.survey.parcels.at(0).vertices.at(0).east, 2);
}

TEST(ReadSima, BadRecordsNameTheirLineAndField) {
  struct Row {
    std::string bytes;
    std::string detail;
  };
  const std::vector<Row> rows{
      {"A01,1,a,1,2,3,\r\nA01,2,b,x,2,3,\r\n", "2 行目の X 「x」を数値として読めません。"},
      {"A01,1,a,1,,3,\r\n", "1 行目に Y の値がありません。"},
      {"G00,\r\nA01,1,a,1,2,3m,\r\n", "2 行目の H 「3m」を数値として読めません。"},
      {"A01,,a,1,2,3,\r\n", "1 行目の点に点番号がありません。"},
      {"A01,1,a,1,2,3,\r\nA01,1,b,4,5,6,\r\n", "2 行目の点番号「1」はすでに使われています。"},
      {"A01,1,a,1,2,3,\r\nB01,1,a,\r\n", "2 行目の B01 が区画 (D00 から D99) の外にあります。"},
      {"A01,1,a,1,2,3,\r\nD00,1,p,\r\nB01,2,b,\r\nD99,\r\n", "3 行目の点番号「2」の点がありません。"},
      {"A01,1,a,1,2,3,\r\nD00,1,p,\r\nD00,2,q,\r\n", "3 行目の区画 (D00) の前の区画が D99 で閉じていません。"},
      {"D99,\r\n", "1 行目の D99 の前に区画の始まり (D00) がありません。"},
      {"A01,1,a,1,2,3,\r\n\r\nD00,1,p,\r\nB01,1,a,\r\n", "3 行目の区画 (D00) が D99 で閉じていません。"},
  };
  for (const Row& row : rows) {
    const auto [status, doc] = ReadBytesAsFile("bad.sim", row.bytes);
    EXPECT_EQ(status, ReadStatus::InvalidData) << row.bytes;
    EXPECT_EQ(doc.errMsg, messages::kInvalidData) << row.bytes;
    EXPECT_EQ(doc.errDetail, row.detail) << row.bytes;
    EXPECT_EQ(doc.points.nn, 0) << row.bytes;
    EXPECT_TRUE(doc.survey.parcels.empty()) << row.bytes;
  }
}

TEST(ReadSima, MoreThanTheTextFilesPointsIsRefused) {
  for (const int count : {99999, 100000}) {
    std::string bytes;
    for (int i = 1; i <= count; ++i) bytes += "A01," + std::to_string(i) + ",," + std::to_string(i) + ",0,1,\r\n";
    const auto [status, doc] = ReadBytesAsFile("many.sim", bytes);
    EXPECT_EQ(status, count == 99999 ? ReadStatus::Ok : ReadStatus::Unexpected) << count;
    EXPECT_EQ(doc.points.nn, count == 99999 ? count : 0);
  }
}

}  // namespace
}  // namespace plotvane
