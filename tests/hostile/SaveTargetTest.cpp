// The save policy of the safe writer, target by target: what each kind of
// target becomes, which error kind and message a refusal gives, and the
// writer that streams to a descriptor (standard output).

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>

#include "common/SafeFile.h"
#include "common/SaveTarget.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;

struct TargetCase {
  const char* name;
  // Makes the target in dir and returns the path to save to.
  std::function<std::string(const TempDir&)> make;
  SaveErrorKind expected;
};

std::vector<TargetCase> TargetCases() {
  return {
      {"NewFile", [](const TempDir& d) { return d.file("new.txt"); }, SaveErrorKind::None},
      {"RegularFile", [](const TempDir& d) { return d.write("old.txt", "old"); }, SaveErrorKind::None},
      {"ChainOfLinks",
       [](const TempDir& d) {
         d.write("end.txt", "old");
         fs::create_symlink("end.txt", d.file("middle"));
         fs::create_symlink(d.file("middle"), d.file("start"));
         return d.file("start");
       },
       SaveErrorKind::None},
      {"LinkLoop",
       [](const TempDir& d) {
         fs::create_symlink("b", d.file("a"));
         fs::create_symlink("a", d.file("b"));
         return d.file("a");
       },
       SaveErrorKind::Other},
      {"Folder",
       [](const TempDir& d) {
         fs::create_directory(d.file("f"));
         return d.file("f");
       },
       SaveErrorKind::NotRegular},
      {"LinkToFolder",
       [](const TempDir& d) {
         fs::create_directory(d.file("f"));
         fs::create_directory_symlink(d.file("f"), d.file("l"));
         return d.file("l");
       },
       SaveErrorKind::NotRegular},
      {"Fifo",
       [](const TempDir& d) {
         ::mkfifo(d.file("p").c_str(), 0600);
         return d.file("p");
       },
       SaveErrorKind::NotRegular},
      {"SystemNullDevice", [](const TempDir&) { return std::string("/dev/null"); }, SaveErrorKind::NotRegular},
      {"ReadOnlyFile",
       [](const TempDir& d) {
         const std::string p = d.write("ro.txt", "old");
         ::chmod(p.c_str(), 0444);
         return p;
       },
       SaveErrorKind::ReadOnly},
      {"MissingFolder", [](const TempDir& d) { return d.file("no/such/x.txt"); }, SaveErrorKind::NoFolder},
      {"EmptyName", [](const TempDir&) { return std::string(); }, SaveErrorKind::Other},
  };
}

class SaveTargets : public ::testing::TestWithParam<TargetCase> {};

TEST_P(SaveTargets, RefusesOrWritesAsThePolicySays) {
  const TempDir dir;
  const std::string path = GetParam().make(dir);
  // Only regular files are read: a FIFO would block the reader.
  std::error_code loop;
  const bool regular = fs::is_regular_file(path, loop);
  const std::string before = regular ? ReadBytes(path) : "";
  SafeFileWriter writer(path);
  const bool opened = writer.open();
  writer.write("new");
  const bool committed = opened && writer.commit();
  EXPECT_EQ(writer.errorKind(), GetParam().expected) << writer.error();
  if (GetParam().expected == SaveErrorKind::None) {
    ASSERT_TRUE(committed) << writer.error();
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(writer.error(), "");
  } else {
    EXPECT_FALSE(opened);
    EXPECT_EQ(writer.error(), SaveErrorMessage(GetParam().expected, path));
    if (regular) {
      EXPECT_EQ(ReadBytes(path), before);
    }
  }
  for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
    EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << "temporary left: " << entry.path();
  }
}

INSTANTIATE_TEST_SUITE_P(Policy, SaveTargets, ::testing::ValuesIn(TargetCases()),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(SaveTarget, ResolvesLinksToTheFileAndItsMode) {
  const TempDir dir;
  const std::string real = dir.write("real.txt", "x");
  ASSERT_EQ(::chmod(real.c_str(), 0620), 0);
  fs::create_symlink("real.txt", dir.file("link"));
  const SaveTarget target = ResolveSaveTarget(dir.file("link"));
  EXPECT_EQ(target.refusal, SaveErrorKind::None);
  EXPECT_EQ(target.path, dir.file("real.txt"));
  EXPECT_EQ(target.mode, 0620u);
}

TEST(SaveError, SystemErrorsMapToKinds) {
  const std::pair<int, SaveErrorKind> table[] = {
      {ENOSPC, SaveErrorKind::NoSpace},    {EDQUOT, SaveErrorKind::NoSpace},    {EFBIG, SaveErrorKind::NoSpace},
      {EACCES, SaveErrorKind::Permission}, {EPERM, SaveErrorKind::Permission},  {EROFS, SaveErrorKind::ReadOnly},
      {ENOENT, SaveErrorKind::NoFolder},   {EISDIR, SaveErrorKind::NotRegular}, {EIO, SaveErrorKind::Other},
  };
  for (const auto& [error, kind] : table) EXPECT_EQ(SaveErrorKindOf(error), kind) << error;
}

TEST(SaveError, MessageIsJapaneseAndNamesTheFile) {
  for (const SaveErrorKind kind : {SaveErrorKind::NoSpace, SaveErrorKind::Permission, SaveErrorKind::NotRegular,
                                   SaveErrorKind::ReadOnly, SaveErrorKind::NoFolder, SaveErrorKind::Other}) {
    const std::string message = SaveErrorMessage(kind, "/maps/地図\xff.svg");
    EXPECT_TRUE(message.ends_with("できませんでした。\n/maps/地図\xff.svg")) << message;
    EXPECT_EQ(message.find_first_of("abcdefghijklmnopqrstuvwxyz:"), message.find("maps")) << "no English";
  }
  EXPECT_EQ(SaveErrorMessage(SaveErrorKind::None, "x"), "");
}

TEST(StreamingWriter, WritesToTheDescriptorAndReportsItsFailure) {
  const TempDir dir;
  const int fd = ::open(dir.file("out").c_str(), O_WRONLY | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  {
    SafeFileWriter writer(fd, "out");
    ASSERT_TRUE(writer.open());
    writer.write(std::string(200000, 'x'));
    EXPECT_TRUE(writer.commit()) << writer.error();
  }
  EXPECT_EQ(::fcntl(fd, F_GETFD), 0) << "the descriptor stays open";
  ::close(fd);
  EXPECT_EQ(ReadBytes(dir.file("out")).size(), 200000u);

  const int full = ::open("/dev/full", O_WRONLY);
  ASSERT_GE(full, 0);
  SafeFileWriter writer(full, "標準出力");
  ASSERT_TRUE(writer.open());
  writer.write("x");
  EXPECT_FALSE(writer.commit());
  EXPECT_EQ(writer.error(), SaveErrorMessage(SaveErrorKind::NoSpace, "標準出力"));
  ::close(full);
}

}  // namespace
}  // namespace plotvane
