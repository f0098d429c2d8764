// The grid conversion: file layout, order, what is left out, and what happens
// when writing fails or the user stops it.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>
#include <filesystem>
#include <utility>
#include <vector>

#include "settings/NumberText.h"
#include "support/TempDir.h"
#include "tools/GridConversion.h"
#include "tools/MeshValueAt.h"
#include "tools/ToolMeshes.h"

namespace plotvane {
namespace {

using test::ReadBytes;
using test::TempDir;
using Coordinates = std::vector<std::pair<float, float>>;

// A mesh over the whole data square X 0..20, Y 0..5: two triangles meeting
// along the diagonal from (0, 5) to (20, 0).
Document SquareDocument() {
  const test::ToolMesh t = test::MakeToolMesh({{0, 0, 0}, {0, 100, 30}, {100, 0, 60}, {100, 100, 90}},
                                              {{0, 1, 2}, {2, 1, 3}}, {0, 20, 0, 5, -10, 10});
  Document d;
  d.mesh = t.mesh;
  d.range = t.range;
  d.points.labelX = "東西";
  d.points.labelY = "南北";
  d.points.labelZ = "標高 m";
  return d;
}

// The file the conversion must write for these grid points, in this order.
std::string ExpectedFile(const Document& d, const Coordinates& points) {
  std::string text = "東西\t南北\t標高 m\r\n";
  for (const auto& [x, y] : points) {
    const MeshValue v = MeshValueAt(d, x, y);
    if (v.hasValue()) text += SingleText(x) + "\t" + SingleText(y) + "\t" + SingleText(v.z) + "\r\n";
  }
  return text;
}

// The (X, Y) pairs the file lists, read back from its lines.
Coordinates ListedPoints(const std::string& text) {
  Coordinates points;
  std::size_t pos = text.find("\r\n") + 2;
  while (pos < text.size()) {
    const std::size_t end = text.find("\r\n", pos);
    const std::string line = text.substr(pos, end - pos);
    const std::size_t tab1 = line.find('\t'), tab2 = line.find('\t', tab1 + 1);
    points.emplace_back(std::stof(line.substr(0, tab1)), std::stof(line.substr(tab1 + 1, tab2 - tab1 - 1)));
    pos = end + 2;
  }
  return points;
}

GridParameters Grid(double ox, double dx, std::int32_t nx, double oy, double dy, std::int32_t ny) {
  return {ox, dx, nx, oy, dy, ny};
}

TEST(GridConversion, WritesColumnByColumn) {
  const Document d = SquareDocument();
  TempDir dir;
  const std::string path = dir.file("grid.txt");
  ASSERT_FALSE(ConvertToGrid(d, Grid(0, 10, 3, 0, 5, 2), path));
  const std::string text = ReadBytes(path);
  EXPECT_EQ(ListedPoints(text), (Coordinates{{0, 0}, {0, 5}, {10, 0}, {10, 5}, {20, 0}, {20, 5}}));
  EXPECT_EQ(text, ExpectedFile(d, {{0, 0}, {0, 5}, {10, 0}, {10, 5}, {20, 0}, {20, 5}}));
}

TEST(GridConversion, NegativeIntervalRunsTheGridDownwards) {
  const Document d = SquareDocument();
  TempDir dir;
  const std::string path = dir.file("grid.txt");
  ASSERT_FALSE(ConvertToGrid(d, Grid(20, -10, 3, 5, -5, 2), path));
  EXPECT_EQ(ListedPoints(ReadBytes(path)), (Coordinates{{20, 5}, {20, 0}, {10, 5}, {10, 0}, {0, 5}, {0, 0}}));
}

TEST(GridConversion, CountOfZeroOrLessWritesTheHeaderOnly) {
  const Document d = SquareDocument();
  TempDir dir;
  for (const auto& grid : {Grid(0, 10, 0, 0, 5, 2), Grid(0, 10, 3, 0, 5, 0), Grid(0, 10, -4, 0, 5, -1)}) {
    const std::string path = dir.file("grid.txt");
    ASSERT_FALSE(ConvertToGrid(d, grid, path));
    EXPECT_EQ(ReadBytes(path), "東西\t南北\t標高 m\r\n");
  }
}

TEST(GridConversion, PointsOutsideTheMeshAreLeftOut) {
  const Document d = SquareDocument();
  TempDir dir;
  const std::string path = dir.file("grid.txt");
  ASSERT_FALSE(ConvertToGrid(d, Grid(-10, 10, 5, -5, 5, 4), path));
  EXPECT_EQ(ListedPoints(ReadBytes(path)), (Coordinates{{0, 0}, {0, 5}, {10, 0}, {10, 5}, {20, 0}, {20, 5}}));
}

TEST(GridConversion, PointsInExcludedTrianglesAreLeftOut) {
  Document d = SquareDocument();
  d.mesh.hh = {0.0, 0.9, 0.2};
  d.settings.sq = "0.5";
  TempDir dir;
  const std::string path = dir.file("grid.txt");
  ASSERT_FALSE(ConvertToGrid(d, Grid(0, 10, 3, 0, 5, 2), path));
  // The lower-left triangle is excluded; points it shares with the other remain.
  EXPECT_EQ(ListedPoints(ReadBytes(path)), (Coordinates{{0, 5}, {10, 5}, {20, 0}, {20, 5}}));
}

TEST(GridConversion, GridOfManyBlocksIsTheLookUpPointByPoint) {
  // Enough points for blocks on both threads, with a distortion limit and
  // parts off the mesh; the second grid's columns are cut into pieces.
  Document d = SquareDocument();
  const test::ToolMesh t = test::LatticeMesh(30, 4);
  d.mesh = t.mesh;
  d.range = t.range;
  d.settings.sq = "0.7";
  TempDir dir;
  const std::string path = dir.file("grid.txt");
  for (const GridParameters& grid : {Grid(110, -0.7, 170, -5, 0.9, 130), Grid(3, 31, 3, -10, 0.01, 12000),
                                     Grid(3.123456789, 0.7, 150, -5, 0.9, 130)}) {
    std::string expected = "東西\t南北\t標高 m\r\n";
    for (std::int64_t i = 1; i <= grid.countX; ++i) {
      for (std::int64_t j = 1; j <= grid.countY; ++j) {
        const GridCoordinateValue x = GridCoordinate(grid.originX, grid.intervalX, i);
        const GridCoordinateValue y = GridCoordinate(grid.originY, grid.intervalY, j);
        const MeshValue v = MeshValueAt(d.mesh, d.range, ReadDistortionLimit(d.settings), x.value, y.value);
        if (!v.hasValue()) continue;
        char xText[kGridCoordinateRoom], yText[kGridCoordinateRoom];
        expected += std::string(xText, static_cast<std::size_t>(FormatGridCoordinate(x, xText))) + "\t" +
                    std::string(yText, static_cast<std::size_t>(FormatGridCoordinate(y, yText))) + "\t" +
                    SingleText(v.z) + "\r\n";
      }
    }
    ASSERT_FALSE(ConvertToGrid(d, grid, path));
    EXPECT_EQ(ReadBytes(path), expected);
  }
}

// The X column's texts, one per grid column, in the file's order.
std::vector<std::string> XTexts(const std::string& text) {
  std::vector<std::string> xs;
  for (std::size_t pos = text.find("\r\n") + 2; pos < text.size(); pos = text.find("\r\n", pos) + 2) {
    std::string x = text.substr(pos, text.find('\t', pos) - pos);
    if (xs.empty() || xs.back() != x) xs.push_back(std::move(x));
  }
  return xs;
}

TEST(GridConversion, CoordinatesNeedingMoreThanSevenDigitsKeepThem) {
  struct Case {
    double origin, interval;
    bool wide;  // the coordinates need more than 7 significant digits
  };
  const std::vector<Case> table{
      {4100010.1, 0.5, true},  // survey coordinates: 7 digits would say 4100010, 4100011, 4100011, ...
      {-35512.25, 0.1, true},  // a plane rectangular northing at 0.1 steps
      {0.1, 0.1, false},       // ordinary data: single precision and 7 digits, as ever
      {12.5, 2.5, false},
  };
  for (const Case& c : table) {
    SCOPED_TRACE(c.origin);
    constexpr std::int32_t kColumns = 9;
    Document d = SquareDocument();
    d.range.xMin = c.origin - 1;
    d.range.xMax = c.origin + kColumns * c.interval + 1;
    TempDir dir;
    ASSERT_FALSE(ConvertToGrid(d, Grid(c.origin, c.interval, kColumns, 0, 5, 2), dir.file("grid.txt")));
    const std::vector<std::string> xs = XTexts(ReadBytes(dir.file("grid.txt")));
    ASSERT_EQ(xs.size(), static_cast<std::size_t>(kColumns));
    for (std::size_t k = 0; k < xs.size(); ++k) {
      const double exact = c.origin + static_cast<double>(k) * c.interval;
      if (c.wide) {
        EXPECT_NEAR(std::stod(xs[k]), exact, 1e-9) << xs[k];
      } else {
        EXPECT_EQ(xs[k], SingleText(static_cast<float>(exact)));
      }
    }
  }
}

TEST(GridConversion, EveryLineEndsWithCrLf) {
  const Document d = SquareDocument();
  TempDir dir;
  const std::string path = dir.file("grid.txt");
  ASSERT_FALSE(ConvertToGrid(d, Grid(0, 0.5, 41, 0, 0.25, 21), path));
  const std::string text = ReadBytes(path);
  ASSERT_GE(text.size(), 2u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(text.find("\r\n\r\n"), std::string::npos);
  std::size_t lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++lines;
      ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare line feed at " << i;
    } else if (text[i] == '\r') {
      ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare carriage return at " << i;
    }
  }
  EXPECT_EQ(lines, 1u + 41u * 21u);  // the whole grid lies on the mesh
}

// Records what the conversion reports, and stops it on request.
struct RecordingProgress : ProgressSink {
  std::string label;
  std::vector<double> values;
  int closed = 0;
  void prepare(std::string_view text) override { label = text; }
  void update(double value) override { values.push_back(value); }
  void close() override { ++closed; }
};

TEST(GridConversion, ReportsProgressFromStartToEnd) {
  const Document d = SquareDocument();
  TempDir dir;
  RecordingProgress progress;
  ASSERT_FALSE(ConvertToGrid(d, Grid(0, 0.1, 201, 0, 0.1, 51), dir.file("grid.txt"), progress));
  EXPECT_EQ(progress.label, kGridProgressLabel);
  EXPECT_EQ(progress.closed, 1);
  ASSERT_GE(progress.values.size(), 2u);
  EXPECT_TRUE(std::is_sorted(progress.values.begin(), progress.values.end()));
  EXPECT_GT(progress.values.front(), 0.0);
  EXPECT_LE(progress.values.back(), 100.0);
}

TEST(GridConversion, CancelledConversionLeavesNoFileAndKeepsAnOldOne) {
  const Document d = SquareDocument();
  TempDir dir;
  const std::string fresh = dir.file("fresh.txt");
  const std::string old = dir.write("old.txt", "what was there\r\n");
  for (const std::string& path : {fresh, old}) {
    RecordingProgress progress;
    int asked = 0;
    const WriteOutcome result =
        ConvertToGrid(d, Grid(0, 0.1, 201, 0, 0.1, 51), path, progress, [&] { return ++asked == 2; });
    ASSERT_TRUE(result);
    EXPECT_EQ(result->kind, FailureKind::Cancelled);
    EXPECT_EQ(result->message, kGridCancelled);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(progress.closed, 1);
  }
  EXPECT_FALSE(std::filesystem::exists(fresh));
  EXPECT_EQ(ReadBytes(old), "what was there\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// Limits the size of files this process may write, for the life of the object.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit then fails with EFBIG
    ::getrlimit(RLIMIT_FSIZE, &m_saved);
    rlimit limited = m_saved;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_saved); }

 private:
  rlimit m_saved{};
};

TEST(GridConversion, FailedWriteReportsAnErrorAndKeepsTheOldFile) {
  const Document d = SquareDocument();
  TempDir dir;
  const std::string old = dir.write("old.txt", "what was there\r\n");
  WriteOutcome result;
  {
    const FileSizeLimit limit(1000);
    result = ConvertToGrid(d, Grid(0, 0.1, 201, 0, 0.1, 51), old);
  }
  ASSERT_TRUE(result);
  EXPECT_EQ(result->kind, FailureKind::WriteFailed);
  EXPECT_EQ(ReadBytes(old), "what was there\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(GridConversion, MissingFolderIsAnError) {
  const Document d = SquareDocument();
  TempDir dir;
  const WriteOutcome result = ConvertToGrid(d, Grid(0, 10, 3, 0, 5, 2), dir.file("no/such/grid.txt"));
  ASSERT_TRUE(result);
  EXPECT_EQ(result->kind, FailureKind::WriteFailed);
}

}  // namespace
}  // namespace plotvane
