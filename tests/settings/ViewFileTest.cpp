// Saving and reading view files.

#include <gtest/gtest.h>

#include <string>

#include "settings/SettingsBlock.h"
#include "settings/ViewFile.h"
#include "support/SettingsTestSupport.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

const std::string kEleven = "0\r\n250\r\n-10\r\n40\r\n1.25\r\n98.6\r\n20\r\n2.50\r\n 1 \r\n 0 \r\n 1 \r\n";

DrawSettings Grey() {
  DrawSettings s;
  s.selectFillMode(FillMode::FillGrey);
  return s;
}

TEST(ReadViewText, ElevenLinesKeepTheFillMode) {
  DrawSettings s = Grey();
  ASSERT_EQ(ReadViewText(kEleven, s), ViewReadStatus::Ok);
  EXPECT_EQ(s, test::Settings("0", "250", "-10", "40", "1.25", "98.6", "20", "2.5", 1, 0, 1, FillMode::FillGrey));
}

TEST(ReadViewText, TrueOnLineFourteenSelectsPatternAndClearsContinuous) {
  for (const FillMode before : {FillMode::FillColour, FillMode::FillGrey}) {
    DrawSettings s;
    s.selectFillMode(before);
    ASSERT_EQ(ReadViewText(kEleven + "False\r\nFalse\r\nTrue\r\n", s), ViewReadStatus::Ok);
    EXPECT_EQ(s.fillMode, FillMode::FillPattern);
    EXPECT_EQ(s.ContinuousColour, 0);
  }
}

TEST(ReadViewText, InfMeansNoLimit) {
  DrawSettings s;
  s.sq = "0.5";
  const std::string text = "0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n20\r\ninf\r\n 1 \r\n 0 \r\n 0 \r\nTrue\r\nFalse\r\nFalse\r\n";
  ASSERT_EQ(ReadViewText(text, s), ViewReadStatus::Ok);
  EXPECT_EQ(s.sq, "");
}

TEST(ReadViewText, ItemsAreNormalisedNumbersOrTextAsItStands) {
  DrawSettings s;
  const std::string text =
      " 1.50 , \"1,5\" ,1e3\r\n \"quoted\" tail\r\nabc def \r\n\r\n007\r\n-0.0\r\n 1 \r\n 0 \r\n 0 \r\n";
  ASSERT_EQ(ReadViewText(text, s), ViewReadStatus::Ok);
  EXPECT_EQ(s.X1, "1.5");
  EXPECT_EQ(s.X2, "1,5");
  EXPECT_EQ(s.Y1, "1000");
  EXPECT_EQ(s.Y2, "quoted");
  EXPECT_EQ(s.Z1, "abc def");
  EXPECT_EQ(s.Z2, "");  // an empty line is an empty item
  EXPECT_EQ(s.n, "7");
  EXPECT_EQ(s.sq, "0");
}

TEST(ReadViewText, CommaAtLineEndMakesNoEmptyItem) {
  DrawSettings s;
  ASSERT_EQ(ReadViewText("1,2,\r\n3,4,5,6,7,8,\r\n1,1,1\r\n", s), ViewReadStatus::Ok);
  EXPECT_EQ(s.X2, "2");
  EXPECT_EQ(s.Y1, "3");
  EXPECT_EQ(s.TriangleEdges, 1);
}

TEST(ReadViewText, LineEndsOfAnyKindAndTrailingBlankLines) {
  std::string lf = kEleven;
  std::erase(lf, '\r');
  DrawSettings s = Grey();
  ASSERT_EQ(ReadViewText(lf + "True\n\n\n  \n", s), ViewReadStatus::Ok);
  EXPECT_EQ(s.fillMode, FillMode::FillColour);
  EXPECT_EQ(s.sq, "2.5");
}

TEST(ReadViewText, FewerThanElevenItemsFailAfterApplyingThem) {
  DrawSettings s;
  s.ContinuousColour = 1;
  s.n = "30";
  const std::string nine = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n12\r\ninf\r\n 0 \r\n";
  EXPECT_EQ(ReadViewText(nine, s), ViewReadStatus::BadContent);
  EXPECT_EQ(s.n, "12");
  EXPECT_EQ(s.ContourLines, 0);
  EXPECT_EQ(s.ContinuousColour, 1);  // never reached
  // A half-read file must not leave "inf" in sq: it would hide every triangle.
  EXPECT_EQ(s.sq, "");
}

TEST(ReadViewText, RejectedItemsFail) {
  for (const std::string& tail : {std::string(" 2 \r\n"), std::string(" 1 \r\nmaybe\r\n")}) {
    DrawSettings s = Grey();
    const std::string text = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n12\r\nnope\r\n 0 \r\n 1 \r\n" + tail;
    EXPECT_EQ(ReadViewText(text, s), ViewReadStatus::BadContent) << tail;
    EXPECT_EQ(s.TriangleEdges, 1) << tail;
    EXPECT_EQ(s.sq, "") << tail;
    EXPECT_EQ(s.fillMode, FillMode::FillGrey) << tail;
  }
}

TEST(ReadViewText, EmptyTextFails) {
  DrawSettings s;
  s.sq = " 0.70";
  EXPECT_EQ(ReadViewText("", s), ViewReadStatus::BadContent);
  EXPECT_EQ(s.sq, "0.7");
}

TEST(ViewFile, SaveThenReadGivesTheSameSettings) {
  DrawSettings saved{.X1 = "-1.5",
                     .X2 = "1E+20",
                     .Y1 = "0",
                     .Y2 = "3",
                     .Z1 = "0.001",
                     .Z2 = "9",
                     .n = "64",
                     .sq = "0.35",
                     .ContourLines = 0,
                     .TriangleEdges = 1,
                     .ContinuousColour = 1,
                     .fillMode = FillMode::FillGrey};
  const test::TempDir dir;
  const std::string path = dir.file("view");  // no extension is added
  ASSERT_FALSE(WriteViewFile(path, saved));
  EXPECT_EQ(test::ReadBytes(path), SettingsBlockText(saved));

  DrawSettings read;
  read.selectFillMode(FillMode::FillPattern);
  ASSERT_EQ(ReadViewFile(path, read), ViewReadStatus::Ok);
  EXPECT_EQ(read, saved);

  saved.sq.clear();
  ASSERT_FALSE(WriteViewFile(path, saved));
  ASSERT_EQ(ReadViewFile(path, read), ViewReadStatus::Ok);
  EXPECT_EQ(read.sq, "");
}

TEST(ViewFile, MissingFileChangesNothing) {
  const test::TempDir dir;
  DrawSettings s = Grey();
  s.sq = "inf";
  EXPECT_EQ(ReadViewFile(dir.file("none.ctv"), s), ViewReadStatus::CannotOpen);
  EXPECT_EQ(s.sq, "inf");
  EXPECT_EQ(s.fillMode, FillMode::FillGrey);
}

}  // namespace
}  // namespace plotvane
