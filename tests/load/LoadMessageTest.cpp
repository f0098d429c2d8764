// What the message box of a failed load says: the fixed message on its first
// line, and beneath it the file, the line or the value that went wrong.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "load/OpenDataFile.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

using test::TempDir;

struct MessageCase {
  const char* name;
  std::string file;  // the name in the folder
  std::string text;  // the file's content
  LoadStatus status;
  std::string message;  // the whole box text
  SkipOptions skip = {};
};

class LoadMessages : public testing::TestWithParam<MessageCase> {};

TEST_P(LoadMessages, SayWhatIsWrong) {
  const MessageCase& c = GetParam();
  TempDir dir;
  Document doc;
  ASSERT_EQ(OpenDataFile(dir.write(c.file, c.text), doc, NullProgress(), c.skip), c.status);
  EXPECT_EQ(LoadMessageText(doc, c.status), c.message);
}

const std::string kInvalid = "不正なデータが含まれています。\n";
const std::string kUnexpected = "予期せぬ理由で読込に失敗しました。\n";
const std::string kSameValue = " です。X, Y, Z のそれぞれに二つ以上の異なる値が必要です。";

INSTANTIATE_TEST_SUITE_P(
    Files, LoadMessages,
    testing::Values(
        MessageCase{"Meshed", "a.txt", "X Y Z\r\n0 0 1\r\n100 0 2\r\n50 100 3\r\n", LoadStatus::Meshed, ""},
        // Physical lines count, blank ones and skipped ones included.
        MessageCase{"FieldNotANumber", "a.txt", "X Y Z\r\n1 2 3\r\n\r\n1 x1 3\r\n", LoadStatus::InvalidData,
                    kInvalid + "4 行目の Y 「x1」を数値として読めません。"},
        MessageCase{"FieldMissing", "a.txt", "X,Y,Z\r\n1,2,\r\n", LoadStatus::InvalidData,
                    kInvalid + "2 行目に Z の値がありません。"},
        MessageCase{"LineNumberCountsSkippedLines", "a.txt", "# 2026\r\nX Y Z\r\n# note\r\n1 2 3\r\nq 2 3\r\n",
                    LoadStatus::InvalidData, kInvalid + "5 行目の X 「q」を数値として読めません。",
                    SkipOptions{0, "#"}},
        MessageCase{"LongFieldShortened", "a.txt", "X Y Z\r\n1 2 " + std::string(100, 'w') + "\r\n",
                    LoadStatus::InvalidData,
                    kInvalid + "2 行目の Z 「" + std::string(60, 'w') + "…」を数値として読めません。"},
        MessageCase{"RangeTooWide", "a.txt", "X Y Z\r\n-1e308 0 1\r\n1e308 1 2\r\n0 2 3\r\n", LoadStatus::InvalidData,
                    kInvalid + "X の値の幅が大きすぎて計算できません。"},
        MessageCase{"AllXEqual", "a.txt", "X Y Z\r\n3 0 5\r\n3 1 6\r\n3 2 7\r\n", LoadStatus::NoRange,
                    kUnexpected + "すべての点の X が同じ値 (3)" + kSameValue},
        MessageCase{"AllYEqual", "a.txt", "X Y Z\r\n0 -2.5 5\r\n1 -2.5 6\r\n2 -2.5 7\r\n", LoadStatus::NoRange,
                    kUnexpected + "すべての点の Y が同じ値 (-2.5)" + kSameValue},
        MessageCase{"AllZEqual", "a.txt", "X Y Z\r\n0 0 5\r\n1 0 5\r\n0 1 5\r\n", LoadStatus::NoRange,
                    kUnexpected + "すべての点の Z が同じ値 (5)" + kSameValue},
        MessageCase{"HeaderOnly", "a.txt", "X\tY\tZ\r\n", LoadStatus::NoPoints,
                    "データの点がありません。見出しの行のあとにデータの行がありません。"},
        MessageCase{"EmptyFile", "a.txt", "", LoadStatus::NoPoints,
                    "データの点がありません。見出しの行のあとにデータの行がありません。"},
        MessageCase{
            "UnknownKind", "a.dta", "X Y Z\r\n", LoadStatus::UnknownKind,
            kUnexpected +
                "読み込めるのは名前が .txt, .csv, .xyz, .dat, .ctr, .sim, .las または .xml で終わるファイルです。"},
        // The triangulation's own messages say enough.
        MessageCase{"TooFewPoints", "a.txt", "X Y Z\r\n1 2 3\r\n4 5 6\r\n", LoadStatus::TooFewPoints,
                    "データの数が２個以下です。"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LoadMessages, FileThatCannotBeReadIsNamedWithTheReason) {
  TempDir dir;
  struct Row {
    std::string path;
    std::string reason;
  };
  ASSERT_EQ(::mkdir(dir.file("folder.txt").c_str(), 0700), 0);
  const Row rows[] = {
      {dir.file("missing.txt"), "ファイルまたはフォルダーが見つかりません。"},
      {dir.file("folder.txt"), "フォルダーです。"},
      {dir.file("nothere/a.txt"), "ファイルまたはフォルダーが見つかりません。"},
      {"/dev/null/a.txt", "パスの途中にフォルダーでないものがあります。"},
  };
  for (const Row& row : rows) {
    Document doc;
    const LoadStatus status = OpenDataFile(row.path, doc, NullProgress());
    EXPECT_EQ(status, LoadStatus::CannotOpen) << row.path;
    EXPECT_EQ(LoadMessageText(doc, status),
              "予期せぬ理由で読込に失敗しました。\n「" + row.path + "」を読み込めません。" + row.reason);
  }
}

TEST(LoadMessages, NextLoadForgetsThePreviousDetail) {
  TempDir dir;
  Document doc;
  ASSERT_EQ(OpenDataFile(dir.write("bad.txt", "X Y Z\r\n1 2 x\r\n"), doc, NullProgress()), LoadStatus::InvalidData);
  ASSERT_FALSE(doc.errDetail.empty());
  ASSERT_EQ(OpenDataFile(dir.write("good.txt", "X Y Z\r\n0 0 1\r\n100 0 2\r\n50 100 3\r\n"), doc, NullProgress()),
            LoadStatus::Meshed);
  EXPECT_EQ(doc.errDetail, "");
}

}  // namespace
}  // namespace plotvane
