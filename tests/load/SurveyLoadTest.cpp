// The load road with a designed surface: its own triangles become the mesh,
// not the Delaunay mesh of its points.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "load/OpenDataFile.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

// Four corners of a long rhombus. The Delaunay mesh joins the short
// diagonal (north-south, 1-3); the design joins the long one (2-4).
constexpr const char* kRhombus =
    "<?xml version=\"1.0\"?>\n<LandXML version=\"1.2\"><Surfaces><Surface name=\"Ridge\"><Definition>\n"
    "<Pnts><P id=\"1\">0 50 10</P><P id=\"2\">10 0 20</P><P id=\"3\">20 50 10</P><P id=\"4\">10 100 20</P></Pnts>\n"
    "<Faces><F>1 2 4</F><F>2 3 4</F></Faces>\n"
    "</Definition></Surface></Surfaces></LandXML>\n";

// Twice the signed area in the mesh's plane, negative when clockwise.
double Area(const Mesh& m, TriangleIndex k) {
  const auto p = [&](int c) { return static_cast<std::size_t>(m.ipt[static_cast<std::size_t>(3 * k - 2 + c)]); };
  return (m.meshX[p(1)] - m.meshX[p(0)]) * (m.meshY[p(2)] - m.meshY[p(0)]) -
         (m.meshX[p(2)] - m.meshX[p(0)]) * (m.meshY[p(1)] - m.meshY[p(0)]);
}

TEST(OpenSurvey, DesignedSurfaceKeepsItsTrianglesClockwise) {
  test::TempDir dir;
  Document doc;
  ASSERT_EQ(OpenDataFile(dir.write("ridge.xml", kRhombus), doc, NullProgress()), LoadStatus::Meshed) << doc.errDetail;
  const Mesh& m = doc.mesh;
  ASSERT_EQ(m.nt, 2);
  for (TriangleIndex k = 1; k <= 2; ++k) {
    EXPECT_LT(Area(m, k), 0) << k;
    // Both triangles hold the long diagonal, points 2 and 4 (file order kept).
    const std::vector<std::int32_t> corners(m.ipt.begin() + 3 * k - 2, m.ipt.begin() + 3 * k + 1);
    EXPECT_NE(std::find(corners.begin(), corners.end(), 2), corners.end()) << k;
    EXPECT_NE(std::find(corners.begin(), corners.end(), 4), corners.end()) << k;
  }
  // Independently: point 3 lies inside the circle through 1, 2 and 4, so a
  // Delaunay mesh would not have these triangles.
  const auto& x = doc.points.dataX;
  const auto& y = doc.points.dataY;
  const double ax = x[1] - x[3], ay = y[1] - y[3], bx = x[2] - x[3], by = y[2] - y[3], cx = x[4] - x[3],
               cy = y[4] - y[3];
  const double inCircle = (ax * ax + ay * ay) * (bx * cy - cx * by) - (bx * bx + by * by) * (ax * cy - cx * ay) +
                          (cx * cx + cy * cy) * (ax * by - bx * ay);
  const double turn = (x[2] - x[1]) * (y[4] - y[1]) - (x[4] - x[1]) * (y[2] - y[1]);
  EXPECT_GT(inCircle * turn, 0);  // inside, whichever way 1, 2, 4 turn
  EXPECT_EQ(static_cast<TriangleIndex>(m.hh.size()), m.nt + 1);
  EXPECT_TRUE(doc.drawable());

  // A text file loaded next meshes by Delaunay again.
  ASSERT_EQ(OpenDataFile(dir.write("next.txt", "X Y Z\r\n0 0 1\r\n100 0 2\r\n50 100 3\r\n"), doc, NullProgress()),
            LoadStatus::Meshed);
  EXPECT_TRUE(doc.survey.faces.empty());
  EXPECT_EQ(doc.mesh.nt, 1);
}

}  // namespace
}  // namespace plotvane
