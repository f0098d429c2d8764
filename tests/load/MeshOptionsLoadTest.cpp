// The mesh options on the load road: the isotropic scale and breaklines, and
// that everything mapping the mesh back to data units follows the scale.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "common/Messages.h"
#include "contours/ContourExport.h"
#include "contours/TinSurface.h"
#include "load/OpenDataFile.h"
#include "support/PointGenerators.h"
#include "support/TempDir.h"
#include "tools/MeshValueAt.h"

namespace plotvane {
namespace {

using test::TempDir;

double Corridor(double x, double y) { return 10 * std::sin(x / 40) + 5 * std::cos(y / 9); }

// A corridor 2000 long and 50 wide with a surface as curved across as along.
std::string CorridorFile(TempDir& dir) {
  std::mt19937 random(5);
  std::uniform_real_distribution<double> along(0, 2000), across(0, 50);
  test::Points points;
  for (int i = 0; i < 3000; ++i) {
    const double x = along(random), y = across(random);
    points.add(x, y, Corridor(x, y));
  }
  return dir.write("corridor.txt", test::DataFileText(points));
}

double RmsError(const Document& doc) {
  std::mt19937 random(11);
  std::uniform_real_distribution<double> along(100, 1900), across(5, 45);
  double sum = 0;
  int count = 0;
  for (int i = 0; i < 2000; ++i) {
    const double x = along(random), y = across(random);
    const MeshValue v = MeshValueAt(doc.mesh, doc.range, DistortionLimit{}, x, y);
    if (!v.hasValue()) continue;
    sum += std::pow(v.z - Corridor(x, y), 2);
    ++count;
  }
  EXPECT_GT(count, 1900);
  return std::sqrt(sum / count);
}

TEST(MeshOptionsLoad, IsotropicMeshInterpolatesACorridorBetter) {
  TempDir dir;
  const std::string path = CorridorFile(dir);
  Document plain, isotropic;
  ASSERT_EQ(OpenDataFile(path, plain, NullProgress()), LoadStatus::Meshed);
  MeshOptions options;
  options.isotropic = true;
  ASSERT_EQ(OpenDataFile(path, isotropic, NullProgress(), {}, {}, options), LoadStatus::Meshed);
  EXPECT_EQ(plain.points.nn, isotropic.points.nn);
  const double plainError = RmsError(plain), isotropicError = RmsError(isotropic);
  EXPECT_LT(isotropicError, 0.5 * plainError) << plainError << " " << isotropicError;

  // The export maps every mesh point back onto its data point.
  const TinSurface tin = TinSurfaceOf(isotropic);
  ASSERT_EQ(static_cast<PointIndex>(tin.points.size()), isotropic.points.nn);
  double worst = 0;
  for (const auto& p : tin.points) worst = std::max(worst, std::fabs(Corridor(p.x, p.y) - p.z));
  EXPECT_LT(worst, 1e-9);
}

TEST(MeshOptionsLoad, BreaklinesAddPointsAndReplaceHeights) {
  TempDir dir;
  const std::string path = dir.write("a.txt", "X\tY\tZ\n0\t0\t0\n100\t0\t10\n0\t100\t20\n100\t100\t30\n50\t50\t15\n");
  MeshOptions options;
  options.breaklineFile = "lines.txt";
  SiteShape line;
  line.vertices = {{50, 50, 99}, {10, 80}, {90, 80, 40}};
  options.breaklines.shapes.push_back(line);
  Document doc;
  ASSERT_EQ(OpenDataFile(path, doc, NullProgress(), {}, {}, options), LoadStatus::Meshed);
  EXPECT_EQ(doc.points.nn, 7);
  EXPECT_EQ(doc.points.dataZ[5], 99.0);  // the vertex on the fifth point
  EXPECT_EQ(doc.points.dataX[6], 10.0);
  EXPECT_NEAR(doc.points.dataZ[6], 0.1 * 10 + 0.2 * 80, 1e-9);  // the plane through the points
  EXPECT_EQ(doc.points.dataZ[7], 40.0);
  EXPECT_EQ(doc.range.zMax, 99.0);
  EXPECT_EQ(doc.mesh.nt, 2 * 7 - 4 - 2);
  EXPECT_NE(doc.survey.loadNote.find("点を 2 個加え、1 個の点の Z"), std::string::npos) << doc.survey.loadNote;

  options.breaklines.shapes[0].vertices.push_back({150, 50});
  options.breaklines.shapes[0].where = "3 行目";
  ASSERT_EQ(OpenDataFile(path, doc, NullProgress(), {}, {}, options), LoadStatus::BadBreaklines);
  EXPECT_EQ(doc.errMsg, messages::kBadBreaklines);
  EXPECT_EQ(doc.errDetail, "lines.txt: 3 行目 の 4 番目の頂点がデータの範囲 (メッシュ) の外にあります。");
  EXPECT_EQ(doc.mesh.nt, 0);
}

// The contour segments that cross the line y = 50 between x = 5 and 95.
int CrossingsOfTheRidge(const Document& doc) {
  int crossings = 0;
  for (const ContourLevel& level : BuildContourSet(doc, doc.settings, false).levels) {
    for (const ContourLine& line : level.lines) {
      const std::size_t n = line.points.size();
      for (std::size_t i = 0; i + 1 < n + (line.closed ? 1 : 0); ++i) {
        const ContourPoint a = line.points[i], b = line.points[(i + 1) % n];
        if ((a.y - 50) * (b.y - 50) >= 0) continue;
        const double x = a.x + (b.x - a.x) * (50 - a.y) / (b.y - a.y);
        crossings += x > 5 && x < 95;
      }
    }
  }
  return crossings;
}

TEST(MeshOptionsLoad, ContourLinesDoNotCrossABreakline) {
  // A ridge along y = 50 whose crest no point samples.
  std::mt19937 random(3);
  std::uniform_real_distribution<double> coordinate(0, 100);
  test::Points points;
  for (int i = 0; i < 400; ++i) {
    const double x = coordinate(random), y = coordinate(random);
    points.add(x, y, 90 - 2 * std::fabs(y - 50));
  }
  TempDir dir;
  const std::string path = dir.write("ridge.txt", test::DataFileText(points));
  MeshOptions options;
  SiteShape crest;
  for (int x = 5; x <= 95; x += 10) crest.vertices.push_back({static_cast<double>(x), 50, 93});
  options.breaklines.shapes.push_back(crest);
  for (const bool withCrest : {false, true}) {
    Document doc;
    ASSERT_EQ(OpenDataFile(path, doc, NullProgress(), {}, {}, withCrest ? options : MeshOptions{}), LoadStatus::Meshed);
    doc.settings.Z1 = "0";
    doc.settings.Z2 = "100";
    doc.settings.n = "20";  // no level at the crest's 93
    if (withCrest) {
      EXPECT_EQ(CrossingsOfTheRidge(doc), 0);
    } else {
      EXPECT_GT(CrossingsOfTheRidge(doc), 0) << "the case must show what the breakline prevents";
    }
  }
}

TEST(MeshOptionsLoad, CrossingBreaklinesMeetAtAVertexWithTheFirstLinesHeight) {
  TempDir dir;
  // X and Y from 0 to 100: the mesh's coordinates are the data's.
  const std::string path = dir.write("a.txt", "X\tY\tZ\n0\t0\t0\n100\t0\t10\n0\t100\t20\n100\t100\t30\n30\t60\t15\n");
  MeshOptions options;
  SiteShape first, second;
  first.vertices = {{10, 10, 0}, {90, 90, 80}};
  second.vertices = {{10, 90}, {90, 10}};
  options.breaklines.shapes = {first, second};
  Document doc;
  ASSERT_EQ(OpenDataFile(path, doc, NullProgress(), {}, {}, options), LoadStatus::Meshed) << doc.errDetail;
  EXPECT_NE(doc.survey.loadNote.find("交差 1 箇所"), std::string::npos) << doc.survey.loadNote;
  const Mesh& m = doc.mesh;
  const auto at = [&m](double x, double y) {
    for (PointIndex i = 1; i < static_cast<PointIndex>(m.meshX.size()); ++i) {
      if (std::fabs(m.meshX[i] - x) < 1e-9 && std::fabs(m.meshY[i] - y) < 1e-9) return i;
    }
    return PointIndex{0};
  };
  const PointIndex crossing = at(50, 50);
  ASSERT_NE(crossing, 0);
  // The first line's height halfway along it.
  EXPECT_NEAR(doc.range.zMin + (doc.range.zMax - doc.range.zMin) * m.meshZ[crossing] / 100, 40, 1e-9);
  // Each half of both lines is an edge of the mesh.
  const auto hasEdge = [&m](PointIndex a, PointIndex b) {
    for (TriangleIndex k = 1; k <= m.nt; ++k) {
      for (int e = 0; e < 3; ++e) {
        const std::int32_t u = m.ipt[3 * k - 2 + e], v = m.ipt[3 * k - 2 + (e + 1) % 3];
        if ((u == a && v == b) || (u == b && v == a)) return true;
      }
    }
    return false;
  };
  for (const auto& [x, y] : {std::pair{10.0, 10.0}, {90.0, 90.0}, {10.0, 90.0}, {90.0, 10.0}}) {
    EXPECT_TRUE(hasEdge(crossing, at(x, y))) << x << ", " << y;
  }
}

}  // namespace
}  // namespace plotvane
