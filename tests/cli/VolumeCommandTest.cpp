// plotvane-cli volume: usage errors before any file is opened, the figure
// lines, swapped files, and the CSV report read back.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

#include "CliRun.h"
#include "support/TempDir.h"

namespace plotvane::cli {
namespace {

using test::TempDir;

// A lattice over [x0, x0 + 10] x [0, 10] with step 1 and Z = a + b X.
std::string RampFile(int x0, double a, double b) {
  std::ostringstream text;
  text << "E\tN\tH\r\n";
  for (int i = 0; i <= 10; ++i) {
    for (int j = 0; j <= 10; ++j) text << x0 + i << '\t' << j << '\t' << a + b * (x0 + i) << "\r\n";
  }
  return text.str();
}

// The "name: value" lines, in order.
std::vector<std::pair<std::string, double>> Figures(const std::string& out) {
  std::vector<std::pair<std::string, double>> figures;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    const auto colon = line.find(": ");
    figures.emplace_back(line.substr(0, colon), std::strtod(line.c_str() + colon + 2, nullptr));
  }
  return figures;
}

TEST(CliVolume, BadInputIsRefusedWithItsReason) {
  TempDir dir;
  const std::string ramp = dir.write("ramp.txt", RampFile(0, 0, 1));
  const std::string away = dir.write("away.txt", RampFile(30, 0, 1));
  const std::string missing = dir.file("missing.txt");
  struct Case {
    std::vector<std::string> words;
    int status;
    const char* message;  // part of the message on standard error
  };
  const std::vector<Case> table{
      // The options are read before FILE, which does not exist here, is opened.
      {{"volume", missing, "--plane", "abc"}, kExitUsage, "--plane: must be a number: abc"},
      {{"volume", missing}, kExitUsage, "either --plane H or --against FILE2"},
      {{"volume", missing, "--plane", "1", "--against", ramp}, kExitUsage, "excludes"},
      {{"volume", missing, "--plane", "1", "--method", "mean"}, kExitUsage, "--method"},
      {{"volume", missing, "--plane", "1", "--cell", "1"}, kExitUsage, "--cell needs --method grid"},
      {{"volume", missing, "--plane", "1", "--method", "grid", "--cell", "0"}, kExitUsage, "positive"},
      {{"volume", missing, "--plane", "1", "--method", "grid", "--cell", "-2"}, kExitUsage, "positive"},
      {{"volume", missing, "--plane", "1", "-o", "-"}, kExitUsage, "-o needs a file name"},
      {{"volume", missing, "--plane", "1"}, kExitUsage, "cannot open"},
      // FILE's range decides the grid's size, before FILE2 is opened.
      {{"volume", ramp, "--against", missing, "--method", "grid", "--cell", "1e-4"}, kExitUsage, "100000000 cells"},
      {{"volume", ramp, "--against", missing}, kExitUsage, "cannot open"},
      {{"volume", ramp, "--against", away}, kExitLoadFailed, "the surfaces do not overlap"},
      {{"volume", ramp, "--against", away, "--method", "grid"}, kExitLoadFailed, "the surfaces do not overlap"},
      {{"volume", ramp, "--plane", "1", "-o", dir.file("no/folder/r.csv")}, kExitWriteFailed, "plotvane-cli:"},
  };
  for (const Case& c : table) {
    const CliRun run = Cli(c.words);
    EXPECT_EQ(run.status, c.status) << c.words.back() << " " << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    if (c.status != kExitWriteFailed) {
      EXPECT_EQ(run.out, "") << "no figures without a result";
    }
  }
}

TEST(CliVolume, PrintsTheFiguresAndSwappingFilesSwapsCutAndFill) {
  TempDir dir;
  const std::string ramp = dir.write("ramp.txt", RampFile(0, 0, 1));      // Z = X over [0, 10]^2
  const std::string other = dir.write("other.txt", RampFile(5, 10, -1));  // Z = 10 - X over [5, 15] x [0, 10]
  struct Case {
    std::vector<std::string> words;
    std::vector<double> figures;  // cut, fill, net, area, cut area, fill area
  };
  const std::vector<Case> table{
      {{"volume", ramp, "--plane", "5"}, {125, 125, 0, 100, 50, 50}},
      {{"volume", ramp, "--plane", "5", "--method", "grid"}, {125, 125, 0, 100, 50, 50}},
      {{"volume", ramp, "--plane", "4", "--method", "grid", "--cell", "2"}, {180, 80, 100, 100, 60, 40}},
      // Over [5, 10] x [0, 10] the difference is 2X - 10.
      {{"volume", ramp, "--against", other}, {250, 0, 250, 50, 50, 0}},
      {{"volume", other, "--against", ramp}, {0, 250, -250, 50, 0, 50}},
  };
  const std::vector<std::string> names{"cut", "fill", "net", "area", "cut area", "fill area"};
  for (const Case& c : table) {
    const CliRun run = Cli(c.words);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const auto figures = Figures(run.out);
    ASSERT_EQ(figures.size(), names.size()) << run.out;
    for (std::size_t k = 0; k < names.size(); ++k) {
      EXPECT_EQ(figures[k].first, names[k]);
      EXPECT_NEAR(figures[k].second, c.figures[k], 1e-6) << names[k] << " of " << c.words[2] << " " << c.words[3];
    }
  }
}

TEST(CliVolume, ReportHoldsTheInputsAndTheFiguresAsPrinted) {
  TempDir dir;
  const std::string ramp = dir.write("ramp.txt", RampFile(0, 0, 1));
  const std::string other = dir.write("斜面,2.txt", RampFile(5, 10, -1));
  const std::string report = dir.file("report.csv");
  struct Case {
    std::vector<std::string> words;
    std::string inputs;  // the first five fields of the row
  };
  const std::vector<Case> table{
      {{"volume", ramp, "--plane", "2.5", "-o", report}, ramp + ",,2.5,tin,"},
      {{"volume", ramp, "--against", other, "--method", "grid", "--cell", "0.25", "-o", report},
       ramp + ",\"" + other + "\",,grid,0.25"},
  };
  for (const Case& c : table) {
    const CliRun run = Cli(c.words);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    std::string printed;  // the printed values, comma-separated, as the row must hold them
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) printed += ',' + line.substr(line.find(": ") + 2);
    EXPECT_EQ(test::ReadBytes(report),
              "\xEF\xBB\xBF"
              "file,against,plane,method,cell,cut,fill,net,area,cut area,"
              "fill area\r\n" +
                  c.inputs + printed + "\r\n");
  }
}

TEST(CliDifference, DrawsAndMeasuresTheFirstSurfaceMinusTheSecond) {
  TempDir dir;
  const std::string ramp = dir.write("ramp.txt", RampFile(0, 0, 1));      // Z = X over [0, 10]^2
  const std::string other = dir.write("other.txt", RampFile(5, 10, -1));  // Z = 10 - X over [5, 15] x [0, 10]
  const std::string away = dir.write("away.txt", RampFile(30, 0, 1));
  struct Case {
    std::vector<std::string> words;
    int status;
    std::string out;  // standard output, or a part of standard error on a failure
  };
  const std::vector<Case> table{
      // Where both exist the difference is 2X - 10; elsewhere there is none.
      {{"value", ramp, "7", "3", "--difference", other}, kExitOk, "4\n"},
      {{"value", other, "7", "3", "--difference", ramp}, kExitOk, "-4\n"},
      {{"value", ramp, "2", "3", "--difference", other}, kExitOk, "Outside\n"},
      {{"value", ramp, "7", "3", "--difference", away}, kExitLoadFailed, "二つの面は重なっていません。"},
      {{"value", ramp, "7", "3", "--difference", dir.file("missing.txt")}, kExitUsage, "cannot open"},
  };
  for (const Case& c : table) {
    const CliRun run = Cli(c.words);
    EXPECT_EQ(run.status, c.status) << run.err;
    if (c.status == kExitOk) {
      EXPECT_EQ(run.out, c.out);
    } else {
      EXPECT_NE(run.err.find(c.out), std::string::npos) << run.err;
    }
  }
  // The difference's contour data: the level 5 runs straight along X = 7.5,
  // one line across the pieces of the overlay.
  const std::string csv = dir.file("difference.csv");
  const CliRun lines = Cli({"contours", ramp, "--difference", other, "--interval", "5", "-o", csv});
  ASSERT_EQ(lines.status, kExitOk) << lines.err;
  const std::string text = test::ReadBytes(csv);
  std::istringstream rows(text);
  std::string row;
  std::getline(rows, row);  // the header
  int onLevelFive = 0;
  while (std::getline(rows, row)) {
    std::vector<double> f;
    std::istringstream fields(row);
    for (std::string field; std::getline(fields, field, ',');) f.push_back(std::strtod(field.c_str(), nullptr));
    ASSERT_EQ(f.size(), 5u) << row;  // level, line, vertex, x, y
    if (f[0] == 5) {
      EXPECT_NEAR(f[3], 7.5, 1e-9) << row;
      ++onLevelFive;
    }
  }
  EXPECT_GT(onLevelFive, 1);
  EXPECT_EQ(text.find("\n5,2,"), std::string::npos) << "the level 5 line is one piece";
}

}  // namespace
}  // namespace plotvane::cli
