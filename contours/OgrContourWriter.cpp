// Contours through OGR. See OgrContourWriter.h.

#include "contours/OgrContourWriter.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <optional>

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

  // The lines' layer takes the "index_line" field when the levels are marked,
  // which the first level tells: it is made then (or after the last, for none).
  bool writeLevels(const ContourFeed& contours) {
    OGRLayer* layer = nullptr;
    bool marked = false, ok = true;
    contours.eachLevel([&](const ContourLevel& level) {
      if (layer == nullptr) {
        marked = level.indexLine.has_value();
        layer = linesLayer(marked);
        if (layer == nullptr) return ok = false;
      }
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
      return ok = layer->CreateFeature(&feature) == OGRERR_NONE;
    });
    return ok && (layer != nullptr || linesLayer(false) != nullptr);
  }

  bool writeBands(const ContourFeed& contours) {
    char** options = CSLSetNameValue(nullptr, "ENCODING", "UTF-8");
    OGRLayer* layer = m_dataset.CreateLayer(m_plan.bands.c_str(), m_reference, wkbMultiPolygon, options);
    CSLDestroy(options);
    if (layer == nullptr || !addName(*layer) || !addField(*layer, "lower", OFTReal) ||
        !addField(*layer, "upper", OFTReal) || !addField(*layer, "band", OFTInteger)) {
      return false;
    }
    bool ok = true;
    contours.eachBand([&](const ContourBand& band) {
      OGRFeature feature(layer->GetLayerDefn());
      if (m_plan.named) feature.SetField("Name", (ExactText(band.lower) + " - " + ExactText(band.upper)).c_str());
      feature.SetField("lower", band.lower);
      feature.SetField("upper", band.upper);
      feature.SetField("band", band.index);
      OGRMultiPolygon polygons = BandToOgr(band);
      feature.SetGeometry(&polygons);
      return ok = layer->CreateFeature(&feature) == OGRERR_NONE;
    });
    return ok;
  }

 private:
  OGRLayer* linesLayer(bool marked) {
    char** options = CSLSetNameValue(nullptr, "ENCODING", "UTF-8");
    OGRLayer* layer = m_dataset.CreateLayer(m_plan.lines.c_str(), m_reference, wkbMultiLineString, options);
    CSLDestroy(options);
    if (layer == nullptr || !addName(*layer) || !addField(*layer, "level", OFTReal) ||
        !addField(*layer, "index", OFTInteger) || (marked && !addField(*layer, "index_line", OFTInteger))) {
      return nullptr;
    }
    return layer;
  }

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

WriteOutcome WriteOgrContours(const ContourFeed& contours, const std::string& path, OgrFormat format,
                              CoordinateSystem system, bool withBands) {
  const bool wgs84 = format == OgrFormat::Kml;
  if (wgs84 && !system.chosen()) return KmlNeedsSystem();
  std::optional<Wgs84Contours> reprojected;
  if (wgs84) {
    reprojected.emplace(contours, system);
    if (reprojected->failure()) return reprojected->failure();
  }
  const ContourFeed& written = wgs84 ? static_cast<const ContourFeed&>(*reprojected) : contours;
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
  const bool complete = output.writeLevels(written) && (!withBands || output.writeBands(written));
  // A point that could not be transformed ends the walk: the staged files go.
  if (reprojected && reprojected->failure()) return reprojected->failure();
  if (!complete) return staged.gdalFailure(scope.lastError());
  dataset.reset();
  if (CPLGetLastErrorType() >= CE_Failure) return staged.gdalFailure(scope.lastError());
  return staged.commit();
}

}  // namespace plotvane
