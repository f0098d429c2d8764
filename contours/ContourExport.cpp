// Building the contours and writing them by the file's name. See ContourExport.h.

#include "contours/ContourExport.h"

#include "common/SafeFile.h"
#include "contours/BandRepair.h"
#include "contours/BoundaryClip.h"
#include "contours/CsvWriter.h"
#include "contours/DxfWriter.h"
#include "contours/FileExtension.h"
#include "contours/GeoJsonWriter.h"
#include "contours/OgrContourWriter.h"
#include "contours/Reprojection.h"
#include "levels/BandPolygons.h"
#include "levels/LevelSegments.h"
#include "levels/PolylineJoin.h"
#include "render/ContourMesh.h"

namespace plotvane {
namespace {

Failure UnknownName(const std::string& path) {
  return Failure{FailureKind::Usage, path + ": the name must end in .geojson, .gpkg, .shp, .kml, .dxf or .csv", {}};
}

}  // namespace

std::optional<ContourFormat> ContourFormatOf(std::string_view path) {
  if (HasExtension(path, ".geojson")) return ContourFormat::GeoJson;
  if (HasExtension(path, ".dxf")) return ContourFormat::Dxf;
  if (HasExtension(path, ".csv")) return ContourFormat::Csv;
  if (HasExtension(path, ".gpkg")) return ContourFormat::GeoPackage;
  if (HasExtension(path, ".shp")) return ContourFormat::Shapefile;
  if (HasExtension(path, ".kml")) return ContourFormat::Kml;
  return std::nullopt;
}

bool HoldsBands(ContourFormat format) { return format != ContourFormat::Dxf && format != ContourFormat::Csv; }

ContourSet BuildContourSet(const Document& doc, const DrawSettings& settings, bool withBands) {
  const ContourMesh mesh(doc, settings);
  ContourSet contours;
  contours.levels = JoinLevelSegments(mesh, CollectLevelSegments(mesh));
  if (withBands) {
    contours.bands = BuildBandPolygons(mesh, CollectBandOutlines(mesh));
    RepairBands(contours);
  }
  ClipToBoundary(contours, doc);
  return contours;
}

std::optional<ContourFormat> ContourFormatNamed(std::string_view name) {
  if (name == "geojson") return ContourFormat::GeoJson;
  if (name == "dxf") return ContourFormat::Dxf;
  if (name == "csv") return ContourFormat::Csv;
  return std::nullopt;
}

WriteOutcome StreamContours(const ContourSet& contours, ContourFormat format, const CoordinateSystem& system,
                            SafeFileWriter& writer) {
  switch (format) {
    case ContourFormat::GeoJson: {
      if (!system.chosen()) {
        WriteGeoJson(contours, writer);
        return std::nullopt;
      }
      const ReprojectedContours reprojected = ToWgs84(contours, system);
      if (reprojected.failure) return reprojected.failure;
      WriteGeoJson(reprojected.contours, writer);
      return std::nullopt;
    }
    case ContourFormat::Dxf: WriteDxf(contours, writer); return std::nullopt;
    case ContourFormat::Csv: WriteCsv(contours, writer); return std::nullopt;
    case ContourFormat::GeoPackage:
    case ContourFormat::Shapefile:
    case ContourFormat::Kml: break;
  }
  return Failure{FailureKind::Usage, "this format is written to files only", {}};
}

WriteOutcome WriteContourFile(const ContourSet& contours, const std::string& path, const ContourFileOptions& options) {
  const auto format = ContourFormatOf(path);
  if (!format) return UnknownName(path);
  switch (*format) {
    case ContourFormat::GeoJson:
    case ContourFormat::Dxf:
    case ContourFormat::Csv: {
      SafeFileWriter writer(path);
      if (!writer.open()) return writer.failure();
      if (WriteOutcome failure = StreamContours(contours, *format, options.system, writer)) return failure;
      if (!writer.commit()) return writer.failure();
      return std::nullopt;
    }
    case ContourFormat::GeoPackage:
      return WriteOgrContours(contours, path, OgrFormat::GeoPackage, options.system, options.withBands);
    case ContourFormat::Shapefile:
      return WriteOgrContours(contours, path, OgrFormat::Shapefile, options.system, options.withBands);
    case ContourFormat::Kml: return WriteOgrContours(contours, path, OgrFormat::Kml, options.system, options.withBands);
  }
  return UnknownName(path);
}

WriteOutcome ExportContours(const Document& doc, const DrawSettings& settings, const std::string& path,
                            const ContourFileOptions& options) {
  const auto format = ContourFormatOf(path);
  if (!format) return UnknownName(path);
  if (options.withBands && !HoldsBands(*format)) {
    return Failure{FailureKind::Usage, "the bands are not written to .dxf or .csv files", {}};
  }
  if (*format == ContourFormat::Kml && !options.system.chosen()) return KmlNeedsSystem();
  if (!doc.drawable()) return Failure{FailureKind::LoadFailed, "there is no mesh to draw contours from", {}};
  return WriteContourFile(BuildContourSet(doc, settings, options.withBands), path, options);
}

}  // namespace plotvane
