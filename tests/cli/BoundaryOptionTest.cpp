// --boundary on the loading commands and render --boundary-line: what each
// command answers inside and outside, and the exit statuses of files that
// cannot be read or used.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "support/TempDir.h"

namespace plotvane::cli {
namespace {

// A lattice over [0, 10] x [0, 10] with step 1 and Z = X + 2Y.
std::string Lattice() {
  std::ostringstream text;
  text << "E\tN\tH\r\n";
  for (int i = 0; i <= 10; ++i) {
    for (int j = 0; j <= 10; ++j) text << i << '\t' << j << '\t' << i + 2 * j << "\r\n";
  }
  return text.str();
}

struct Case {
  const char* label;
  std::vector<std::string> args;  // after the data file; "@B" is the boundary file
  const char* boundary;
  int status;
  const char* out;  // the standard output's start, or nullptr
};

TEST(BoundaryOption, EveryCommandKeepsToTheSite) {
  const test::TempDir dir;
  const std::string data = dir.write("d.txt", Lattice());
  const char* square = "2 2\n8 2\n8 8\n2 8\n2 2\n";
  const std::vector<Case> cases = {
      {"value inside", {"value", "@D", "5", "5"}, square, kExitOk, "15\n"},
      {"value outside", {"value", "@D", "1", "5"}, square, kExitOk, "Outside\n"},
      {"value in the hole",
       {"value", "@D", "5", "5"},
       "1 1\n9 1\n9 9\n1 9\n1 1\n\n4 4\n6 4\n6 6\n4 4\n",
       kExitOk,
       "Outside\n"},
      {"volume over the square", {"volume", "@D", "--plane", "0"}, square, kExitOk, "cut: 540\n"},
      {"info checks it", {"info", "@D"}, square, kExitOk, "points: 121\n"},
      {"missing file", {"value", "@D", "5", "5", "--boundary", "@MISSING"}, nullptr, kExitUsage, nullptr},
      {"crossed ring", {"value", "@D", "5", "5"}, "0 0\n9 9\n9 0\n0 9\n0 0\n", kExitLoadFailed, nullptr},
      {"far away", {"value", "@D", "5", "5"}, "50 50\n60 50\n60 60\n50 50\n", kExitLoadFailed, nullptr},
      {"line without boundary", {"render", "@D", "-o", "@P", "--boundary-line"}, nullptr, kExitUsage, nullptr},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args;
    for (const std::string& a : c.args) {
      args.push_back(a == "@D" ? data : a == "@MISSING" ? dir.file("none.txt") : a == "@P" ? dir.file("p.png") : a);
    }
    if (c.boundary != nullptr) {
      args.push_back("--boundary");
      args.push_back(dir.write("b.txt", c.boundary));
    }
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, c.status) << c.label << ": " << run.err;
    if (c.out != nullptr) {
      EXPECT_EQ(run.out.substr(0, std::string(c.out).size()), c.out) << c.label << ": " << run.out;
    }
  }
  // Of the grid's nine points only the centre lies inside.
  const std::string grid = dir.file("g.txt");
  const CliRun run =
      Cli({"grid", data, "0", "5", "3", "0", "5", "3", "-o", grid, "--boundary", dir.write("b.txt", square)});
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(test::ReadBytes(grid), "E\tN\tH\r\n5\t5\t15\r\n");
}

}  // namespace
}  // namespace plotvane::cli
