// The files, read back: GeoJSON and DXF by GDAL's ogrinfo, the ESRI grid by
// gdalinfo and gdal_translate, CSV by strtod for exactness; and the failures
// of writing.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

#include "contours/AsciiGrid.h"
#include "contours/ContourExport.h"
#include "contours/ContourTestSupport.h"
#include "contours/ExactNumber.h"
#include "settings/NumberText.h"
#include "support/TempDir.h"
#include "tools/MeshValueAt.h"

namespace plotvane {
namespace {

using test::TempDir;

std::string ReadWith(const std::string& command) {
  int status = 0;
  const std::string out = test::RunTool(command + " 2>&1", status);
  EXPECT_EQ(status, 0) << command << "\n" << out;
  return out;
}

std::size_t Count(const std::string& text, const std::string& pattern) {
  const std::regex re(pattern);
  return static_cast<std::size_t>(std::distance(std::sregex_iterator(text.begin(), text.end(), re), {}));
}

std::size_t LineCount(const ContourSet& set) {
  std::size_t n = 0;
  for (const ContourLevel& level : set.levels) n += level.lines.size();
  return n;
}

Document Lattice() { return test::ContourDocument(test::LatticeMesh(9, 41), "6", "0.8"); }

// The lattice's contours written to dir/name and what ogrinfo reads in them.
std::string OgrinfoOfWritten(const ContourSet& set, const TempDir& dir, const std::string& name) {
  const std::string path = dir.file(name);
  EXPECT_FALSE(WriteContourFile(set, path));
  return ReadWith(std::string(PLOTVANE_OGRINFO) + " -ro -al " + path);
}

TEST(ContourFiles, GeoJsonReadsBackInOgrinfo) {
  const Document doc = Lattice();
  const ContourSet set = BuildContourSet(doc, doc.settings, true);
  const TempDir dir;
  const std::string out = OgrinfoOfWritten(set, dir, "lines.geojson");
  EXPECT_EQ(Count(out, "OGRFeature\\("), set.levels.size() + set.bands.size());
  std::size_t lineFeatures = 0;
  for (const ContourLevel& level : set.levels) {
    lineFeatures += level.lines.size() == 1 ? 1 : 0;
    const bool band =
        std::any_of(set.bands.begin(), set.bands.end(), [&](const auto& b) { return b.index == level.index; });
    EXPECT_EQ(Count(out, "index \\(Integer\\) = " + std::to_string(level.index) + "\\n"), 1u);
    EXPECT_EQ(Count(out, "band \\(Integer\\) = " + std::to_string(level.index) + "\\n"), band ? 1u : 0u);
  }
  EXPECT_EQ(Count(out, "\\n  LINESTRING \\("), lineFeatures);
  EXPECT_EQ(Count(out, "\\n  MULTILINESTRING \\("), set.levels.size() - lineFeatures);
  EXPECT_EQ(Count(out, "\\n  (MULTI)?POLYGON \\("), set.bands.size());
  EXPECT_EQ(Count(out, "level \\(Real\\) = "), set.levels.size());
}

TEST(ContourFiles, DxfReadsBackInOgrinfo) {
  const Document doc = Lattice();
  const ContourSet set = BuildContourSet(doc, doc.settings, false);
  const TempDir dir;
  const std::string out = OgrinfoOfWritten(set, dir, "lines.dxf");
  EXPECT_EQ(Count(out, "OGRFeature\\("), LineCount(set));
  EXPECT_EQ(Count(out, "LINESTRING Z \\("), LineCount(set));
  for (const ContourLevel& level : set.levels) {
    // One layer per level, its name holding the level; every vertex at the level's height.
    std::ostringstream layer;
    layer << "Layer \\(String\\) = CONTOUR_" << std::regex_replace(ExactText(level.value), std::regex("\\."), "\\.")
          << "\\n";
    EXPECT_EQ(Count(out, layer.str()), level.lines.size()) << level.value;
  }
  // Each layer's colour and weight, as GDAL reads them from the layer table:
  // blue for the lowest level, red for the highest, every line 0.25 mm.
  const auto styleOf = [&](const ContourLevel& level) {
    const std::size_t at = out.find("Layer (String) = CONTOUR_" + ExactText(level.value) + "\n");
    return at == std::string::npos ? std::string() : out.substr(out.find("Style = ", at), 30);
  };
  EXPECT_EQ(styleOf(set.levels.front()).substr(0, 30), "Style = PEN(c:#0000ff,w:0.25g)");
  EXPECT_EQ(styleOf(set.levels.back()).substr(0, 30), "Style = PEN(c:#ff0000,w:0.25g)");
  const std::regex point("(-?[0-9.e+-]+) (-?[0-9.e+-]+) (-?[0-9.e+-]+)[,)]");
  for (auto it = std::sregex_iterator(out.begin(), out.end(), point); it != std::sregex_iterator(); ++it) {
    const double z = std::stod((*it)[3]);
    EXPECT_TRUE(std::any_of(set.levels.begin(), set.levels.end(), [&](const ContourLevel& l) {
      return std::fabs(l.value - z) < 1e-9;
    })) << z;
  }
}

TEST(ContourFiles, CsvNumbersReadBackExactly) {
  const Document doc = Lattice();
  const ContourSet set = BuildContourSet(doc, doc.settings, false);
  TempDir dir;
  const std::string path = dir.file("lines.csv");
  ASSERT_FALSE(WriteContourFile(set, path));
  std::istringstream in(test::ReadBytes(path));
  std::string row;
  std::getline(in, row);
  EXPECT_EQ(row, "level,line,vertex,x,y\r");
  for (const ContourLevel& level : set.levels) {
    for (std::size_t l = 0; l < level.lines.size(); ++l) {
      const ContourLine& line = level.lines[l];
      for (std::size_t v = 0; v < line.points.size() + (line.closed ? 1 : 0); ++v) {
        ASSERT_TRUE(std::getline(in, row));
        double fields[5];
        const char* p = row.c_str();
        for (double& f : fields) {
          char* end = nullptr;
          f = std::strtod(p, &end);
          p = end + 1;
        }
        const ContourPoint& expected = line.points[v % line.points.size()];
        EXPECT_EQ(fields[0], level.value);
        EXPECT_EQ(fields[1], static_cast<double>(l + 1));
        EXPECT_EQ(fields[2], static_cast<double>(v + 1));
        EXPECT_EQ(fields[3], expected.x);
        EXPECT_EQ(fields[4], expected.y);
      }
    }
  }
  EXPECT_FALSE(std::getline(in, row));
}

TEST(ContourFiles, ExportRefusesWhatItCannotWrite) {
  const Document doc = Lattice();
  TempDir dir;
  EXPECT_TRUE(ExportContours(doc, doc.settings, dir.file("lines.txt"), false));
  EXPECT_TRUE(ExportContours(doc, doc.settings, dir.file("lines.dxf"), true));
  EXPECT_TRUE(ExportContours(Document{}, doc.settings, dir.file("lines.geojson"), false));
  EXPECT_TRUE(ExportContours(doc, doc.settings, dir.file("missing/lines.geojson"), false));
  EXPECT_FALSE(std::filesystem::exists(dir.file("lines.dxf")));
  EXPECT_FALSE(ExportContours(doc, doc.settings, dir.file("LINES.GeoJSON"), false));
}

// The ESRI grid: gdal_translate lists every cell's centre and value, which
// must be the tab grid's points and values (or NODATA off the mesh).
struct AsciiGridCase {
  const char* name;
  GridParameters grid;
  const char* cellHeader;  // "cellsize" or "dx"
};

class AsciiGridFiles : public testing::TestWithParam<AsciiGridCase> {};

TEST_P(AsciiGridFiles, CellsAreTheGridPointsWithTheirValues) {
  const AsciiGridCase& c = GetParam();
  Document doc = test::ContourDocument(test::LatticeMesh(6, 3), "5", "0.5");
  doc.range = {-100, 300, 0, 100, 0, 100};  // wider than high, so cells of 10 x 5 fit
  TempDir dir;
  const std::string path = dir.file("grid.asc");
  ASSERT_FALSE(ConvertToAsciiGrid(doc, c.grid, path));
  const std::string header = test::ReadBytes(path);
  EXPECT_NE(header.find(std::string("\r\n") + c.cellHeader + " "), std::string::npos);
  const std::string info = ReadWith(std::string(PLOTVANE_GDALINFO) + " " + path);
  EXPECT_NE(info.find("Size is " + std::to_string(c.grid.countX) + ", " + std::to_string(c.grid.countY)),
            std::string::npos);
  const std::string cells = ReadWith(std::string(PLOTVANE_GDAL_TRANSLATE) + " -q -of XYZ " + path + " /vsistdout/");
  std::istringstream in(cells);
  double x = 0, y = 0, z = 0;
  std::size_t count = 0, values = 0;
  const double noData = -9999;
  while (in >> x >> y >> z) {
    ++count;
    // The nearest grid point to the cell centre.
    const auto i = std::lround((x - c.grid.originX) / c.grid.intervalX) + 1;
    const auto j = std::lround((y - c.grid.originY) / c.grid.intervalY) + 1;
    const double xg = GridCoordinate(c.grid.originX, c.grid.intervalX, i).value;
    const double yg = GridCoordinate(c.grid.originY, c.grid.intervalY, j).value;
    EXPECT_NEAR(x, xg, 1e-6);
    EXPECT_NEAR(y, yg, 1e-6);
    const MeshValue v = MeshValueAt(doc.mesh, doc.range, ReadDistortionLimit(doc.settings), xg, yg);
    if (v.hasValue()) {
      ++values;
      EXPECT_NEAR(z, std::stod(SingleText(v.z)), 1e-3) << x << " " << y;
    } else {
      EXPECT_EQ(z, noData) << x << " " << y;
    }
  }
  EXPECT_EQ(count, static_cast<std::size_t>(c.grid.countX) * static_cast<std::size_t>(c.grid.countY));
  EXPECT_GT(values, 0u);
}

INSTANTIATE_TEST_SUITE_P(Grids, AsciiGridFiles,
                         testing::Values(AsciiGridCase{"square", {-90, 10, 30, 5, 10, 8}, "cellsize"},
                                         AsciiGridCase{"oblong", {-90, 10, 30, 5, 2.5f, 30}, "dx"},
                                         AsciiGridCase{"downward", {250, -10, 30, 95, -10, 8}, "cellsize"}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(AsciiGridFiles, RefusesGridsWithoutCells) {
  const Document doc = test::ContourDocument(test::LatticeMesh(4, 3), "5");
  TempDir dir;
  EXPECT_TRUE(ConvertToAsciiGrid(doc, {0, 10, 0, 0, 10, 5}, dir.file("a.asc")));
  EXPECT_TRUE(ConvertToAsciiGrid(doc, {0, 0, 5, 0, 10, 5}, dir.file("b.asc")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("a.asc")));
  EXPECT_TRUE(IsAsciiGridName("grid.ASC"));
  EXPECT_FALSE(IsAsciiGridName(".asc"));
}

}  // namespace
}  // namespace plotvane
