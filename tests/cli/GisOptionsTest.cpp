// plotvane-cli's coordinate-system options and GIS outputs: what is refused
// before anything is written, and which files appear beside the output.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <regex>
#include <vector>

#include "CliRun.h"
#include "support/TempDir.h"

namespace plotvane::cli {
namespace {

using test::TempDir;

std::string SlopeFile() {
  std::string text = "E\tN\tH\n";
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 6; ++j)
      text += std::to_string(10 * i) + "\t" + std::to_string(10 * j) + "\t" + std::to_string(i * j) + "\n";
  }
  return text;
}

TEST(CliGis, SystemOptionsAreCheckedBeforeAnyFile) {
  TempDir dir;
  const std::string data = dir.write("slope.txt", SlopeFile());
  const std::string out = dir.file("c.gpkg");
  struct Case {
    std::vector<std::string> words;
    const char* message;
  };
  const std::vector<Case> table{
      {{"contours", data, "-o", out, "--crs", "6677"}, "EPSG:N"},
      {{"contours", data, "-o", out, "--crs", "EPSG:6677x"}, "EPSG:N"},
      {{"contours", data, "-o", out, "--crs", "EPSG:999999"}, "PROJ does not know"},
      {{"contours", data, "-o", out, "--zone", "20"}, "from 1 to 19"},
      {{"contours", data, "-o", out, "--zone", "9", "--crs", "EPSG:6677"}, "excludes"},
      {{"contours", data, "-o", dir.file("c.kml")}, "--crs EPSG:N or --zone N"},
      {{"contours", data, "-o", dir.file("c.dxf"), "--bands"}, "--bands needs"},
      {{"grid", data, "0", "10", "6", "0", "10", "6", "-o", dir.file("g.tif"), "--crs", "epsg:x"}, "EPSG:N"},
      {{"tin", data, "-o", dir.file("s.txt")}, "must end in .xml or .dxf"},
      {{"tin", data, "-o", dir.file("s.xml"), "--zone", "0"}, "from 1 to 19"},
  };
  for (const Case& c : table) {
    const CliRun run = Cli(c.words);
    EXPECT_EQ(run.status, kExitUsage) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  // The data file alone.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(CliGis, FilesBesideTheOutputFollowTheSystem) {
  struct Case {
    std::vector<std::string> options;
    const char* output;
    std::vector<std::string> files;  // every file written, sorted
  };
  const std::vector<Case> table{
      {{}, "g.asc", {"g.asc"}},
      {{"--zone", "9"}, "g.asc", {"g.asc", "g.prj"}},
      {{"--crs", "EPSG:32654"}, "g.tif", {"g.tif"}},
      {{}, "c.shp", {"c.cpg", "c.dbf", "c.shp", "c.shx"}},
      {{"--zone", "9", "--bands"},
       "c.shp",
       {"c.cpg", "c.dbf", "c.prj", "c.shp", "c.shx", "c_bands.cpg", "c_bands.dbf", "c_bands.prj", "c_bands.shp",
        "c_bands.shx"}},
      {{"--zone", "9", "--bands"}, "c.gpkg", {"c.gpkg"}},
      {{"--zone", "9"}, "s.xml", {"s.xml"}},
      {{}, "s.dxf", {"s.dxf"}},
  };
  for (const Case& c : table) {
    TempDir dir;
    const std::string data = dir.write("slope.txt", SlopeFile());
    std::vector<std::string> words{"grid", data, "0", "10", "6", "0", "10", "6"};
    if (c.output[0] == 'c') words = {"contours", data};
    if (c.output[0] == 's') words = {"tin", data};
    words.insert(words.end(), {"-o", dir.file(c.output)});
    words.insert(words.end(), c.options.begin(), c.options.end());
    const CliRun run = Cli(words);
    ASSERT_EQ(run.status, kExitOk) << c.output << " " << run.err;
    EXPECT_EQ(run.out, dir.file(c.output) + "\n");
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      if (entry.path().filename() != "slope.txt") files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, c.files) << c.output;
  }
}

// Levels at 0.1 steps are decimal in every file: a level's text is the
// decimal of its step (110.4), never the binary sum (110.39999999999999).
TEST(CliGis, LevelsAtDecimalStepsAreWrittenAsDecimals) {
  TempDir dir;
  std::string text = "X\tY\tZ\n";
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 6; ++j)
      text +=
          std::to_string(10 * i) + "\t" + std::to_string(10 * j) + "\t" + std::to_string(10000 + 240 * i + j) + "e-2\n";
  }
  const std::string data = dir.write("slope.txt", text);
  const std::regex level(R"re((?:"level":|CONTOUR_|\n)(1[01][0-9]\.?[0-9]*)[,\r])re");
  for (const char* name : {"c.geojson", "c.dxf", "c.csv"}) {
    ASSERT_EQ(Cli({"contours", data, "-o", dir.file(name), "--interval", "0.1"}).status, kExitOk);
    const std::string written = test::ReadBytes(dir.file(name));
    std::size_t levels = 0;
    for (auto it = std::sregex_iterator(written.begin(), written.end(), level); it != std::sregex_iterator(); ++it) {
      const std::string value = (*it)[1];
      const long tenths = std::lround(std::stod(value) * 10);
      const std::string decimal = std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "");
      EXPECT_EQ(value, decimal) << name;
      ++levels;
    }
    EXPECT_GT(levels, 100u) << name;
  }
}

}  // namespace
}  // namespace plotvane::cli
