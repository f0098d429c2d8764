// The reasons of failed reads and writes reach the user in Japanese, naming
// the file.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "common/ErrorDetails.h"
#include "common/FileBytes.h"
#include "common/SafeFile.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

bool HasLatinLetter(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

TEST(SystemErrorText, NeverTheCLibrarysEnglish) {
  for (int error = 1; error < 134; ++error) {
    const std::string text = details::SystemErrorText(error);
    EXPECT_FALSE(HasLatinLetter(text)) << error << ": " << text;
    EXPECT_TRUE(text.ends_with("。")) << error;
  }
  EXPECT_NE(details::SystemErrorText(ENOENT), details::SystemErrorText(EACCES));
}

struct ReadFailure {
  const char* name;
  std::string path;
  std::size_t maxBytes;
  FileReadError::Kind kind;
  int systemError;
};

TEST(ReadFileBytes, SaysWhyAReadFailed) {
  const test::TempDir dir;
  ASSERT_EQ(::mkdir(dir.file("folder").c_str(), 0700), 0);
  ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
  const ReadFailure rows[] = {
      {"Missing", dir.file("missing.txt"), 100, FileReadError::Kind::System, ENOENT},
      {"Folder", dir.file("folder"), 100, FileReadError::Kind::Folder, 0},
      {"Fifo", dir.file("pipe"), 100, FileReadError::Kind::NotRegularFile, 0},
      {"Device", "/dev/zero", 100, FileReadError::Kind::NotRegularFile, 0},
      {"TooLarge", dir.write("big.txt", std::string(101, 'x')), 100, FileReadError::Kind::TooLarge, 0},
      {"Fits", dir.write("small.txt", std::string(100, 'x')), 100, FileReadError::Kind::None, 0},
  };
  for (const ReadFailure& row : rows) {
    FileReadError error{FileReadError::Kind::System, -1};
    const auto bytes = ReadFileBytes(row.path, row.maxBytes, Oversize::Refuse, &error);
    EXPECT_EQ(bytes.has_value(), row.kind == FileReadError::Kind::None) << row.name;
    EXPECT_EQ(error.kind, row.kind) << row.name;
    EXPECT_EQ(error.systemError, row.systemError) << row.name;
    if (!bytes) {
      EXPECT_FALSE(HasLatinLetter(details::FileReadErrorText(error))) << row.name;
    }
  }
}

TEST(WriteFileSafely, FailureNamesTheFileInJapanese) {
  const test::TempDir dir;
  ASSERT_EQ(::mkdir(dir.file("folder.ctr").c_str(), 0700), 0);
  const std::string missing = dir.file("nothere/a.ctr");
  EXPECT_EQ(WriteFileSafely(missing, "x").value_or(Failure{}).message,
            "保存先のフォルダが見つからないため保存できませんでした。\n" + missing);
  EXPECT_EQ(WriteFileSafely(dir.file("folder.ctr"), "x").value_or(Failure{}).message,
            "通常のファイルではないため保存できませんでした。\n" + dir.file("folder.ctr"));
}

}  // namespace
}  // namespace plotvane
