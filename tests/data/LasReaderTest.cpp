// Reading LAS point clouds: the versions and point formats, scales and
// offsets, the class filter, headers that lie, and the thinning of a large
// cloud checked against a computation of its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/Messages.h"
#include "data/ReaderTestSupport.h"
#include "support/LasTestFile.h"

namespace plotvane {
namespace {

using test::LasBytes;
using test::LasTestFile;
using test::Poke;
using test::ReadOutcome;

ReadOutcome ReadLasBytes(const std::string& bytes, const LoadOptions& options = {}, const char* name = "cloud.las") {
  const test::TempDir dir;
  ReadOutcome out{ReadStatus::Ok, Document{}};
  out.status = ReadDataFile(dir.write(name, bytes), out.doc, {}, options);
  return out;
}

LasTestFile ThreePoints(int minor, int format) {
  LasTestFile f;
  f.versionMinor = minor;
  f.pointFormat = format;
  f.scale = {0.001, 0.001, 0.01};
  f.offset = {500000, 4000000, -20};
  f.raw = {{1234, -5678, 250}, {-1, 0, 7}, {2147483647, -2147483647 - 1, 0}};
  f.classes = {2, 6, 2};
  return f;
}

TEST(ReadLas, VersionsAndFormatsScaleAndOffsetTheirIntegers) {
  struct Row {
    int minor, format, recordLength;
    std::uint32_t variableBytes;
  };
  for (const Row row : {Row{2, 1, 0, 0}, Row{4, 6, 0, 54}, Row{3, 3, 40, 0}, Row{2, 0, 0, 0}, Row{4, 10, 0, 0}}) {
    LasTestFile f = ThreePoints(row.minor, row.format);
    f.recordLength = row.recordLength;
    f.variableRecordBytes = row.variableBytes;
    const auto [status, doc] = ReadLasBytes(LasBytes(f));
    ASSERT_EQ(status, ReadStatus::Ok) << row.minor << " " << row.format << " " << doc.errDetail;
    ASSERT_EQ(doc.points.nn, 3);
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(doc.points.dataX[i + 1], f.raw[i][0] * 0.001 + 500000) << i;
      EXPECT_EQ(doc.points.dataY[i + 1], f.raw[i][1] * 0.001 + 4000000) << i;
      EXPECT_EQ(doc.points.dataZ[i + 1], f.raw[i][2] * 0.01 - 20) << i;
    }
    EXPECT_EQ(doc.points.labelX, "X");
    EXPECT_EQ(doc.survey.loadNote, "点 3 個を読み、3 個を残しました。");
  }
}

TEST(ReadLas, ClassFilterKeepsTheListedClasses) {
  for (const int format : {1, 6}) {
    LoadOptions ground;
    ground.lasClasses = {2};
    const auto [status, doc] = ReadLasBytes(LasBytes(ThreePoints(format >= 6 ? 4 : 2, format)), ground);
    ASSERT_EQ(status, ReadStatus::Ok) << doc.errDetail;
    EXPECT_EQ(doc.points.nn, 2);
    EXPECT_EQ(doc.points.dataZ[2], -20);  // the third point: the second is class 6
    EXPECT_EQ(doc.survey.loadNote, "点 3 個を読み、分類で 2 個を選び、2 個を残しました。");
  }
}

TEST(ReadLas, LyingHeadersAreRefusedBeforeAnyPoint) {
  struct Row {
    const char* what;
    std::function<void(std::string&)> lie;
    ReadStatus status = ReadStatus::InvalidData;
  };
  const std::vector<Row> rows{
      {"count beyond the file", [](std::string& b) { Poke(b, test::kLasCountAt, std::uint64_t{1} << 40); }},
      {"legacy count disagrees", [](std::string& b) { Poke(b, test::kLasLegacyCountAt, std::uint32_t{2}); }},
      {"points inside the header", [](std::string& b) { Poke(b, test::kLasPointOffsetAt, std::uint32_t{100}); }},
      {"points beyond the file", [](std::string& b) { Poke(b, test::kLasPointOffsetAt, std::uint32_t{4000000000}); }},
      {"header too small", [](std::string& b) { Poke(b, test::kLasHeaderSizeAt, std::uint16_t{227}); }},
      {"record too short", [](std::string& b) { Poke(b, test::kLasRecordLengthAt, std::uint16_t{20}); }},
      {"record too long for the count",
       [](std::string& b) { Poke(b, test::kLasRecordLengthAt, std::uint16_t{65535}); }},
      {"format 11", [](std::string& b) { Poke(b, test::kLasFormatAt, std::uint8_t{11}); }},
      {"version 1.1", [](std::string& b) { Poke(b, test::kLasVersionMinorAt, std::uint8_t{1}); }},
      {"version 1.5", [](std::string& b) { Poke(b, test::kLasVersionMinorAt, std::uint8_t{5}); }},
      {"zero scale", [](std::string& b) { Poke(b, test::kLasScaleAt, 0.0); }},
      {"infinite offset",
       [](std::string& b) { Poke(b, test::kLasScaleAt + 24, std::numeric_limits<double>::infinity()); }},
      {"not LASF", [](std::string& b) { b[0] = 'X'; }},
      {"cut in the header", [](std::string& b) { b.resize(200); }},
      {"cut in the points", [](std::string& b) { b.resize(b.size() - 1); }},
      {"compressed", [](std::string& b) { Poke(b, test::kLasFormatAt, std::uint8_t{0x86}); }, ReadStatus::Unexpected},
  };
  for (const Row& row : rows) {
    std::string bytes = LasBytes(ThreePoints(4, 6));
    row.lie(bytes);
    const auto [status, doc] = ReadLasBytes(bytes);
    EXPECT_EQ(status, row.status) << row.what;
    EXPECT_EQ(doc.points.nn, 0) << row.what;
    EXPECT_FALSE(doc.errDetail.empty()) << row.what;
  }
  const auto laz = ReadLasBytes(LasBytes(ThreePoints(2, 1)), {}, "cloud.laz");
  EXPECT_EQ(laz.status, ReadStatus::Unexpected);
  EXPECT_NE(laz.doc.errDetail.find("LAS に変換してから"), std::string::npos) << laz.doc.errDetail;
}

// The cell of a point, as the thinning defines it.
using CellKey = std::pair<long long, long long>;
CellKey CellOf(double x, double y, double x0, double y0, double cell) {
  return {static_cast<long long>(std::floor((x - x0) / cell)), static_cast<long long>(std::floor((y - y0) / cell))};
}

TEST(ReadLas, LargeCloudIsThinnedToOriginalPointsOnePerCell) {
  std::mt19937 random(20261208);
  std::uniform_int_distribution<std::int32_t> along(0, 400000);  // 4 km at 1 cm
  LasTestFile f;
  f.scale = {0.01, 0.01, 0.01};
  f.offset = {30000, -12000, 0};
  for (int i = 0; i < 250000; ++i) f.raw.push_back({along(random), along(random) / 2, along(random) / 100});
  std::vector<std::array<double, 3>> original;
  double x0 = INFINITY, y0 = INFINITY;
  for (const auto& r : f.raw) {
    original.push_back({r[0] * 0.01 + 30000, r[1] * 0.01 - 12000, r[2] * 0.01});
    x0 = std::fmin(x0, original.back()[0]);
    y0 = std::fmin(y0, original.back()[1]);
  }
  const auto [status, doc] = ReadLasBytes(LasBytes(f));
  ASSERT_EQ(status, ReadStatus::Ok) << doc.errDetail;
  const std::string& note = doc.survey.loadNote;
  const auto at = note.find("間引きの格子 ");
  ASSERT_NE(at, std::string::npos) << note;
  const double cell = std::stod(note.substr(at + std::string("間引きの格子 ").size()));

  // Independently: the point nearest each cell's centre, earliest on a tie.
  std::map<CellKey, std::size_t> nearest;
  const auto distance = [&](std::size_t i, CellKey c) {
    const double dx = original[i][0] - (x0 + (static_cast<double>(c.first) + 0.5) * cell);
    const double dy = original[i][1] - (y0 + (static_cast<double>(c.second) + 0.5) * cell);
    return dx * dx + dy * dy;
  };
  for (std::size_t i = 0; i < original.size(); ++i) {
    const CellKey c = CellOf(original[i][0], original[i][1], x0, y0, cell);
    const auto [it, isNew] = nearest.emplace(c, i);
    if (!isNew && distance(i, c) < distance(it->second, c)) it->second = i;
  }
  ASSERT_LE(nearest.size(), 99999u);
  ASSERT_EQ(static_cast<std::size_t>(doc.points.nn), nearest.size());
  std::vector<std::size_t> expected;
  for (const auto& [c, i] : nearest) expected.push_back(i);
  std::sort(expected.begin(), expected.end());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    const auto& p = original[expected[k]];
    ASSERT_EQ(doc.points.dataX[k + 1], p[0]) << k;
    ASSERT_EQ(doc.points.dataY[k + 1], p[1]) << k;
    ASSERT_EQ(doc.points.dataZ[k + 1], p[2]) << k;
  }
  // One unit (the 1 cm scale) less would leave too many.
  std::map<CellKey, int> finer;
  for (const auto& p : original) finer[CellOf(p[0], p[1], x0, y0, cell - 0.01)] = 1;
  EXPECT_GT(finer.size(), 99999u);
  EXPECT_NE(note.find("点 250000 個を読み、" + std::to_string(doc.points.nn) + " 個を残しました"), std::string::npos);

  // A cell given: thinned with it, even below the limit.
  LoadOptions coarse;
  coarse.thinCell = 1000;
  const auto given = ReadLasBytes(LasBytes(f), coarse);
  std::set<CellKey> coarseCells;
  for (const auto& p : original) coarseCells.insert(CellOf(p[0], p[1], x0, y0, 1000));
  EXPECT_EQ(static_cast<std::size_t>(given.doc.points.nn), coarseCells.size());
}

}  // namespace
}  // namespace plotvane
