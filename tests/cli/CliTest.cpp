// plotvane-cli's contract: what each command prints and its exit status.

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "CliRun.h"
#include "cli/CliLoad.h"
#include "support/TempDir.h"

namespace plotvane::cli {
namespace {

using test::TempDir;

// A plane z = x + 2y over a 5 x 5 lattice from -40 to 40 and -20 to 20.
std::string PlaneFile() {
  std::string text = "East\tNorth\tLevel\r\n";
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 5; ++j) {
      const int x = -40 + 20 * i;
      const int y = -20 + 10 * j;
      text += std::to_string(x) + "\t" + std::to_string(y) + "\t" + std::to_string(x + 2 * y) + "\r\n";
    }
  }
  return text;
}

TEST(CliInfo, PrintsTheLoadAndTheSettingsBlock) {
  TempDir dir;
  const CliRun run = Cli({"info", dir.write("plane.txt", PlaneFile())});
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            "points: 25\n"
            "labels: East\tNorth\tLevel\n"
            "range: -40 40 -20 20 -80 80\n"
            "triangles: 32\n"
            "error: \n"
            "settings:\n"
            "  -40\n  40\n  -20\n  20\n  -80\n  80\n  20\n  inf\n   1 \n   0 \n   0 \n  True\n  False\n  False\n");
}

TEST(CliInfo, SkipOptionsReachTheReader) {
  TempDir dir;
  const std::string path = dir.write("skip.txt", "# remark\r\nsurveyed 2026\r\n" + PlaneFile() + "# end\r\n");
  EXPECT_EQ(Cli({"info", path}).status, kExitLoadFailed);  // the remark becomes the header
  const CliRun run = Cli({"info", path, "--skip-lines", "1", "--skip-prefixes", "# surveyed"});
  EXPECT_EQ(run.status, kExitOk) << run.out;
  EXPECT_NE(run.out.find("points: 25\n"), std::string::npos);
}

TEST(CliInfo, ExitStatusTellsWhatWentWrong) {
  TempDir dir;
  const CliRun invalid = Cli({"info", dir.write("bad.txt", "X Y Z\r\n1 2 x\r\n")});
  EXPECT_EQ(invalid.status, kExitLoadFailed);
  EXPECT_NE(invalid.out.find("error: 不正なデータが含まれています。\n"), std::string::npos);
  EXPECT_EQ(invalid.err, "plotvane-cli: 2 行目の Z 「x」を数値として読めません。\n");
  const CliRun absent = Cli({"info", dir.file("absent.txt")});
  EXPECT_NE(
      absent.err.find("「" + dir.file("absent.txt") + "」を読み込めません。ファイルまたはフォルダーが見つかりません。"),
      std::string::npos)
      << absent.err;
  EXPECT_EQ(Cli({"info", dir.file("absent.txt")}).status, kExitUsage);
  EXPECT_EQ(Cli({"info", dir.write("plane.dta", PlaneFile())}).status, kExitUsage);
  EXPECT_EQ(Cli({"info"}).status, kExitUsage);
  EXPECT_EQ(Cli({"info", dir.write("p.txt", PlaneFile()), "--skip-lines"}).status, kExitUsage);
  EXPECT_EQ(Cli({"info", dir.write("q.txt", PlaneFile()), "--skip-lines", "40000"}).status, kExitUsage);
}

// Each command's table is read in full before the file is opened: the file
// here does not exist, yet every message names the option at fault.
TEST(CliOptions, UsageErrorsNameTheOptionBeforeAnyFileIsOpened) {
  TempDir dir;
  const std::string missing = dir.file("missing.txt");
  struct Row {
    std::vector<std::string> args;
    const char* names;
  };
  const Row rows[] = {
      {{"info", missing, "--dpi", "300"}, "--dpi is not an option"},
      {{"grid", missing, "0", "1", "2", "0", "1", "2", "-o", "g.txt", "--labels"}, "--labels is not an option"},
      {{"mesh", missing, "--view", "v.ctv"}, "--view is not an option"},
      {{"info", missing, "--base", "3"}, "--base requires --interval"},
      {{"info", missing, "--interval", "two"}, "--interval: must be a number: two"},
      {{"value", missing, "1", "y"}, "Y: must be a number: y"},
      {{"value", missing, "1", "2", "3"}, "unexpected argument: 3"},
      {{"render", missing, "-o", "p.png", "--dpi"}, "--dpi: 1 required"},
      {{"render", missing, "-o", "p.svg", "--dpi", "300"}, "--dpi applies to .png and .bmp"},
      {{"render", missing, "-o", "p.png", "--label-every", "2"}, "--label-every requires --labels"},
      {{"render", missing, "-o", "p.png", "--labels", "--label-every", "2.5"}, "--label-every: must be a whole number"},
      {{"render", missing, "-o", "p.png", "--format", "png"}, "--format is needed with -o -"},
      {{"contours", missing, "-o", "c.geojson", "--sq", "1", "--sq", "2"}, "--sq: At Most 1"},
      {{"info", missing, "--skip-lines", "40000"}, "--skip-lines: must be a number within"},
      {{"info", missing, "--columns", "1,1,3"}, "--columns: must be three different field numbers"},
      {{"survey", missing}, "unknown command: survey"},
  };
  for (const Row& row : rows) {
    const CliRun run = Cli(row.args);
    EXPECT_EQ(run.status, kExitUsage) << row.names;
    EXPECT_NE(run.err.find(row.names), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("cannot open"), std::string::npos) << run.err;
  }
}

TEST(CliOptions, EachCommandPrintsItsOwnUsage) {
  for (const char* command : {"info", "mesh", "value", "grid", "contours", "render"}) {
    const CliRun run = Cli({command, "--help"});
    EXPECT_EQ(run.status, kExitOk) << command;
    EXPECT_NE(run.out.find(std::string("Usage: plotvane-cli ") + command + " [OPTIONS] FILE"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("--columns"), std::string::npos) << command;
  }
  const CliRun all = Cli({"--help"});
  EXPECT_EQ(all.status, kExitOk);
  EXPECT_NE(all.out.find("  render FILE -o "), std::string::npos) << all.out;
}

TEST(CliMesh, ListsVerticesInMeshOrderAndTriangles) {
  TempDir dir;
  const CliRun run = Cli({"mesh", dir.write("tri.txt", "X Y Z\r\n0 0 1\r\n100 0 2\r\n50 100 3\r\n")});
  ASSERT_EQ(run.status, kExitOk);
  EXPECT_NE(run.out.find("v 1 0 0 0\nv 2 50 100 100\nv 3 100 0 50\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\nt 1 "), std::string::npos);
  EXPECT_EQ(run.out.find("\nt 2 "), std::string::npos);
}

TEST(CliValue, InterpolatesAndReportsPointsOffTheMesh) {
  TempDir dir;
  const std::string path = dir.write("plane.txt", PlaneFile());
  EXPECT_EQ(Cli({"value", path, "-30", "5"}).out, "-20\n");  // the plane is reproduced exactly
  EXPECT_EQ(Cli({"value", path, "12.5", "-7.5"}).out, "-2.5\n");
  EXPECT_EQ(Cli({"value", path, "-41", "0"}).out, "Outside\n");
  EXPECT_EQ(Cli({"value", path, "-.5", "-.5"}).out, "-1.5\n");  // no leading zero: still a number, not an option
  // A limit of 0 leaves out every triangle.
  EXPECT_EQ(Cli({"value", path, "0", "0", "--sq", "0"}).out, "Outside\n");
  EXPECT_EQ(Cli({"value", path, "x", "0"}).status, kExitUsage);
  EXPECT_EQ(Cli({"value", path, "1e39", "0"}).status, kExitUsage);
}

TEST(CliValue, ViewFileSettingsApply) {
  TempDir dir;
  const std::string path = dir.write("plane.txt", PlaneFile());
  const std::string view = dir.write(
      "v.ctv", "-40\r\n40\r\n-20\r\n20\r\n-80\r\n80\r\n20\r\n0\r\n 1 \r\n 0 \r\n 0 \r\nTrue\r\nFalse\r\nFalse\r\n");
  EXPECT_EQ(Cli({"value", path, "0", "0", "--view", view}).out, "Outside\n");
  EXPECT_EQ(Cli({"value", path, "0", "0", "--view", view, "--sq", ""}).out, "0\n");
  EXPECT_EQ(Cli({"value", path, "0", "0", "--view", dir.file("none.ctv")}).status, kExitUsage);
}

TEST(CliGrid, WritesTheGridColumnByColumnWithNegativeNumbers) {
  TempDir dir;
  const std::string out = dir.file("g.txt");
  const CliRun run = Cli({"grid", dir.write("plane.txt", PlaneFile()), "-40", "40", "3", "-20", "20", "2", "-o", out});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(test::ReadBytes(out),
            "East\tNorth\tLevel\r\n"
            "-40\t-20\t-80\r\n-40\t0\t-40\r\n"
            "0\t-20\t-40\r\n0\t0\t0\r\n"
            "40\t-20\t0\r\n40\t0\t40\r\n");
  EXPECT_EQ(Cli({"grid", dir.file("plane.txt"), "-40", "40", "3", "-20", "20", "2"}).status, kExitUsage);
  EXPECT_EQ(Cli({"grid", dir.file("plane.txt"), "a", "40", "3", "-20", "20", "2", "-o", out}).status, kExitUsage);
}

// The survey options reach every loading command; their arithmetic is the
// core's (ContourIntervalTest, EqualAspectTest, LoadOptionsTest).
std::string SettingsOf(const CliRun& run) { return run.out.substr(run.out.find("settings:\n")); }

TEST(CliSurveyOptions, IntervalSetsTheScaleAfterTheView) {
  TempDir dir;
  const std::string plane = dir.write("plane.txt", PlaneFile());
  // Z -80..80 every 7 from 3: -81..80 in 23 bands.
  const CliRun info = Cli({"info", plane, "--interval", "7", "--base", "3"});
  EXPECT_EQ(info.status, kExitOk) << info.err;
  EXPECT_NE(SettingsOf(info).find("  -81\n  80\n  23\n"), std::string::npos) << info.out;
  // The view's Z1, Z2 and n give way to the interval's; its window stays.
  const std::string view =
      dir.write("v.ctv", "-4\r\n4\r\n-2\r\n2\r\n-5\r\n5\r\n10\r\n\r\n 1 \r\n 0 \r\n 0 \r\nTrue\r\nFalse\r\nFalse\r\n");
  LoadArguments load;
  load.file = plane;
  load.interval = 40;
  ViewArguments viewOptions;
  viewOptions.view = view;
  Document doc;
  std::ostringstream err;
  ASSERT_FALSE(LoadMeshed(load, viewOptions, doc, err)) << err.str();
  const DrawSettings& s = doc.settings;
  EXPECT_EQ(s.X1 + " " + s.X2 + " " + s.Z1 + " " + s.Z2 + " " + s.n, "-4 4 -80 80 4");
}

TEST(CliSurveyOptions, BadIntervalsAreUsageErrors) {
  TempDir dir;
  const std::string plane = dir.write("plane.txt", PlaneFile());
  const CliRun fine = Cli({"info", plane, "--interval", "0.1"});
  EXPECT_EQ(fine.status, kExitUsage);
  EXPECT_NE(fine.err.find("more than 512 bands"), std::string::npos) << fine.err;
  EXPECT_EQ(Cli({"info", plane, "--interval", "0"}).status, kExitUsage);
  EXPECT_EQ(Cli({"info", plane, "--interval", "two"}).status, kExitUsage);
  EXPECT_EQ(Cli({"info", plane, "--base", "1"}).status, kExitUsage);
  EXPECT_EQ(Cli({"mesh", plane, "--interval", "1", "--base", "x"}).status, kExitUsage);
}

TEST(CliSurveyOptions, EqualAspectWidensTheNarrowerWindow) {
  TempDir dir;
  const CliRun run = Cli({"info", dir.write("plane.txt", PlaneFile()), "--equal-aspect"});
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_NE(SettingsOf(run).find("settings:\n  -40\n  40\n  -40\n  40\n  -80\n"), std::string::npos) << run.out;
}

TEST(CliSurveyOptions, XNorthIsTheSwapOfTheFirstTwoColumns) {
  TempDir dir;
  const std::string plane = dir.write("plane.txt", PlaneFile());
  const CliRun xNorth = Cli({"mesh", plane, "--x-north"});
  EXPECT_EQ(xNorth.status, kExitOk) << xNorth.err;
  EXPECT_NE(xNorth.out.find("labels: North\tEast\tLevel\n"), std::string::npos) << xNorth.out;
  EXPECT_NE(xNorth.out.find("range: -20 20 -40 40 -80 80\n"), std::string::npos) << xNorth.out;
  EXPECT_EQ(Cli({"mesh", plane, "--columns", "2,1,3"}).out, xNorth.out);
  // Twice swapped is the file's own order.
  EXPECT_EQ(Cli({"mesh", plane, "--columns", "2,1,3", "--x-north"}).out, Cli({"mesh", plane}).out);
}

TEST(CliSurveyOptions, ColumnsBeyondTheLinesOrMalformed) {
  TempDir dir;
  const std::string plane = dir.write("plane.txt", PlaneFile());
  const CliRun beyond = Cli({"info", plane, "--columns", "1,2,4"});
  EXPECT_EQ(beyond.status, kExitLoadFailed);
  EXPECT_NE(beyond.out.find("error: 不正なデータが含まれています。\n"), std::string::npos);
  EXPECT_EQ(Cli({"info", plane, "--columns", "1,2"}).status, kExitUsage);
  EXPECT_EQ(Cli({"info", plane, "--columns", "1,1,3"}).status, kExitUsage);
  EXPECT_EQ(Cli({"info", plane, "--columns"}).status, kExitUsage);
}

// A grid that could never finish is refused before the file is read.
TEST(CliGrid, RefusesMorePointsThanTheBoundWithTheFigures) {
  TempDir dir;
  const std::string plane = dir.write("plane.txt", PlaneFile());
  const std::string out = dir.file("g.txt");
  const CliRun huge = Cli({"grid", dir.file("absent.txt"), "0", "1", "1e9", "0", "1", "1e9", "-o", out});
  EXPECT_EQ(huge.status, kExitUsage);
  EXPECT_NE(huge.err.find("格子点が多すぎます。"), std::string::npos) << huge.err;
  EXPECT_NE(huge.err.find("1000000000000000000 点"), std::string::npos) << huge.err;
  EXPECT_EQ(Cli({"grid", plane, "0", "1", "40", "0", "1", "30", "-o", out, "--max-points", "1199"}).status, kExitUsage);
  EXPECT_EQ(Cli({"grid", plane, "0", "1", "40", "0", "1", "30", "-o", out, "--max-points", "1200"}).status, kExitOk);
  EXPECT_EQ(Cli({"grid", plane, "0", "1", "0", "0", "1", "1e9", "-o", out}).status, kExitOk) << "no points, no cost";
}

TEST(CliGrid, RefusesAMeshOfFewerThanThreeTrianglesAsTheWindowDoes) {
  TempDir dir;
  struct Row {
    const char* name;
    std::string points;
    int status;
  };
  const Row rows[] = {
      {"OneTriangle", "0 0 1\r\n100 0 2\r\n50 100 3\r\n", kExitLoadFailed},
      {"TwoTriangles", "0 0 1\r\n100 0 2\r\n100 100 3\r\n0 100 4\r\n", kExitLoadFailed},
      {"ThreeTriangles", "0 0 1\r\n100 0 2\r\n100 100 3\r\n0 100 4\r\n50 -50 5\r\n", kExitOk},
  };
  for (const Row& row : rows) {
    const std::string out = dir.file(std::string(row.name) + ".out.txt");
    const CliRun run = Cli({"grid", dir.write(std::string(row.name) + ".txt", "X Y Z\r\n" + row.points), "0", "10", "3",
                            "0", "10", "3", "-o", out});
    EXPECT_EQ(run.status, row.status) << row.name << run.err;
    EXPECT_EQ(test::ReadBytes(out).empty(), row.status != kExitOk) << row.name;
    if (row.status != kExitOk) {
      EXPECT_NE(run.err.find("at least 3"), std::string::npos) << row.name << run.err;
    }
  }
}

}  // namespace
}  // namespace plotvane::cli
