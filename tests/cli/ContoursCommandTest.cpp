// plotvane-cli contours, and grid to an ESRI grid: exit status, messages and
// the file written.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "CliRun.h"
#include "support/TempDir.h"

namespace plotvane::cli {
namespace {

using test::TempDir;

// A cone: Z falls from the centre of a 7 x 7 lattice.
std::string ConeFile() {
  std::string text = "E\tN\tH\r\n";
  for (int i = 0; i < 7; ++i) {
    for (int j = 0; j < 7; ++j) {
      text += std::to_string(10 * i) + "\t" + std::to_string(10 * j) + "\t" +
              std::to_string(100 - (i - 3) * (i - 3) - (j - 3) * (j - 3)) + "\r\n";
    }
  }
  return text;
}

TEST(CliContours, ExitStatusTellsWhatWentWrong) {
  TempDir dir;
  const std::string data = dir.write("cone.txt", ConeFile());
  const std::string flat = dir.write("flat.txt", "E\tN\tH\r\n0\t0\t1\r\n1\t0\t1\r\n0\t1\t1\r\n");
  struct Case {
    std::vector<std::string> words;
    int status;
    const char* message;  // part of the message on standard error
  };
  const std::vector<Case> table{
      {{"contours", data}, kExitUsage, "--output is required"},
      {{"contours", data, "-o", dir.file("out.txt")}, kExitUsage, ".kml, .dxf or .csv"},
      {{"contours", data, "-o", dir.file("out.dxf"), "--bands"}, kExitUsage, "--bands needs a .geojson"},
      {{"contours", data, "-o", dir.file("out.csv"), "--bands", "--bands"}, kExitUsage, "--bands: At Most 1"},
      {{"contours", dir.file("missing.txt"), "-o", dir.file("out.csv")}, kExitUsage, "cannot open"},
      {{"contours", flat, "-o", dir.file("out.csv")}, kExitLoadFailed, "flat.txt"},
      {{"contours", data, "-o", dir.file("no/folder/out.csv")}, kExitWriteFailed, "plotvane-cli:"},
      {{"contours", data, "-o", dir.file("out.geojson"), "--bands", "--sq", "0.5"}, kExitOk, ""},
      {{"grid", data, "0", "10", "7", "0", "10", "7", "-o", dir.file("g.asc")}, kExitOk, ""},
      {{"grid", data, "0", "0", "7", "0", "10", "7", "-o", dir.file("zero.asc")}, kExitUsage, "intervals"},
  };
  for (const Case& c : table) {
    const CliRun run = Cli(c.words);
    EXPECT_EQ(run.status, c.status) << c.words[2] << " " << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.file("out.dxf")));
  EXPECT_TRUE(std::filesystem::exists(dir.file("out.geojson")));
}

TEST(CliContours, WritesEachFormatAndNamesTheFile) {
  TempDir dir;
  const std::string data = dir.write("cone.txt", ConeFile());
  struct Case {
    const char* name;
    const char* begins;
  };
  for (const Case& c : {Case{"c.geojson", "{\"type\":\"FeatureCollection\""}, Case{"c.dxf", "  0\r\nSECTION"},
                        Case{"c.csv", "level,line,vertex,x,y\r\n"}}) {
    const CliRun run = Cli({"contours", data, "-o", dir.file(c.name)});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.out, dir.file(c.name) + "\n");
    EXPECT_EQ(test::ReadBytes(dir.file(c.name)).rfind(c.begins, 0), 0u) << c.name;
  }
  // The cone's levels are rings around its top: the CSV closes each ring.
  const std::string csv = test::ReadBytes(dir.file("c.csv"));
  EXPECT_NE(csv.find(",1,1,"), std::string::npos);
}

TEST(CliGrid, AscNameWritesAnEsriGrid) {
  TempDir dir;
  const std::string data = dir.write("cone.txt", ConeFile());
  const CliRun run = Cli({"grid", data, "0", "10", "7", "0", "10", "7", "-o", dir.file("g.asc")});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const std::string text = test::ReadBytes(dir.file("g.asc"));
  EXPECT_EQ(
      text.rfind("ncols 7\r\nnrows 7\r\nxllcorner -5\r\nyllcorner -5\r\ncellsize 10\r\nNODATA_value -9999\r\n", 0), 0u);
  // North to south: the first row is N = 60, whose middle is 100 - 9 = 91.
  const std::size_t firstRow = text.find("-9999\r\n") + 7;
  EXPECT_EQ(text.substr(firstRow, text.find("\r\n", firstRow) - firstRow), "82 87 90 91 90 87 82");
}

}  // namespace
}  // namespace plotvane::cli
