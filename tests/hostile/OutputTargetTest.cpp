// The save policy on hostile targets, for every kind of output plotvane-cli
// writes: a symbolic link is kept and the file it leads to gets the page; a
// FIFO, a device or a folder is refused and left as it was; a read-only file
// is refused even for root; a name that is not UTF-8 is used byte for byte;
// "-" is standard output, whose failure is reported like a file's.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/SaveError.h"
#include "hostile/OutputSupport.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::RunCli;
using test::TempDir;

constexpr int kExitOk = 0;
constexpr int kExitWriteFailed = 3;
constexpr std::string_view kOld = "OLD";

using namespace std::string_view_literals;

struct Output {
  const char* ending;      // the target's name ending, which picks the kind
  std::string_view magic;  // how the new file begins
};

constexpr Output kOutputs[] = {
    {".png", "\x89PNG"sv}, {".bmp", "BM"sv},         {".svg", "<?xml"sv},
    {".pdf", "%PDF-"sv},   {".emf", "\x01\0\0\0"sv}, {".txt", "X(m)"sv},
};

// The command that writes target as the kind its ending names.
std::vector<std::string> Command(const std::string& target, std::string_view ending) {
  if (ending == ".txt") return {"grid", test::SurveyPath(), "0", "10", "5", "0", "10", "5", "-o", target};
  return {"render", test::SurveyPath(), "-o", target};
}

class EveryOutput : public ::testing::TestWithParam<Output> {
 protected:
  std::string name(const char* stem) const { return std::string(stem) + GetParam().ending; }
  TempDir dir;
};

TEST_P(EveryOutput, SymbolicLinkIsKeptAndItsFileGetsTheNewContent) {
  fs::create_directory(dir.file("real"));
  const std::string real = dir.write("real/" + name("page"), kOld);
  ASSERT_EQ(::chmod(real.c_str(), 0604), 0);
  const std::string link = dir.file(name("link"));
  fs::create_symlink("real/" + name("page"), link);
  const test::CliRun run = RunCli(Command(link, GetParam().ending));
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_TRUE(ReadBytes(real).starts_with(GetParam().magic));
  struct stat st {};
  ASSERT_EQ(::stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0604u) << "the file keeps its permissions";
  EXPECT_EQ(fs::directory_iterator(dir.file("real"))->path().filename(), name("page")) << "no temporary left";
}

TEST_P(EveryOutput, FifoIsRefusedAndKept) {
  const std::string fifo = dir.file(name("fifo"));
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const test::CliRun run = RunCli(Command(fifo, GetParam().ending));
  EXPECT_EQ(run.status, kExitWriteFailed);
  EXPECT_NE(run.err.find(SaveErrorMessage(SaveErrorKind::NotRegular, fifo)), std::string::npos) << run.err;
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_P(EveryOutput, DeviceIsRefusedAndKept) {
  // A null device of our own, so that a failure cannot replace the system's.
  const std::string device = dir.file(name("null"));
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) GTEST_SKIP() << "making a device needs root";
  const test::CliRun run = RunCli(Command(device, GetParam().ending));
  EXPECT_EQ(run.status, kExitWriteFailed);
  EXPECT_NE(run.err.find(SaveErrorMessage(SaveErrorKind::NotRegular, device)), std::string::npos) << run.err;
  EXPECT_TRUE(fs::is_character_file(device));
}

TEST_P(EveryOutput, FolderIsRefused) {
  const std::string folder = dir.file(name("folder"));
  fs::create_directory(folder);
  const test::CliRun run = RunCli(Command(folder, GetParam().ending));
  EXPECT_EQ(run.status, kExitWriteFailed);
  EXPECT_TRUE(fs::is_directory(folder));
}

TEST_P(EveryOutput, ReadOnlyFileIsRefusedEvenForRoot) {
  const std::string target = dir.write(name("ro"), kOld);
  ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
  const test::CliRun run = RunCli(Command(target, GetParam().ending));
  EXPECT_EQ(run.status, kExitWriteFailed);
  EXPECT_NE(run.err.find(SaveErrorMessage(SaveErrorKind::ReadOnly, target)), std::string::npos) << run.err;
  EXPECT_EQ(ReadBytes(target), kOld);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1) << "no temporary left";
}

TEST_P(EveryOutput, NameThatIsNotUtf8IsUsedByteForByte) {
  const std::string target = dir.file(name("bad\xff\xfe"));
  const test::CliRun run = RunCli(Command(target, GetParam().ending));
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_TRUE(fs::is_regular_file(target));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryOutput, ::testing::ValuesIn(kOutputs),
                         [](const auto& param) { return std::string(param.param.ending + 1); });

TEST(StandardOutput, RenderAndGridWriteToStandardOutput) {
  TempDir dir;
  for (const char* format : {"png", "svg", "pdf", "emf", "bmp"}) {
    const std::string out = dir.file(std::string("out.") + format);
    const test::CliRun run = RunCli({"render", test::SurveyPath(), "-o", "-", "--format", format}, out);
    ASSERT_EQ(run.status, kExitOk) << format << ": " << run.err;
    EXPECT_EQ(run.err, "") << "a command that succeeds says nothing on standard error";
    EXPECT_GT(ReadBytes(out).size(), 1000u) << format;
  }
  EXPECT_TRUE(ReadBytes(dir.file("out.svg")).starts_with("<?xml"));
  const test::CliRun grid =
      RunCli({"grid", test::SurveyPath(), "0", "10", "5", "0", "10", "5", "-o", "-"}, dir.file("grid.txt"));
  ASSERT_EQ(grid.status, kExitOk) << grid.err;
  EXPECT_TRUE(ReadBytes(dir.file("grid.txt")).starts_with("X(m)\tY(m)\t")) << "the grid itself, no file name after it";
  EXPECT_FALSE(fs::exists("-"));
}

// Every data output can go to standard output, byte for byte the file.
TEST(StandardOutput, DataOutputsStreamTheBytesOfTheirFiles) {
  TempDir dir;
  const std::string data = test::SurveyPath();
  const std::vector<std::string> grid{"grid", data, "0", "10", "5", "0", "10", "5"};
  struct Row {
    std::vector<std::string> command;
    const char* file;
    const char* format;
  };
  const Row rows[] = {
      {{"contours", data, "--bands"}, "c.geojson", "geojson"},
      {{"contours", data}, "c.dxf", "dxf"},
      {{"contours", data}, "c.csv", "csv"},
      {grid, "g.txt", "txt"},
      {grid, "g.asc", "asc"},
  };
  for (const Row& row : rows) {
    std::vector<std::string> toFile = row.command, toOut = row.command;
    toFile.insert(toFile.end(), {"-o", dir.file(row.file)});
    toOut.insert(toOut.end(), {"-o", "-", "--format", row.format});
    ASSERT_EQ(RunCli(toFile).status, kExitOk) << row.file;
    const test::CliRun streamed = RunCli(toOut, dir.file(std::string("out-") + row.file));
    ASSERT_EQ(streamed.status, kExitOk) << row.format << ": " << streamed.err;
    EXPECT_EQ(ReadBytes(dir.file(std::string("out-") + row.file)), ReadBytes(dir.file(row.file))) << row.format;
  }
}

TEST(StandardOutput, FullStandardOutputIsAFailedWrite) {
  const test::CliRun render = RunCli({"render", test::SurveyPath(), "-o", "-", "--format", "svg"}, "/dev/full");
  EXPECT_EQ(render.status, kExitWriteFailed);
  EXPECT_NE(render.err.find(std::string(SaveErrorReason(SaveErrorKind::NoSpace))), std::string::npos) << render.err;
  const test::CliRun grid =
      RunCli({"grid", test::SurveyPath(), "0", "10", "5", "0", "10", "5", "-o", "-"}, "/dev/full");
  EXPECT_EQ(grid.status, kExitWriteFailed);
}

TEST(StandardOutput, FormatBelongsToStandardOutputOnly) {
  TempDir dir;
  EXPECT_EQ(RunCli({"render", test::SurveyPath(), "-o", "-"}).status, 2);
  EXPECT_EQ(RunCli({"render", test::SurveyPath(), "-o", "-", "--format", "jpg"}).status, 2);
  EXPECT_EQ(RunCli({"render", test::SurveyPath(), "-o", dir.file("p.svg"), "--format", "svg"}).status, 2);
  EXPECT_EQ(RunCli({"contours", test::SurveyPath(), "-o", "-"}).status, 2);
  EXPECT_EQ(RunCli({"contours", test::SurveyPath(), "-o", "-", "--format", "kml"}).status, 2);
  EXPECT_EQ(RunCli({"grid", test::SurveyPath(), "0", "1", "2", "0", "1", "2", "-o", "-", "--format", "bogus"}).status,
            2);
  EXPECT_EQ(
      RunCli({"grid", test::SurveyPath(), "0", "1", "2", "0", "1", "2", "-o", dir.file("g.txt"), "--format", "asc"})
          .status,
      2);
}

}  // namespace
}  // namespace plotvane
