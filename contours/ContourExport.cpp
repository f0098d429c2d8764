// Building the contours and writing them by the file's name. See ContourExport.h.

#include "contours/ContourExport.h"

#include "common/SafeFile.h"
#include "contours/CsvWriter.h"
#include "contours/DxfWriter.h"
#include "contours/FileExtension.h"
#include "contours/GeoJsonWriter.h"
#include "levels/BandPolygons.h"
#include "levels/LevelSegments.h"
#include "levels/PolylineJoin.h"
#include "render/ContourMesh.h"

namespace plotvane {
namespace {

Failure UnknownName(const std::string& path) {
  return Failure{FailureKind::Usage, path + ": the name must end in .geojson, .dxf or .csv", {}};
}

}  // namespace

std::optional<ContourFormat> ContourFormatOf(std::string_view path) {
  if (HasExtension(path, ".geojson")) return ContourFormat::GeoJson;
  if (HasExtension(path, ".dxf")) return ContourFormat::Dxf;
  if (HasExtension(path, ".csv")) return ContourFormat::Csv;
  return std::nullopt;
}

ContourSet BuildContourSet(const Document& doc, const DrawSettings& settings, bool withBands) {
  const ContourMesh mesh(doc, settings);
  ContourSet contours;
  contours.levels = JoinLevelSegments(mesh, CollectLevelSegments(mesh));
  if (withBands) contours.bands = BuildBandPolygons(mesh, CollectBandOutlines(mesh));
  return contours;
}

std::optional<ContourFormat> ContourFormatNamed(std::string_view name) {
  if (name == "geojson") return ContourFormat::GeoJson;
  if (name == "dxf") return ContourFormat::Dxf;
  if (name == "csv") return ContourFormat::Csv;
  return std::nullopt;
}

void WriteContours(const ContourSet& contours, ContourFormat format, SafeFileWriter& writer) {
  switch (format) {
    case ContourFormat::GeoJson: WriteGeoJson(contours, writer); break;
    case ContourFormat::Dxf: WriteDxf(contours, writer); break;
    case ContourFormat::Csv: WriteCsv(contours, writer); break;
  }
}

WriteOutcome WriteContourFile(const ContourSet& contours, const std::string& path) {
  const auto format = ContourFormatOf(path);
  if (!format) return UnknownName(path);
  SafeFileWriter writer(path);
  if (!writer.open()) return writer.failure();
  WriteContours(contours, *format, writer);
  if (!writer.commit()) return writer.failure();
  return std::nullopt;
}

WriteOutcome ExportContours(const Document& doc, const DrawSettings& settings, const std::string& path,
                            bool withBands) {
  const auto format = ContourFormatOf(path);
  if (!format) return UnknownName(path);
  if (withBands && *format != ContourFormat::GeoJson) {
    return Failure{FailureKind::Usage, "the bands are written to .geojson files only", {}};
  }
  if (!doc.drawable()) return Failure{FailureKind::LoadFailed, "there is no mesh to draw contours from", {}};
  return WriteContourFile(BuildContourSet(doc, settings, withBands), path);
}

}  // namespace plotvane
