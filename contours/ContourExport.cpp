// Building the contours and writing them by the file's name. See ContourExport.h.

#include "contours/ContourExport.h"

#include <new>

#include "common/SafeFile.h"
#include "contours/CsvWriter.h"
#include "contours/DxfWriter.h"
#include "contours/FileExtension.h"
#include "contours/GeoJsonWriter.h"
#include "contours/OgrContourWriter.h"
#include "contours/Reprojection.h"

namespace plotvane {
namespace {

ContourContent ContentOf(const ContourFileOptions& options) {
  return {options.withBands, options.colourBands, options.indexLines};
}

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
  const MeshContours feed(doc, settings, {withBands, false, std::nullopt});
  ContourSet contours;
  feed.eachLevel([&](const ContourLevel& level) {
    contours.levels.push_back(level);
    return true;
  });
  feed.eachBand([&](const ContourBand& band) {
    contours.bands.push_back(band);
    return true;
  });
  return contours;
}

std::optional<ContourFormat> ContourFormatNamed(std::string_view name) {
  if (name == "geojson") return ContourFormat::GeoJson;
  if (name == "dxf") return ContourFormat::Dxf;
  if (name == "csv") return ContourFormat::Csv;
  return std::nullopt;
}

namespace {

// Runs an export, memory running out on the way becoming its failure: the
// writers that the unwinding passes leave any old file as it was.
template <typename Export>
WriteOutcome WithinMemory(Export&& work) {
  try {
    return work();
  } catch (const std::bad_alloc&) {
    return OutOfMemoryForContours();
  }
}

WriteOutcome StreamFeed(const ContourFeed& contours, ContourFormat format, const CoordinateSystem& system,
                        SafeFileWriter& writer) {
  switch (format) {
    case ContourFormat::GeoJson: {
      if (!system.chosen()) {
        WriteGeoJson(contours, writer);
        return std::nullopt;
      }
      const Wgs84Contours reprojected(contours, system);
      if (reprojected.failure()) return reprojected.failure();
      WriteGeoJson(reprojected, writer);
      return reprojected.failure();
    }
    case ContourFormat::Dxf: WriteDxf(contours, writer); return std::nullopt;
    case ContourFormat::Csv: WriteCsv(contours, writer); return std::nullopt;
    case ContourFormat::GeoPackage:
    case ContourFormat::Shapefile:
    case ContourFormat::Kml: break;
  }
  return Failure{FailureKind::Usage, "this format is written to files only", {}};
}

WriteOutcome WriteFeed(const ContourFeed& contours, const std::string& path, const ContourFileOptions& options) {
  const auto format = ContourFormatOf(path);
  if (!format) return UnknownName(path);
  switch (*format) {
    case ContourFormat::GeoJson:
    case ContourFormat::Dxf:
    case ContourFormat::Csv: {
      SafeFileWriter writer(path);
      if (!writer.open()) return writer.failure();
      if (WriteOutcome failure = StreamFeed(contours, *format, options.system, writer)) return failure;
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

}  // namespace

WriteOutcome StreamContours(const ContourFeed& contours, ContourFormat format, const CoordinateSystem& system,
                            SafeFileWriter& writer) {
  return WithinMemory([&] { return StreamFeed(contours, format, system, writer); });
}

WriteOutcome WriteContourFile(const ContourFeed& contours, const std::string& path, const ContourFileOptions& options) {
  return WithinMemory([&] { return WriteFeed(contours, path, options); });
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
  return WithinMemory([&] { return WriteFeed(MeshContours(doc, settings, ContentOf(options)), path, options); });
}

WriteOutcome ExportContours(const Document& doc, const DrawSettings& settings, ContourFormat format,
                            const ContourFileOptions& options, SafeFileWriter& writer) {
  return WithinMemory(
      [&] { return StreamFeed(MeshContours(doc, settings, ContentOf(options)), format, options.system, writer); });
}

Failure OutOfMemoryForContours() {
  return Failure{FailureKind::LoadFailed, "メモリが足りないため、等高線を書き出せません。", {}};
}

}  // namespace plotvane
