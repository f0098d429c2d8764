// Inputs that never end or would block: devices, FIFOs and oversized files
// behind a data or view file's name are refused at once, as a file that
// cannot be opened, and the data loaded before is left out of reach.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#include "common/Capacity.h"
#include "hostile/HostileSupport.h"
#include "load/OpenDataFile.h"
#include "settings/ViewFile.h"

namespace plotvane {
namespace {

struct EndlessInput {
  const char* name;
  // Makes the input in dir under the given name and returns its path.
  std::function<std::string(const test::TempDir&, const std::string&)> make;
};

std::string LinkTo(const test::TempDir& dir, const std::string& name, const char* target) {
  const std::string path = dir.file(name);
  EXPECT_EQ(::symlink(target, path.c_str()), 0);
  return path;
}

// A file just over the bound, made sparse so the test costs no disk.
std::string Oversized(const test::TempDir& dir, const std::string& name, std::size_t bound) {
  const std::string path = dir.write(name, "X\tY\tZ\r\n");
  EXPECT_EQ(::truncate(path.c_str(), static_cast<off_t>(bound + 1)), 0);
  return path;
}

const EndlessInput kInputs[] = {
    {"DevZero", [](const test::TempDir& d, const std::string& n) { return LinkTo(d, n, "/dev/zero"); }},
    {"DevUrandom", [](const test::TempDir& d, const std::string& n) { return LinkTo(d, n, "/dev/urandom"); }},
    {"FifoWithoutWriter",
     [](const test::TempDir& d, const std::string& n) {
       const std::string path = d.file(n);
       EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
       return path;
     }},
    {"Folder",
     [](const test::TempDir& d, const std::string& n) {
       const std::string path = d.file(n);
       EXPECT_EQ(::mkdir(path.c_str(), 0700), 0);
       return path;
     }},
};

class EndlessInputs : public testing::TestWithParam<EndlessInput> {};

TEST_P(EndlessInputs, DataFileIsRefusedLikeOneThatCannotBeOpened) {
  test::TempDir dir;
  Document doc;
  test::LoadGoodFile(dir, doc);
  const std::string path = GetParam().make(dir, "input.txt");
  EXPECT_EQ(OpenDataFile(path, doc, NullProgress()), LoadStatus::CannotOpen);
  EXPECT_FALSE(doc.drawable());
  EXPECT_EQ(doc.mesh.nt, 0);
}

TEST_P(EndlessInputs, ViewFileIsRefusedAndChangesNothing) {
  test::TempDir dir;
  DrawSettings settings;
  settings.sq = "0.5";
  const DrawSettings before = settings;
  EXPECT_EQ(ReadViewFile(GetParam().make(dir, "view.ctv"), settings), ViewReadStatus::CannotOpen);
  EXPECT_TRUE(settings == before);
}

INSTANTIATE_TEST_SUITE_P(Hostile, EndlessInputs, testing::ValuesIn(kInputs),
                         [](const testing::TestParamInfo<EndlessInput>& item) { return std::string(item.param.name); });

TEST(OversizedInputs, DataFileBeyondTheBoundIsRefusedWithoutBeingRead) {
  test::TempDir dir;
  Document doc;
  EXPECT_EQ(OpenDataFile(Oversized(dir, "big.txt", capacity::kMaxDataFileBytes), doc, NullProgress()),
            LoadStatus::CannotOpen);
}

// A view file is read from its first megabyte: the settings lines are there,
// whatever follows them.
TEST(OversizedInputs, ViewFileIsReadFromItsHead) {
  test::TempDir dir;
  const std::string path = dir.write(
      "big.ctv",
      "0\r\n250\r\n-10\r\n40\r\n1.25\r\n98.6\r\n12\r\n0.4\r\n 1 \r\n 0 \r\n 1 \r\nFalse\r\nTrue\r\nFalse\r\n");
  ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(4 * capacity::kMaxViewFileBytes)), 0);
  DrawSettings settings;
  EXPECT_EQ(ReadViewFile(path, settings), ViewReadStatus::Ok);
  EXPECT_EQ(settings.X2, "250");
  EXPECT_EQ(settings.n, "12");
}

}  // namespace
}  // namespace plotvane
