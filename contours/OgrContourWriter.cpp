// Contours through OGR. See OgrContourWriter.h.

#include "contours/OgrContourWriter.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include "contours/BandGeometry.h"
#include "contours/ExactNumber.h"
#include "contours/GdalSession.h"
#include "contours/Reprojection.h"
#include "contours/StagedFiles.h"

namespace plotvane {
namespace {

const char* DriverName(OgrFormat format) {
  switch (format) {
    case OgrFormat::GeoPackage: return "GPKG";
    case OgrFormat::Shapefile: return "ESRI Shapefile";
    case OgrFormat::Kml: return "KML";
  }
  return "";
}

std::string BaseName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithoutExtension(const std::string& name) { return name.substr(0, name.find_last_of('.')); }

OGRLineString Line(const std::vector<ContourPoint>& points, bool closed) {
  OGRLineString line;
  for (const ContourPoint& p : points) line.addPoint(p.x, p.y);
  if (closed && !points.empty()) line.addPoint(points.front().x, points.front().y);
  return line;
}

// The layer names and, for KML, the placemark name field.
struct LayerPlan {
  std::string lines, bands;
  bool named = false;
};

class OgrOutput {
 public:
  OgrOutput(GDALDataset& dataset, OGRSpatialReference* reference, const LayerPlan& plan)
      : m_dataset(dataset), m_reference(reference), m_plan(plan) {}

  bool writeLevels(const std::vector<ContourLevel>& levels) {
    const bool marked = !levels.empty() && levels.front().indexLine.has_value();
    char** options = CSLSetNameValue(nullptr, "ENCODING", "UTF-8");
    OGRLayer* layer = m_dataset.CreateLayer(m_plan.lines.c_str(), m_reference, wkbMultiLineString, options);
    CSLDestroy(options);
    if (layer == nullptr || !addName(*layer) || !addField(*layer, "level", OFTReal) ||
        !addField(*layer, "index", OFTInteger) || (marked && !addField(*layer, "index_line", OFTInteger))) {
      return false;
    }
    for (const ContourLevel& level : levels) {
      OGRMultiLineString lines;
      for (const ContourLine& line : level.lines) {
        const OGRLineString part = Line(line.points, line.closed);
        lines.addGeometry(&part);
      }
      OGRFeature feature(layer->GetLayerDefn());
      if (m_plan.named) feature.SetField("Name", ExactText(level.value).c_str());
      feature.SetField("level", level.value);
      feature.SetField("index", level.index);
      if (marked) feature.SetField("index_line", level.indexLine.value_or(false) ? 1 : 0);
      feature.SetGeometry(&lines);
      if (layer->CreateFeature(&feature) != OGRERR_NONE) return false;
    }
    return true;
  }

  bool writeBands(const std::vector<ContourBand>& bands) {
    char** options = CSLSetNameValue(nullptr, "ENCODING", "UTF-8");
    OGRLayer* layer = m_dataset.CreateLayer(m_plan.bands.c_str(), m_reference, wkbMultiPolygon, options);
    CSLDestroy(options);
    if (layer == nullptr || !addName(*layer) || !addField(*layer, "lower", OFTReal) ||
        !addField(*layer, "upper", OFTReal) || !addField(*layer, "band", OFTInteger)) {
      return false;
    }
    for (const ContourBand& band : bands) {
      OGRFeature feature(layer->GetLayerDefn());
      if (m_plan.named) feature.SetField("Name", (ExactText(band.lower) + " - " + ExactText(band.upper)).c_str());
      feature.SetField("lower", band.lower);
      feature.SetField("upper", band.upper);
      feature.SetField("band", band.index);
      OGRMultiPolygon polygons = BandToOgr(band);
      feature.SetGeometry(&polygons);
      if (layer->CreateFeature(&feature) != OGRERR_NONE) return false;
    }
    return true;
  }

 private:
  static bool addField(OGRLayer& layer, const char* name, OGRFieldType type) {
    OGRFieldDefn field(name, type);
    return layer.CreateField(&field) == OGRERR_NONE;
  }
  bool addName(OGRLayer& layer) const { return !m_plan.named || addField(layer, "Name", OFTString); }

  GDALDataset& m_dataset;
  OGRSpatialReference* m_reference;  // GDAL's layers take it as not const, and only read it
  const LayerPlan& m_plan;
};

LayerPlan PlanOf(OgrFormat format, const std::string& path) {
  if (format != OgrFormat::Shapefile) return {"contours", "bands", format == OgrFormat::Kml};
  const std::string stem = WithoutExtension(BaseName(path));
  return {stem, WithoutExtension(BaseName(BandsShapefileName(path))), false};
}

}  // namespace

Failure KmlNeedsSystem() {
  return Failure{FailureKind::Usage,
                 "a KML file is in WGS 84 longitude and latitude: name the data's coordinate system "
                 "(--crs EPSG:N or --zone N)",
                 {}};
}

std::string BandsShapefileName(const std::string& path) {
  const auto dot = path.find_last_of('.');
  return path.substr(0, dot) + "_bands" + path.substr(dot);
}

WriteOutcome WriteOgrContours(const ContourSet& contours, const std::string& path, OgrFormat format,
                              CoordinateSystem system, bool withBands) {
  const bool wgs84 = format == OgrFormat::Kml;
  if (wgs84 && !system.chosen()) return KmlNeedsSystem();
  ReprojectedContours reprojected;
  if (wgs84) {
    reprojected = ToWgs84(contours, system);
    if (reprojected.failure) return reprojected.failure;
  }
  const ContourSet& written = wgs84 ? reprojected.contours : contours;
  const SpatialReference reference = SpatialReferenceOf(wgs84 ? CoordinateSystem{kWgs84Epsg} : system);

  StagedFiles staged(path);
  if (WriteOutcome failure = staged.open()) return failure;
  const GdalErrorScope scope;
  GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(DriverName(format));
  if (driver == nullptr) return staged.gdalFailure(std::string("GDAL has no driver ") + DriverName(format));
  // A shapefile data set is a folder of layers: the staging folder itself.
  const std::string datasetPath = format == OgrFormat::Shapefile ? staged.folder() : staged.mainPath();
  GDALDatasetUniquePtr dataset(driver->Create(datasetPath.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
  if (!dataset) return staged.gdalFailure(scope.lastError());
  const LayerPlan plan = PlanOf(format, path);
  OgrOutput output(*dataset, reference.get(), plan);
  if (!output.writeLevels(written.levels) || (withBands && !output.writeBands(written.bands))) {
    return staged.gdalFailure(scope.lastError());
  }
  dataset.reset();
  if (CPLGetLastErrorType() >= CE_Failure) return staged.gdalFailure(scope.lastError());
  return staged.commit();
}

}  // namespace plotvane
