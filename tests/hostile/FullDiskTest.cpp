// Every output on a full disk: a small tmpfs holds an old file of each kind
// and is filled to a page or two of free space, so that the new file's first
// writes succeed and a later one fails (ENOSPC). Each save must report the
// full disk (plotvane-cli with exit status 3 and the message naming the
// file), keep the old file byte for byte and leave no temporary behind.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/SafeFile.h"
#include "common/SaveError.h"
#include "data/ContourFileWriter.h"
#include "hostile/OutputSupport.h"
#include "load/OpenDataFile.h"
#include "settings/ViewFile.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

using test::ReadBytes;
using test::SmallDisk;

constexpr std::string_view kOld = "the old file, which must survive";

struct CliOutput {
  const char* name;  // the target's name on the small disk
  std::vector<std::string> command;
  long freeBytes;  // left free: less than the new file needs
  // What the message says; the full disk's own message when empty. A grid is
  // weighed before it is written, so it is refused before its first byte.
  std::string says = {};
};

std::vector<CliOutput> CliOutputs() {
  const std::string data = test::SurveyPath();
  return {
      {"page.png", {"render", data}, 4096},
      {"page.bmp", {"render", data}, 8192},
      {"page.svg", {"render", data}, 8192},
      {"page.pdf", {"render", data}, 8192},
      {"page.emf", {"render", data}, 8192},
      {"grid.txt", {"grid", data, "0", "0.5", "500", "0", "0.5", "320"}, 8192, "保存先の空き容量が足りません。"},
  };
}

class FullDisk : public ::testing::TestWithParam<CliOutput> {
 protected:
  void SetUp() override {
    if (!disk.unavailable().empty()) GTEST_SKIP() << disk.unavailable();
  }
  SmallDisk disk;
};

TEST_P(FullDisk, CliReportsTheFullDiskAndKeepsTheOldFile) {
  const CliOutput& output = GetParam();
  const std::string target = disk.file(output.name);
  ASSERT_FALSE(WriteFileSafely(target, kOld));
  ASSERT_TRUE(disk.fill(output.freeBytes));
  std::vector<std::string> args = output.command;
  args.insert(args.end(), {"-o", target});
  const test::CliRun run = test::RunCli(args);
  EXPECT_EQ(run.status, 3) << run.err;
  const std::string says = output.says.empty() ? SaveErrorMessage(SaveErrorKind::NoSpace, target) : output.says;
  EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
  EXPECT_EQ(ReadBytes(target), kOld);
  EXPECT_EQ(disk.entries(), std::vector<std::string>{output.name}) << "no temporary file left";
}

INSTANTIATE_TEST_SUITE_P(EveryKind, FullDisk, ::testing::ValuesIn(CliOutputs()), [](const auto& param) {
  std::string name = param.param.name;
  for (char& c : name) c = c == '.' ? '_' : c;
  return name;
});

// The files the window writes without the Qt writers: the contour file and
// the view file, with the message the window shows.
class FullDiskCore : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!disk.unavailable().empty()) GTEST_SKIP() << disk.unavailable();
    OpenDataFile(test::SurveyPath(), doc, NullProgress());
    ASSERT_TRUE(doc.errMsg.empty());
  }
  SmallDisk disk;
  Document doc;
};

TEST_F(FullDiskCore, ContourFileKeepsTheOldFile) {
  const std::string target = disk.file("survey.ctr");
  ASSERT_FALSE(WriteFileSafely(target, kOld));
  ASSERT_TRUE(disk.fill(4096));
  EXPECT_EQ(WriteContourFile(target, doc.settings, doc.points).value_or(Failure{}).message,
            SaveErrorMessage(SaveErrorKind::NoSpace, target));
  EXPECT_EQ(ReadBytes(target), kOld);
  EXPECT_EQ(disk.entries(), std::vector<std::string>{"survey.ctr"});
}

TEST_F(FullDiskCore, ViewFileKeepsTheOldFile) {
  const std::string target = disk.file("view.ctv");
  ASSERT_FALSE(WriteFileSafely(target, kOld));
  ASSERT_TRUE(disk.fill(0));  // the view file is smaller than a page
  EXPECT_EQ(WriteViewFile(target, doc.settings).value_or(Failure{}).message,
            SaveErrorMessage(SaveErrorKind::NoSpace, target));
  EXPECT_EQ(ReadBytes(target), kOld);
  EXPECT_EQ(disk.entries(), std::vector<std::string>{"view.ctv"});
}

// A file system with bytes to spare but no inode left says so, not "full".
TEST(FullInodeTable, SaveSaysThereIsNoRoomForANewFile) {
  SmallDisk disk(",nr_inodes=3");
  if (!disk.unavailable().empty()) GTEST_SKIP() << disk.unavailable();
  for (int i = 0; WriteFileSafely(disk.file("f" + std::to_string(i)), "x") == std::nullopt; ++i) ASSERT_LT(i, 10);
  const std::string target = disk.file("view.ctv");
  EXPECT_EQ(WriteFileSafely(target, "x").value_or(Failure{}).message,
            SaveErrorMessage(SaveErrorKind::NoInodes, target));
}

}  // namespace
}  // namespace plotvane
