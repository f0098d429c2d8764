// The safe writer under hostile conditions: where its temporary file lives,
// which permissions files get, symbolic links written through, and every way
// a save can fail
// (a missing folder, a read-only folder, a folder as the target, a write that
// fails part way), each of which must leave the old file as it was and no
// stray file behind.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "common/SafeFile.h"
#include "common/TextDecoding.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

// Sets the process's umask for the life of the object.
class Umask {
 public:
  explicit Umask(mode_t mask) : m_saved(::umask(mask)) {}
  ~Umask() { ::umask(m_saved); }

 private:
  mode_t m_saved;
};

// Limits the size of files this process may write, for the life of the object.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit then fails with EFBIG
    ::getrlimit(RLIMIT_FSIZE, &m_saved);
    rlimit limited = m_saved;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_savedHandler);
  }

 private:
  rlimit m_saved{};
  void (*m_savedHandler)(int) = nullptr;
};

TEST(SafeFile, TemporaryFileSitsBesideTheTargetReadableByItsUserOnly) {
  TempDir dir;
  fs::create_directory(dir.file("maps"));
  const std::string target = dir.file("maps/page.txt");
  SafeFileWriter writer(target);
  ASSERT_TRUE(writer.open());
  writer.write("text");
  const auto during = Entries(dir.file("maps"));
  ASSERT_EQ(during.size(), 1u);
  EXPECT_TRUE(during[0].starts_with(".page.txt.")) << during[0];
  EXPECT_EQ(ModeOf(dir.file("maps/" + during[0])), 0600);
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"maps"}) << "nothing outside the chosen folder";
  ASSERT_TRUE(writer.commit()) << writer.error();
  EXPECT_EQ(Entries(dir.file("maps")), std::vector<std::string>{"page.txt"});
  EXPECT_EQ(ReadBytes(target), "text");
}

TEST(SafeFile, NewFilesGetTheUsersPermissionsAndOldFilesKeepTheirs) {
  TempDir dir;
  {
    const Umask mask(022);
    ASSERT_FALSE(WriteFileSafely(dir.file("shared.txt"), "a"));
  }
  {
    const Umask mask(077);
    ASSERT_FALSE(WriteFileSafely(dir.file("private.txt"), "a"));
  }
  EXPECT_EQ(ModeOf(dir.file("shared.txt")), 0644);
  EXPECT_EQ(ModeOf(dir.file("private.txt")), 0600);

  const std::string page = dir.write("temp0000.emf", "old page");
  ASSERT_EQ(::chmod(page.c_str(), 0600), 0);
  const Umask mask(0);
  ASSERT_FALSE(WriteFileSafely(
      page, [](SafeFileWriter& writer) { writer.write("new page"); }, Durability::Scratch));
  EXPECT_EQ(ModeOf(page), 0600) << "a page file made private stays private";
  EXPECT_EQ(ReadBytes(page), "new page");
}

TEST(SafeFile, SymbolicLinkIsKeptAndTheFileItLeadsToGetsTheContent) {
  TempDir dir;
  fs::create_directory(dir.file("chosen"));
  fs::create_directory(dir.file("elsewhere"));
  const std::string outside = dir.write("elsewhere/data.txt", "old");
  ASSERT_EQ(::chmod(outside.c_str(), 0640), 0);
  const std::string link = dir.file("chosen/data.txt");
  fs::create_symlink("../elsewhere/data.txt", link);  // relative: read from the link's folder
  ASSERT_FALSE(WriteFileSafely(link, "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(outside), "new");
  EXPECT_EQ(ModeOf(outside), 0640);
  EXPECT_EQ(Entries(dir.file("chosen")), std::vector<std::string>{"data.txt"}) << "the temporary was beside the file";
  EXPECT_EQ(Entries(dir.file("elsewhere")), std::vector<std::string>{"data.txt"});
}

TEST(SafeFile, DanglingSymbolicLinkCreatesTheFileItNames) {
  TempDir dir;
  fs::create_directory(dir.file("chosen"));
  fs::create_directory(dir.file("elsewhere"));
  const std::string link = dir.file("chosen/data.txt");
  fs::create_symlink(dir.file("elsewhere/new.txt"), link);
  ASSERT_FALSE(WriteFileSafely(link, "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(dir.file("elsewhere/new.txt")), "new");
}

TEST(SafeFile, DotDotInThePathStaysInTheFolderItNames) {
  TempDir dir;
  fs::create_directory(dir.file("a"));
  ASSERT_FALSE(WriteFileSafely(dir.file("a/../b.txt"), "b"));
  EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{"a", "b.txt"}));
  EXPECT_TRUE(Entries(dir.file("a")).empty());
}

TEST(SafeFile, TargetNameAtTheLengthLimitCanBeSaved) {
  TempDir dir;
  std::string name;
  for (int i = 0; i < 83; ++i) name += "等";  // three bytes each: the cut falls inside one
  name += "01.txt";
  ASSERT_EQ(name.size(), std::size_t{NAME_MAX});
  const std::string target = dir.file(name);
  SafeFileWriter writer(target);
  ASSERT_TRUE(writer.open()) << writer.error();
  writer.write("contour");
  const auto during = Entries(dir.path());
  ASSERT_EQ(during.size(), 1u);
  EXPECT_TRUE(IsValidUtf8(during[0])) << "the shortened name is cut between characters";
  ASSERT_TRUE(writer.commit()) << writer.error();
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{name});
  EXPECT_EQ(ReadBytes(target), "contour");
}

TEST(SafeFile, TargetInAMissingFolderFails) {
  TempDir dir;
  const std::string error = WriteFileSafely(dir.file("no/such/folder/x.txt"), "x").value_or(Failure{}).message;
  EXPECT_NE(error.find("no/such/folder/x.txt"), std::string::npos) << error;
  EXPECT_TRUE(Entries(dir.path()).empty());
}

TEST(SafeFile, TargetThatIsAFolderFails) {
  TempDir dir;
  fs::create_directory(dir.file("maps"));
  const std::string inside = dir.write("maps/keep.txt", "k");
  EXPECT_TRUE(WriteFileSafely(dir.file("maps"), "x"));
  EXPECT_TRUE(fs::is_directory(dir.file("maps")));
  EXPECT_EQ(ReadBytes(inside), "k");
  fs::create_directory_symlink(dir.file("maps"), dir.file("link"));
  EXPECT_TRUE(WriteFileSafely(dir.file("link"), "x")) << "a link to a folder is a folder";
  EXPECT_EQ(Entries(dir.file("maps")), std::vector<std::string>{"keep.txt"});
}

TEST(SafeFile, ReadOnlyFolderFailsAndKeepsTheOldFile) {
  TempDir dir;
  fs::create_directory(dir.file("ro"));
  const std::string old = dir.write("ro/old.txt", "old");
  ASSERT_EQ(::chmod(dir.file("ro").c_str(), 0500), 0);
  if (::access(dir.file("ro").c_str(), W_OK) == 0) {
    ::chmod(dir.file("ro").c_str(), 0700);
    GTEST_SKIP() << "permissions do not bind this user (root)";
  }
  EXPECT_TRUE(WriteFileSafely(old, "new"));
  ::chmod(dir.file("ro").c_str(), 0700);
  EXPECT_EQ(ReadBytes(old), "old");
  EXPECT_EQ(Entries(dir.file("ro")), std::vector<std::string>{"old.txt"});
}

// A scratch file skips only the sync: a failed write must still be caught.
TEST(SafeFile, WriteFailingPartWayKeepsTheOldFileAndLeavesNoTemporary) {
  for (const Durability durability : {Durability::Synced, Durability::Scratch}) {
    TempDir dir;
    const std::string old = dir.write("old.txt", "what was there");
    SafeFileWriter writer(old, durability);
    ASSERT_TRUE(writer.open());
    {
      const FileSizeLimit limit(4096);
      for (int i = 0; i < 64; ++i) writer.write(std::string(4096, 'x'));
      EXPECT_FALSE(writer.commit());
    }
    EXPECT_FALSE(writer.error().empty());
    EXPECT_EQ(ReadBytes(old), "what was there");
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"old.txt"});
  }
}

TEST(SafeFile, WriterDroppedWithoutCommitLeavesEverythingAsItWas) {
  TempDir dir;
  const std::string old = dir.write("old.txt", "what was there");
  {
    SafeFileWriter writer(old);
    ASSERT_TRUE(writer.open());
    writer.write("half");
  }
  {
    SafeFileWriter writer(dir.file("fresh.txt"));
    ASSERT_TRUE(writer.open());
    writer.write("half");
  }
  EXPECT_EQ(ReadBytes(old), "what was there");
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"old.txt"});
}

}  // namespace
}  // namespace plotvane
