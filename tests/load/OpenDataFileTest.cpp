// The load road: settings filled from the data, the normalisation, and that a
// failed load never leaves the previous data set's mesh in use.

#include <gtest/gtest.h>

#include <algorithm>

#include "common/Messages.h"
#include "data/FileTitle.h"
#include "load/OpenDataFile.h"
#include "support/PointGenerators.h"
#include "support/SettingsTestSupport.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

using test::TempDir;

constexpr const char* kWellShaped = "X\tY\tZ\r\n0\t0\t1\r\n100\t0\t2\r\n50\t100\t3\r\n";

TEST(OpenDataFile, TextFileFillsTheSettingsFromTheDataRange) {
  TempDir dir;
  Document doc;
  doc.settings.fillMode = FillMode::FillPattern;  // a previous file's choice
  doc.settings.TriangleEdges = 1;
  const auto status = OpenDataFile(dir.write("a.txt", "E\tN\tH\r\n0\t-10\t1.25\r\n250\t40\t98.6\r\n100\t30\t7\r\n"),
                                   doc, NullProgress());
  ASSERT_EQ(status, LoadStatus::Meshed);
  EXPECT_TRUE(doc.drawable());
  EXPECT_EQ(doc.settings, test::Settings("0", "250", "-10", "40", "1.25", "98.6", "20", ""));
}

TEST(OpenDataFile, PointsOfOnePlaceAreNamedOrMergedAsAsked) {
  // Points 2, 4 and 5 share a place; a comment line moves the line numbers off the point numbers.
  const char* text = "X\tY\tZ\r\n0\t0\t1\r\n# kerb\r\n10\t0\t2\r\n0\t10\t3\r\n10\t0\t6\r\n10\t0\t7\r\n5\t5\t0\r\n";
  struct Case {
    DuplicateRule rule;
    LoadStatus status;
    PointIndex points;
    double z;  // of the point left at (10, 0)
    const char* detail;
  };
  const std::vector<Case> cases{
      {DuplicateRule::Refuse, LoadStatus::DuplicatePoints, 0, 0, "4 行目と6 行目の点が同じ座標 (X 10, Y 0) です。"},
      {DuplicateRule::First, LoadStatus::Meshed, 4, 2, ""},
      {DuplicateRule::Mean, LoadStatus::Meshed, 4, 5, ""},
  };
  TempDir dir;
  const std::string path = dir.write("dup.txt", text);
  for (const Case& c : cases) {
    Document doc;
    LoadOptions options;
    options.duplicates = c.rule;
    ASSERT_EQ(OpenDataFile(path, doc, NullProgress(), SkipOptions{0, "#"}, options), c.status);
    EXPECT_EQ(doc.errDetail, c.detail);
    if (c.status != LoadStatus::Meshed) {
      EXPECT_EQ(doc.errMsg, messages::kDuplicatePoints);
      continue;
    }
    ASSERT_EQ(doc.points.nn, c.points);
    // File order kept, the group where its first point was.
    EXPECT_EQ(doc.points.dataX[2], 10);
    EXPECT_EQ(doc.points.dataZ[2], c.z);
    EXPECT_EQ(doc.points.dataZ[4], 0);
    EXPECT_NE(doc.survey.loadNote.find("2 個"), std::string::npos) << doc.survey.loadNote;
  }
}

TEST(OpenDataFile, NormalisesEveryAxisToZeroToHundred) {
  TempDir dir;
  Document doc;
  ASSERT_EQ(OpenDataFile(dir.write("b.txt", test::DataFileText(test::UniformPoints(200, 4))), doc, NullProgress()),
            LoadStatus::Meshed);
  const Mesh& m = doc.mesh;
  for (const auto* axis : {&m.meshX, &m.meshY, &m.meshZ}) {
    const auto [lo, hi] = std::minmax_element(axis->begin() + 1, axis->end());
    EXPECT_EQ(*lo, 0.0);
    EXPECT_EQ(*hi, 100.0);
  }
  // The points as read stay in file order; the mesh arrays are sorted by X.
  EXPECT_NE(doc.points.dataX[1], doc.range.xMin);
  EXPECT_EQ(m.meshX[1], 0.0);
  ASSERT_EQ(static_cast<TriangleIndex>(m.hh.size()), m.nt + 1);
  EXPECT_FALSE(m.locator.built()) << "the look-up index waits for the first look-up";
}

TEST(OpenDataFile, ContourFileKeepsItsSettingsAndEmptiesInf) {
  TempDir dir;
  Document doc;
  const std::string block =
      "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\ninf\r\n 0 \r\n 1 \r\n 0 \r\nFalse\r\nTrue\r\nFalse\r\n\r\n";
  ASSERT_EQ(OpenDataFile(dir.write("c.ctr", block + kWellShaped), doc, NullProgress()), LoadStatus::Meshed);
  EXPECT_EQ(doc.settings.X1, "1");
  EXPECT_EQ(doc.settings.n, "7");
  EXPECT_EQ(doc.settings.sq, "");
  EXPECT_EQ(doc.settings.ContourLines, 0);
  EXPECT_EQ(doc.settings.TriangleEdges, 1);
  EXPECT_EQ(doc.settings.fillMode, FillMode::FillGrey);

  Document limited;
  const std::string withLimit =
      "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n0.5\r\n 0 \r\n 1 \r\n 0 \r\nFalse\r\nTrue\r\nFalse\r\n\r\n";
  ASSERT_EQ(OpenDataFile(dir.write("d.ctr", withLimit + kWellShaped), limited, NullProgress()), LoadStatus::Meshed);
  EXPECT_EQ(limited.settings.sq, "0.5");
}

TEST(OpenDataFile, FailuresLeaveNoMeshOfThePreviousData) {
  TempDir dir;
  struct Case {
    const char* name;
    std::string text;
    LoadStatus status;
    std::string_view message;
  };
  const Case cases[] = {
      {"bad.txt", "X Y Z\r\n1 2 3\r\n1 x 3\r\n", LoadStatus::InvalidData, messages::kInvalidData},
      {"two.txt", "X Y Z\r\n1 2 3\r\n4 5 6\r\n", LoadStatus::TooFewPoints, messages::kTooFewPoints},
      {"dup.txt", "X Y Z\r\n1 2 3\r\n4 5 6\r\n1 2 9\r\n", LoadStatus::DuplicatePoints, messages::kDuplicatePoints},
      {"line.txt", "X Y Z\r\n1 1 3\r\n2 2 6\r\n3 3 9\r\n", LoadStatus::AllCollinear, messages::kAllCollinear},
      {"flatz.txt", "X Y Z\r\n0 0 5\r\n1 0 5\r\n0 1 5\r\n", LoadStatus::NoRange, messages::kUnexpectedReadFailure},
      {"flatx.txt", "X Y Z\r\n3 0 5\r\n3 1 6\r\n3 2 7\r\n", LoadStatus::NoRange, messages::kUnexpectedReadFailure},
      {"other.dta", kWellShaped, LoadStatus::UnknownKind, messages::kUnexpectedReadFailure},
      {"missing.txt", "", LoadStatus::CannotOpen, messages::kUnexpectedReadFailure},
  };
  const std::string good = dir.write("good.txt", test::DataFileText(test::UniformPoints(50, 8)));
  for (const Case& c : cases) {
    Document doc;
    ASSERT_EQ(OpenDataFile(good, doc, NullProgress()), LoadStatus::Meshed);
    const std::string path = c.status == LoadStatus::CannotOpen ? dir.file(c.name) : dir.write(c.name, c.text);
    EXPECT_EQ(OpenDataFile(path, doc, NullProgress()), c.status) << c.name;
    EXPECT_EQ(doc.errMsg, c.message) << c.name;
    EXPECT_EQ(doc.mesh.nt, 0) << c.name;
    EXPECT_FALSE(doc.mesh.locator.built()) << c.name;
    EXPECT_FALSE(doc.drawable()) << c.name;
    EXPECT_TRUE(ShowsErrorMessage(c.status)) << c.name;
  }
}

TEST(OpenDataFile, HeaderOnlyLoadsNothingWithoutAnErrorMessage) {
  TempDir dir;
  Document doc;
  EXPECT_EQ(OpenDataFile(dir.write("h.txt", "X\tY\tZ\r\n"), doc, NullProgress()), LoadStatus::NoPoints);
  EXPECT_EQ(doc.points.nn, 0);
  EXPECT_EQ(doc.errMsg, "");
  EXPECT_FALSE(ShowsErrorMessage(LoadStatus::NoPoints));
  // It is still reported, by its detail (LoadMessageTest).
  EXPECT_NE(doc.errDetail, "");
}

TEST(FileTitle, NamesOfALoadedFile) {
  EXPECT_EQ(FileNameOf("/data/site.north.txt"), "site.north.txt");
  EXPECT_EQ(FileTitleOf("site.north.txt"), "site.north");
  EXPECT_EQ(FileNameOf("survey"), "survey");
  EXPECT_EQ(FileTitleOf("survey"), "survey");
  EXPECT_EQ(StripCommandLineQuotes("\"/data/site.north.txt\""), "/data/site.north.txt");
  EXPECT_EQ(StripCommandLineQuotes("/a \"b\" c"), "/a \"b\" c");
  EXPECT_EQ(StripCommandLineQuotes("\""), "");
}

// Stops the meshing at the first question.
class CancellingProgress final : public ProgressSink {
 public:
  bool cancelled() override {
    ++asked;
    return true;
  }
  int asked = 0;
};

TEST(OpenDataFile, CancelledMeshingLeavesNoDataAndNoMessage) {
  TempDir dir;
  Document doc;
  ASSERT_EQ(OpenDataFile(dir.write("a.txt", test::DataFileText(test::UniformPoints(500, 5))), doc, NullProgress()),
            LoadStatus::Meshed);
  CancellingProgress progress;
  EXPECT_EQ(OpenDataFile(dir.write("b.txt", test::DataFileText(test::UniformPoints(500, 6))), doc, progress),
            LoadStatus::Cancelled);
  EXPECT_EQ(progress.asked, 1);
  EXPECT_FALSE(doc.hasData());
  EXPECT_EQ(doc.mesh.nt, 0);
  EXPECT_TRUE(doc.errMsg.empty());
  EXPECT_FALSE(ShowsErrorMessage(LoadStatus::Cancelled));
}

}  // namespace
}  // namespace plotvane
