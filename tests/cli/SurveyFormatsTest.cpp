// plotvane-cli reading the survey formats: every loading command takes them,
// with --las-class, --thin and --surface, and says what the load kept.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CliRun.h"
#include "support/LasTestFile.h"
#include "support/TempDir.h"

namespace plotvane::cli {
namespace {

using test::TempDir;

// A 4 x 4 lattice, z = x + y, in each format.
std::string Sima() {
  std::string text = "G00,01,test,\r\nA00,\r\n";
  for (int i = 0; i < 16; ++i) {
    text += "A01," + std::to_string(i + 1) + ",P," + std::to_string(10 * (i / 4)) + "," + std::to_string(10 * (i % 4)) +
            "," + std::to_string(i / 4 + i % 4) + ",\r\n";
  }
  return text + "A01,17,nail,5,5,,\r\nA99,\r\n";
}

std::string Las() {
  test::LasTestFile f;
  for (int i = 0; i < 16; ++i) {
    f.raw.push_back({1000 * (i % 4), 1000 * (i / 4), 100 * (i % 4 + i / 4)});
    f.classes.push_back(i % 2 == 0 ? 2 : 5);
  }
  return test::LasBytes(f);
}

std::string Xml() {
  std::string points, faces;
  for (int i = 0; i < 16; ++i) {
    points += "<P id=\"" + std::to_string(i + 1) + "\">" + std::to_string(10 * (i / 4)) + " " +
              std::to_string(10 * (i % 4)) + " " + std::to_string(i / 4 + i % 4) + "</P>";
  }
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      const int a = 4 * r + c + 1;
      faces += "<F>" + std::to_string(a) + " " + std::to_string(a + 1) + " " + std::to_string(a + 5) + "</F><F>" +
               std::to_string(a) + " " + std::to_string(a + 5) + " " + std::to_string(a + 4) + "</F>";
    }
  }
  return "<LandXML><Surfaces><Surface name=\"Lattice\"><Definition><Pnts>" + points + "</Pnts><Faces>" + faces +
         "</Faces></Definition></Surface></Surfaces></LandXML>";
}

TEST(CliSurvey, EveryLoadingCommandReadsTheFormats) {
  TempDir dir;
  struct Row {
    std::string file;
    std::vector<std::string> options;
    std::string points;
    std::string note;
  };
  const std::vector<Row> rows{
      {dir.write("site.sim", Sima()), {}, "points: 16\n", "(H のない点 1 個は除きました)"},
      {dir.write("cloud.las", Las()), {}, "points: 16\n", "点 16 個を読み、16 個を残しました。"},
      {dir.write("cloud2.las", Las()), {"--las-class", "2"}, "points: 8\n", "分類で 8 個を選び"},
      {dir.write("cloud3.las", Las()), {"--thin", "25"}, "points: 4\n", "間引きの格子 25"},
      {dir.write("design.xml", Xml()), {"--surface", "Lattice"}, "points: 16\n", "三角形 18 個"},
      {dir.write("sheet.csv", "X,Y,Z\r\n0,0,1\r\n10,0,2\r\n0,10,3\r\n"), {}, "points: 3\n", ""},
  };
  for (const Row& row : rows) {
    std::vector<std::string> info{"info", row.file};
    info.insert(info.end(), row.options.begin(), row.options.end());
    const CliRun run = Cli(info);
    EXPECT_EQ(run.status, kExitOk) << row.file << run.err;
    EXPECT_NE(run.out.find(row.points), std::string::npos) << row.file << run.out;
    EXPECT_NE(run.err.find(row.note), std::string::npos) << row.file << run.err;
    if (row.note.empty()) {
      EXPECT_EQ(run.err, "") << row.file;
    }
    std::vector<std::string> value{"value", row.file, "5", "5"};
    value.insert(value.end(), row.options.begin(), row.options.end());
    EXPECT_EQ(Cli(value).status, kExitOk) << row.file;
  }
}

TEST(CliSurvey, RefusalsAndUsageErrors) {
  TempDir dir;
  const CliRun laz = Cli({"info", dir.write("cloud.laz", Las())});
  EXPECT_EQ(laz.status, kExitLoadFailed);
  EXPECT_NE(laz.err.find("LAS に変換してから読み込んでください。"), std::string::npos) << laz.err;
  const std::string las = dir.write("cloud.las", Las());
  for (const std::vector<std::string>& words : {std::vector<std::string>{"info", las, "--las-class", "256"},
                                                {"info", las, "--las-class", "2,x"},
                                                {"info", las, "--thin", "0"},
                                                {"info", las, "--thin", "-1"}}) {
    const CliRun run = Cli(words);
    EXPECT_EQ(run.status, kExitUsage) << words[2] << " " << words[3];
    EXPECT_NE(run.err.find(words[2]), std::string::npos) << run.err;
  }
  const CliRun missing = Cli({"info", dir.write("d.xml", Xml()), "--surface", "Other"});
  EXPECT_EQ(missing.status, kExitLoadFailed);
  EXPECT_NE(missing.err.find("面「Other」がありません。ある面: 「Lattice」。"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace plotvane::cli
