// --breaklines and --isotropic on the loading commands.

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <utility>

#include "CliRun.h"
#include "support/TempDir.h"

namespace plotvane::cli {
namespace {

using test::TempDir;

// A 6 x 6 lattice 0..100, z = x.
std::string LatticeFile() {
  std::string text = "X\tY\tZ\n";
  for (int i = 0; i <= 5; ++i) {
    for (int j = 0; j <= 5; ++j)
      text += std::to_string(20 * i) + "\t" + std::to_string(20 * j) + "\t" + std::to_string(20 * i) + "\n";
  }
  return text;
}

TEST(CliBreaklines, TheMeshFollowsTheLines) {
  TempDir dir;
  const std::string data = dir.write("lattice.txt", LatticeFile());
  // One line from (10, 10) to (90, 70), crossing many lattice edges.
  const CliRun run = Cli({"mesh", data, "--breaklines", dir.write("lines.txt", "10 10\n90 70 55\n")});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_NE(run.out.find("points: 38\n"), std::string::npos);
  EXPECT_NE(run.err.find("点を 2 個加え、0 個の点の Z を置き換えました。"), std::string::npos) << run.err;
  // The two new points are 37 and 38; a triangle has both.
  std::istringstream lines(run.out);
  bool joined = false;
  for (std::string line; std::getline(lines, line);) {
    int k = 0, a = 0, b = 0, c = 0;
    if (std::sscanf(line.c_str(), "t %d %d %d %d", &k, &a, &b, &c) != 4) continue;
    const std::set<int> corners{a, b, c};
    joined |= corners.count(37) && corners.count(38);
  }
  EXPECT_TRUE(joined);
}

TEST(CliBreaklines, LinesThatCannotBeUsedEndTheLoad) {
  TempDir dir;
  const std::string data = dir.write("lattice.txt", LatticeFile());
  // Lines that cross can be used: they meet at a vertex of both.
  const CliRun crossing = Cli({"info", data, "--breaklines", dir.write("x.txt", "10 10\n90 70\n\n10 70\n90 10\n")});
  EXPECT_EQ(crossing.status, kExitOk);
  EXPECT_NE(crossing.err.find("線の交差 1 箇所"), std::string::npos) << crossing.err;
  const CliRun outside = Cli({"mesh", data, "--breaklines", dir.write("o.txt", "10 10\n190 70\n")});
  EXPECT_EQ(outside.status, kExitLoadFailed);
  EXPECT_NE(outside.err.find("外にあります。"), std::string::npos) << outside.err;
  EXPECT_EQ(Cli({"info", data, "--breaklines", dir.file("absent.txt")}).status, kExitUsage);  // as an absent data file
  EXPECT_EQ(Cli({"info", data, "--isotropic"}).status, kExitOk);
}

}  // namespace
}  // namespace plotvane::cli
