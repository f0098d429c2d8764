// What a save keeps of the file it replaces: its owner and group where the
// process may give them (and the mode after a change of owner, which clears
// the set-group bit), the user's own ownership where it may not, and a file
// with other names (hard links) not touched at all.

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "common/SafeFile.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;

struct Owned {
  uid_t owner;
  gid_t group;
  mode_t mode;
};

Owned OwnedOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
  return {st.st_uid, st.st_gid, static_cast<mode_t>(st.st_mode & 07777)};
}

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ReplacedFileTest, RootKeepsTheOwnerGroupAndModeOfAnotherUsersFile) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
  const Owned cases[] = {{12345, 12345, 0644}, {12345, 0, 02664}, {0, 12346, 0640}, {12345, 12346, 04755}};
  for (const Owned& before : cases) {
    const TempDir dir;
    const std::string path = dir.write("g.txt", "old");
    ASSERT_EQ(::chown(path.c_str(), before.owner, before.group), 0);
    ASSERT_EQ(::chmod(path.c_str(), before.mode), 0);
    ASSERT_FALSE(WriteFileSafely(path, "new"));
    const Owned after = OwnedOf(path);
    EXPECT_EQ(after.owner, before.owner) << std::oct << before.mode;
    EXPECT_EQ(after.group, before.group) << std::oct << before.mode;
    EXPECT_EQ(after.mode, before.mode) << std::oct << before.mode;
    EXPECT_EQ(ReadBytes(path), "new");
  }
}

// A user who may write another user's file but not give files away saves it
// as their own, in its group when they are a member of that group.
TEST(ReplacedFileTest, UserWhoMayNotGiveFilesAwaySavesAsTheirOwn) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as two other users";
  constexpr uid_t kUser = 12345;
  constexpr gid_t kUserGroup = 23456;
  constexpr gid_t kSharedGroup = 23457;
  const TempDir dir;
  ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
  const std::string path = dir.write("g.txt", "old");
  ASSERT_EQ(::chown(path.c_str(), 12346, kSharedGroup), 0);
  ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
  const pid_t pid = ::fork();
  if (pid == 0) {
    const bool user = ::setgroups(1, &kSharedGroup) == 0 && ::setgid(kUserGroup) == 0 && ::setuid(kUser) == 0;
    ::_exit(user && !WriteFileSafely(path, "new") ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  const Owned after = OwnedOf(path);
  EXPECT_EQ(after.owner, kUser);
  EXPECT_EQ(after.group, kSharedGroup);
  EXPECT_EQ(after.mode, 0666);
  EXPECT_EQ(ReadBytes(path), "new");
}

TEST(ReplacedFileTest, FileWithOtherNamesIsRefusedAndKeptUnderEveryName) {
  const TempDir dir;
  const std::string first = dir.write("a.txt", "old");
  const std::string second = dir.file("b.txt");
  const std::string symlink = dir.file("c.txt");
  ASSERT_EQ(::link(first.c_str(), second.c_str()), 0);
  ASSERT_EQ(::symlink("a.txt", symlink.c_str()), 0);
  for (const std::string& path : {first, second, symlink}) {
    EXPECT_EQ(WriteFileSafely(path, "new").value_or(Failure{}).message,
              SaveErrorMessage(SaveErrorKind::HardLinked, path));
  }
  EXPECT_EQ(ReadBytes(first), "old");
  EXPECT_EQ(ReadBytes(second), "old");
  EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
  // With its other name gone the file is an ordinary one again.
  ASSERT_EQ(::unlink(second.c_str()), 0);
  EXPECT_FALSE(WriteFileSafely(symlink, "new"));
  EXPECT_EQ(ReadBytes(first), "new");
}

}  // namespace
}  // namespace plotvane
