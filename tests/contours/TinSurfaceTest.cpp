// The TIN surface read back: the LandXML file by a small reader of its own,
// interpolated linearly over its faces and compared with the value look-up
// of the mesh; the DXF by GDAL, face by face against the LandXML.

#include <gdal_priv.h>
#include <gtest/gtest.h>
#include <ogrsf_frmts.h>

#include <map>
#include <optional>
#include <random>
#include <regex>

#include "contours/ContourTestSupport.h"
#include "contours/TinSurface.h"
#include "support/TempDir.h"
#include "tools/MeshValueAt.h"

namespace plotvane {
namespace {

using test::TempDir;

struct ReadTin {
  std::map<int, std::array<double, 3>> points;  // id -> x (east), y (north), z
  std::vector<std::array<int, 3>> faces;
};

ReadTin ReadLandXml(const std::string& text) {
  ReadTin tin;
  const std::regex point(R"re(<P id="(\d+)">(\S+) (\S+) (\S+)</P>)re");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), point); it != std::sregex_iterator(); ++it) {
    // North first.
    tin.points[std::stoi((*it)[1])] = {std::stod((*it)[3]), std::stod((*it)[2]), std::stod((*it)[4])};
  }
  const std::regex face(R"re(<F>(\d+) (\d+) (\d+)</F>)re");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), face); it != std::sregex_iterator(); ++it) {
    tin.faces.push_back({std::stoi((*it)[1]), std::stoi((*it)[2]), std::stoi((*it)[3])});
  }
  return tin;
}

// The linear interpolation of the face that holds (x, y), none outside all.
std::optional<double> InterpolateOnFaces(const ReadTin& tin, double x, double y) {
  for (const auto& face : tin.faces) {
    const auto& a = tin.points.at(face[0]);
    const auto& b = tin.points.at(face[1]);
    const auto& c = tin.points.at(face[2]);
    const double area = (b[0] - a[0]) * (c[1] - a[1]) - (c[0] - a[0]) * (b[1] - a[1]);
    const double u = ((b[0] - x) * (c[1] - y) - (c[0] - x) * (b[1] - y)) / area;
    const double v = ((c[0] - x) * (a[1] - y) - (a[0] - x) * (c[1] - y)) / area;
    const double w = 1 - u - v;
    if (u >= -1e-9 && v >= -1e-9 && w >= -1e-9) return u * a[2] + v * b[2] + w * c[2];
  }
  return std::nullopt;
}

TEST(TinSurface, LandXmlFacesReproduceTheDrawnSurface) {
  // Random distortions: the limit leaves out about half of the triangles.
  const Document doc = test::ContourDocument(test::LatticeMesh(9, 41), "6", "0.5");
  const TempDir dir;
  ASSERT_FALSE(WriteTinSurface(TinSurfaceOf(doc), dir.file("s.xml"), TinFormat::LandXml, "s", {6677}));
  const std::string text = test::ReadBytes(dir.file("s.xml"));
  EXPECT_NE(text.find(R"re(horizontalDatum="JGD2011" horizontalCoordinateSystemName="9(X,Y)")re"), std::string::npos);
  const ReadTin tin = ReadLandXml(text);
  ASSERT_GT(tin.faces.size(), 20u);
  ASSERT_LT(tin.faces.size(), static_cast<std::size_t>(doc.mesh.nt));
  std::mt19937 random(5);
  std::uniform_real_distribution<float> coordinate(-5, 105);
  int inside = 0;
  for (int i = 0; i < 2000; ++i) {
    const float x = coordinate(random), y = coordinate(random);
    const MeshValue value = MeshValueAt(doc, x, y);
    const std::optional<double> z = InterpolateOnFaces(tin, x, y);
    ASSERT_EQ(z.has_value(), value.hasValue()) << x << " " << y;
    if (z) {
      EXPECT_NEAR(*z, value.z, 1e-4);
    }
    inside += z ? 1 : 0;
  }
  EXPECT_GT(inside, 200);
}

TEST(TinSurface, DxfHoldsTheLandXmlFacesAndNoSystemMeansNoElement) {
  const Document doc = test::ContourDocument(test::LatticeMesh(7, 3), "6", "0.7");
  const TinSurface surface = TinSurfaceOf(doc);
  const TempDir dir;
  ASSERT_FALSE(WriteTinSurface(surface, dir.file("s.xml"), TinFormat::LandXml, "s", {}));
  ASSERT_FALSE(WriteTinSurface(surface, dir.file("s.dxf"), TinFormat::Dxf, "s", {}));
  const std::string text = test::ReadBytes(dir.file("s.xml"));
  EXPECT_EQ(text.find("CoordinateSystem"), std::string::npos);
  const ReadTin tin = ReadLandXml(text);
  GDALAllRegister();
  CPLPushErrorHandler(CPLQuietErrorHandler);  // GDAL finds a 3DFACE's ring open
  const GDALDatasetUniquePtr dxf(GDALDataset::Open(dir.file("s.dxf").c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
  ASSERT_TRUE(dxf);
  OGRLayer* layer = dxf->GetLayer(0);
  ASSERT_EQ(layer->GetFeatureCount(), static_cast<GIntBig>(tin.faces.size()));
  std::size_t f = 0;
  for (const auto& feature : *layer) {
    EXPECT_STREQ(feature->GetFieldAsString("Layer"), "TIN");
    const OGRLinearRing* ring = feature->GetGeometryRef()->toPolygon()->getExteriorRing();
    for (int corner = 0; corner < 3; ++corner) {
      const auto& p = tin.points.at(tin.faces[f][static_cast<std::size_t>(corner)]);
      EXPECT_EQ(ring->getX(corner), p[0]);
      EXPECT_EQ(ring->getY(corner), p[1]);
      EXPECT_EQ(ring->getZ(corner), p[2]);
    }
    ++f;
  }
  CPLPopErrorHandler();
}

}  // namespace
}  // namespace plotvane
