// The GIS files read back by GDAL as an independent reader: their layers,
// counts, coordinate systems and coordinates; the GeoTIFF against the ESRI
// grid cell for cell; the band polygons' validity by GEOS; and the staging
// that leaves the old files alone when a write cannot complete.

#include <gdal_priv.h>
#include <gtest/gtest.h>
#include <ogr_api.h>
#include <ogrsf_frmts.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <random>
#include <regex>

#include "contours/AsciiGrid.h"
#include "contours/ContourExport.h"
#include "contours/ContourTestSupport.h"
#include "contours/GeoTiffGrid.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

using test::TempDir;

constexpr CoordinateSystem kZone9{6677};

GDALDatasetUniquePtr OpenWithGdal(const std::string& path, unsigned kind) {
  GDALAllRegister();
  return GDALDatasetUniquePtr(GDALDataset::Open(path.c_str(), kind | GDAL_OF_READONLY));
}

// Whether the layer's system is the EPSG code's (0: the layer has none, or
// GeoPackage's undefined Cartesian system).
bool HasSystem(OGRLayer& layer, std::int32_t epsg) {
  const OGRSpatialReference* reference = layer.GetSpatialRef();
  const char* code = reference != nullptr ? reference->GetAuthorityCode(nullptr) : nullptr;
  if (epsg == 0) return code == nullptr;
  return code != nullptr && std::string(reference->GetAuthorityName(nullptr)) == "EPSG" && std::atoi(code) == epsg;
}

// Longitude and latitude of a point of zone IX near its origin (36 N, 139 50 E),
// from the transverse Mercator's first-order terms on GRS 80: within 100 m of
// the origin the neglected terms stay below 1e-9 degrees.
std::pair<double, double> NearOriginOfZone9(double east, double north) {
  const double a = 6378137.0, f = 1 / 298.257222101, k0 = 0.9999;
  const double e2 = f * (2 - f), phi = 36.0 * std::numbers::pi / 180;
  const double w = 1 - e2 * std::sin(phi) * std::sin(phi);
  const double n = a / std::sqrt(w), m = a * (1 - e2) / (w * std::sqrt(w));
  const double degrees = 180 / std::numbers::pi;
  return {139.0 + 50.0 / 60 + east / (k0 * n * std::cos(phi)) * degrees, 36.0 + north / (k0 * m) * degrees};
}

struct GisCase {
  const char* file;
  CoordinateSystem system;
  const char* lines;  // the layers' names
  const char* bands;
  std::int32_t layerEpsg;  // the system the reader finds
  bool lonLat;             // coordinates transformed to WGS 84
};

TEST(GisFiles, LayersSystemsAndCoordinatesReadBackInGdal) {
  // The lattice spans 0..100 in both axes: in zone IX, a square by its origin.
  const Document doc = test::ContourDocument(test::LatticeMesh(9, 41), "6", "0.8");
  const ContourSet set = BuildContourSet(doc, doc.settings, true);
  ASSERT_FALSE(set.bands.empty());
  const ContourPoint first = set.levels.front().lines.front().points.front();
  const std::vector<GisCase> table{
      {"c.gpkg", {}, "contours", "bands", 0, false},  {"c.gpkg", kZone9, "contours", "bands", 6677, false},
      {"c.shp", kZone9, "c", "c_bands", 6677, false}, {"c.kml", kZone9, "contours", "bands", 4326, true},
      {"c.geojson", kZone9, "c", "", 4326, true},
  };
  for (const GisCase& c : table) {
    SCOPED_TRACE(std::string(c.file) + " EPSG " + std::to_string(c.system.epsg));
    const TempDir dir;
    ASSERT_FALSE(WriteContourFile(set, dir.file(c.file), {true, c.system}));
    const std::string bandsFile = std::string(c.file) == "c.shp" ? "c_bands.shp" : c.file;
    const auto lines = OpenWithGdal(dir.file(c.file), GDAL_OF_VECTOR);
    ASSERT_TRUE(lines);
    OGRLayer* lineLayer = lines->GetLayerByName(c.lines);
    ASSERT_NE(lineLayer, nullptr);
    EXPECT_TRUE(HasSystem(*lineLayer, c.layerEpsg));
    // GeoJSON keeps lines and bands in one collection.
    const std::size_t bandsInLineLayer = *c.bands == 0 ? set.bands.size() : 0;
    EXPECT_EQ(lineLayer->GetFeatureCount(), static_cast<GIntBig>(set.levels.size() + bandsInLineLayer));
    if (*c.bands != 0) {
      const auto bands = OpenWithGdal(dir.file(bandsFile), GDAL_OF_VECTOR);
      OGRLayer* bandLayer = bands ? bands->GetLayerByName(c.bands) : nullptr;
      ASSERT_NE(bandLayer, nullptr);
      EXPECT_EQ(bandLayer->GetFeatureCount(), static_cast<GIntBig>(set.bands.size()));
      EXPECT_TRUE(HasSystem(*bandLayer, c.layerEpsg));
    }
    // The first level's first point, as written.
    lineLayer->ResetReading();
    const OGRFeatureUniquePtr feature(lineLayer->GetNextFeature());
    ASSERT_TRUE(feature);
    // Shapefile and KML keep 15 decimals.
    EXPECT_NEAR(feature->GetFieldAsDouble("level"), set.levels.front().value, 1e-12);
    const OGRGeometry* geometry = feature->GetGeometryRef();
    const OGRLineString* line = wkbFlatten(geometry->getGeometryType()) == wkbLineString
                                    ? geometry->toLineString()
                                    : geometry->toMultiLineString()->getGeometryRef(0);
    const auto [x, y] = c.lonLat ? NearOriginOfZone9(first.x, first.y) : std::pair{first.x, first.y};
    EXPECT_NEAR(line->getX(0), x, c.lonLat ? 1e-8 : 0.0);
    EXPECT_NEAR(line->getY(0), y, c.lonLat ? 1e-8 : 0.0);
  }
}

TEST(GisFiles, ShapefileSaysItsEncodingAndKmlNamesLevels) {
  const Document doc = test::ContourDocument(test::LatticeMesh(9, 41), "6", "0.8");
  const ContourSet set = BuildContourSet(doc, doc.settings, false);
  const TempDir dir;
  ASSERT_FALSE(WriteContourFile(set, dir.file("c.shp"), {false, {}}));
  EXPECT_EQ(test::ReadBytes(dir.file("c.cpg")), "UTF-8");
  EXPECT_FALSE(std::filesystem::exists(dir.file("c.prj")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("c_bands.shp")));
  ASSERT_FALSE(WriteContourFile(set, dir.file("c.kml"), {false, kZone9}));
  const std::string kml = test::ReadBytes(dir.file("c.kml"));
  std::vector<double> names, levels;
  const std::regex placemarkName("<Placemark>\\s*<name>([^<]*)</name>");
  for (auto it = std::sregex_iterator(kml.begin(), kml.end(), placemarkName); it != std::sregex_iterator(); ++it) {
    names.push_back(std::stod((*it)[1]));
  }
  for (const ContourLevel& level : set.levels) levels.push_back(level.value);
  EXPECT_EQ(names, levels);
  // KML is always WGS 84: without a system to transform from it is refused.
  const WriteOutcome refused = WriteContourFile(set, dir.file("none.kml"), {false, {}});
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->kind, FailureKind::Usage);
  EXPECT_FALSE(std::filesystem::exists(dir.file("none.kml")));
}

// A lattice of random heights in whole tens, so that many vertices lie
// exactly on the levels of ten bands.
Document LevelledLattice(std::uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<test::MeshVertex> vertices;
  std::vector<std::array<int, 3>> triangles;
  constexpr int kSide = 14;
  for (int i = 0; i < kSide; ++i) {
    for (int j = 0; j < kSide; ++j) {
      vertices.push_back({100.0 * i / (kSide - 1), 100.0 * j / (kSide - 1), 10.0 * static_cast<double>(random() % 11)});
      if (i == 0 || j == 0) continue;
      const int a = (i - 1) * kSide + j - 1, b = a + 1, c = a + kSide, d = c + 1;
      triangles.push_back({a, b, d});
      triangles.push_back({a, d, c});
    }
  }
  return test::ContourDocument(vertices, triangles, "10");
}

TEST(GisFiles, EveryBandPolygonIsValidAndCounterClockwise) {
  // Random heights on lattices: saddles and vertices where a band touches
  // itself, which a ring may not do in OGC simple features; and vertices
  // lying on levels.
  std::vector<std::pair<std::string, Document>> documents;
  for (const std::uint32_t seed : {3u, 5u, 7u, 11u, 99u}) {
    documents.emplace_back("levelled " + std::to_string(seed), LevelledLattice(seed));
    for (const char* n : {"9", "31"}) {
      documents.emplace_back("seed " + std::to_string(seed) + " n " + n,
                             test::ContourDocument(test::LatticeMesh(14, seed), n, seed % 2 ? "0.8" : ""));
    }
  }
  int bands = 0;
  for (const auto& [name, doc] : documents) {
    const ContourSet set = BuildContourSet(doc, doc.settings, true);
    const TempDir dir;
    ASSERT_FALSE(WriteContourFile(set, dir.file("c.gpkg"), {true, {}}));
    const auto data = OpenWithGdal(dir.file("c.gpkg"), GDAL_OF_VECTOR);
    OGRLayer* layer = data->GetLayerByName("bands");
    ASSERT_NE(layer, nullptr);
    for (const auto& feature : *layer) {
      ++bands;
      OGRGeometry* geometry = feature->GetGeometryRef();
      EXPECT_TRUE(OGR_G_IsValid(OGRGeometry::ToHandle(geometry)))
          << name << " band " << feature->GetFieldAsInteger("band");
      for (const OGRPolygon* polygon : *geometry->toMultiPolygon()) {
        EXPECT_FALSE(polygon->getExteriorRing()->isClockwise());
        for (int h = 0; h < polygon->getNumInteriorRings(); ++h) {
          EXPECT_TRUE(polygon->getInteriorRing(h)->isClockwise());
        }
      }
    }
  }
  EXPECT_GT(bands, 100);
}

struct RasterCase {
  const char* name;
  GridParameters grid;
  const char* sq;
};

TEST(GisFiles, GeoTiffHoldsTheCellsAndValuesOfTheAsciiGrid) {
  const std::vector<RasterCase> table{
      {"square", {-5, 10, 12, -5, 10, 12}, ""},
      {"reversed axes", {105, -7.5, 15, 0, 6, 18}, ""},
      {"cells not square, distortion limit", {0, 4, 26, 100, -2.5, 41}, "0.3"},
  };
  for (const RasterCase& c : table) {
    SCOPED_TRACE(c.name);
    Document doc = test::ContourDocument(test::LatticeMesh(9, 41), "6", c.sq);
    const TempDir dir;
    ASSERT_FALSE(ConvertToAsciiGrid(doc, c.grid, dir.file("g.asc")));
    ASSERT_FALSE(ConvertToGeoTiff(doc, c.grid, dir.file("g.tif"), kZone9));
    const auto asc = OpenWithGdal(dir.file("g.asc"), GDAL_OF_RASTER);
    const auto tif = OpenWithGdal(dir.file("g.tif"), GDAL_OF_RASTER);
    ASSERT_TRUE(asc && tif);
    ASSERT_EQ(tif->GetRasterXSize(), asc->GetRasterXSize());
    ASSERT_EQ(tif->GetRasterYSize(), asc->GetRasterYSize());
    EXPECT_EQ(tif->GetRasterBand(1)->GetRasterDataType(), GDT_Float32);
    double a[6], t[6];
    asc->GetGeoTransform(a);
    tif->GetGeoTransform(t);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(t[i], a[i]) << i;
    EXPECT_EQ(tif->GetRasterBand(1)->GetNoDataValue(), asc->GetRasterBand(1)->GetNoDataValue());
    ASSERT_NE(tif->GetSpatialRef(), nullptr);
    EXPECT_STREQ(tif->GetSpatialRef()->GetAuthorityCode(nullptr), "6677");
    const int cells = asc->GetRasterXSize() * asc->GetRasterYSize();
    std::vector<float> av(static_cast<std::size_t>(cells)), tv(av.size());
    ASSERT_EQ(asc->GetRasterBand(1)->RasterIO(GF_Read, 0, 0, asc->GetRasterXSize(), asc->GetRasterYSize(), av.data(),
                                              asc->GetRasterXSize(), asc->GetRasterYSize(), GDT_Float32, 0, 0),
              CE_None);
    ASSERT_EQ(tif->GetRasterBand(1)->RasterIO(GF_Read, 0, 0, tif->GetRasterXSize(), tif->GetRasterYSize(), tv.data(),
                                              tif->GetRasterXSize(), tif->GetRasterYSize(), GDT_Float32, 0, 0),
              CE_None);
    EXPECT_EQ(tv, av);
  }
}

TEST(GisFiles, AFailedWriteLeavesEveryOldFileAndNoStagingFolder) {
  const Document doc = test::ContourDocument(test::LatticeMesh(9, 41), "6");
  const ContourSet set = BuildContourSet(doc, doc.settings, true);
  const TempDir dir;
  const std::string old = dir.write("c.shp", "old");
  // The bands' shapefile cannot replace a folder: nothing is replaced.
  std::filesystem::create_directory(dir.file("c_bands.shp"));
  const WriteOutcome failure = WriteContourFile(set, old, {true, kZone9});
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->kind, FailureKind::WriteFailed);
  EXPECT_NE(failure->message.find("c_bands.shp"), std::string::npos) << failure->message;
  EXPECT_EQ(test::ReadBytes(old), "old");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"c.shp", "c_bands.shp"}));
}

}  // namespace
}  // namespace plotvane
