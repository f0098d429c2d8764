#pragma once
// The contour tools' entry: from a document and its drawing settings to the
// contours, and from the contours to a file of the kind its name asks for.
//
// A window or the command line needs one call:
//   WriteOutcome failure = ExportContours(doc, doc.settings, path, withBands);
// which builds the contours (levels, lines and, on request, bands) of the
// triangles the page draws for these settings one level at a time, writing
// each before the next is built, through the safe writer: the target is
// replaced only by a complete file. The kind follows
// the end of the name in any letter case: ".geojson" (GeoJsonWriter.h),
// ".dxf" (DxfWriter.h), ".csv" (CsvWriter.h), and through GDAL ".gpkg",
// ".shp" and ".kml" (OgrContourWriter.h). Bands go into GeoJSON and the GDAL
// formats.
//
// With a coordinate system the GeoJSON is transformed to WGS 84 longitude and
// latitude (RFC 7946), GeoPackage and Shapefile carry the system, KML is
// always WGS 84 and so needs one; DXF and CSV keep the data's coordinates.
// Without a system every file is what it was before systems existed.

#include <optional>
#include <string>
#include <string_view>

#include "common/Failure.h"
#include "common/SafeFile.h"
#include "contours/ContourFeed.h"
#include "contours/CoordinateSystem.h"
#include "contours/MeshContours.h"
#include "data/Document.h"
#include "levels/ContourSet.h"
#include "settings/DrawSettings.h"

namespace plotvane {

enum class ContourFormat { GeoJson, Dxf, Csv, GeoPackage, Shapefile, Kml };

// Whether a format has room for the bands.
bool HoldsBands(ContourFormat format);

struct ContourFileOptions {
  bool withBands = false;
  CoordinateSystem system;                              // none: the data's coordinates, no system
  bool colourBands = false;                             // each band with the page's fill colour (BandColours.h)
  std::optional<IndexLines> indexLines = std::nullopt;  // levels marked as index contours or not
};

// The format of an output name; nullopt for any other name.
std::optional<ContourFormat> ContourFormatOf(std::string_view path);
// The format named exactly ("geojson", "dxf", "csv"): those that stream to
// standard output; nullopt for any other text.
std::optional<ContourFormat> ContourFormatNamed(std::string_view name);

// The contours of doc's mesh for these settings (read as the page reads them,
// RenderSettings.h), all in memory. doc must be drawable (Document::drawable).
ContourSet BuildContourSet(const Document& doc, const DrawSettings& settings, bool withBands);

// Writes the contours into an open writer (standard output, for one), which
// the caller commits, in a format ContourFormatNamed names; a failed write is
// recorded in the writer, a failed transformation returned, and so is memory
// running out (OutOfMemoryForContours).
WriteOutcome StreamContours(const ContourFeed& contours, ContourFormat format, const CoordinateSystem& system,
                            SafeFileWriter& writer);

// Writes the contours to path in the format of its name. Returns the
// failure (memory running out too: OutOfMemoryForContours, the old file left
// as it was), none on success.
WriteOutcome WriteContourFile(const ContourFeed& contours, const std::string& path,
                              const ContourFileOptions& options = {});
inline WriteOutcome WriteContourFile(const ContourSet& contours, const std::string& path,
                                     const ContourFileOptions& options = {}) {
  return WriteContourFile(StoredContours(contours), path, options);
}

// The contours of doc's mesh (MeshContours.h: one level or band in memory at
// a time) written to path, after checking that doc has a mesh, that the
// name's format is known and that bands are asked for only in a format that
// holds them. Returns the failure (a name, a band request or a KML without a
// system is a usage failure, a missing mesh a load failure, and so is memory
// running out on the way, which leaves any old file as it was), none on
// success.
WriteOutcome ExportContours(const Document& doc, const DrawSettings& settings, const std::string& path,
                            const ContourFileOptions& options);
inline WriteOutcome ExportContours(const Document& doc, const DrawSettings& settings, const std::string& path,
                                   bool withBands) {
  ContourFileOptions options;
  options.withBands = withBands;
  return ExportContours(doc, settings, path, options);
}

// The same into an open writer (standard output), which the caller commits,
// in a format ContourFormatNamed names; doc must be drawable.
WriteOutcome ExportContours(const Document& doc, const DrawSettings& settings, ContourFormat format,
                            const ContourFileOptions& options, SafeFileWriter& writer);

// The failure of an export that ran out of memory: a load failure, as the
// contours of these data and settings do not fit.
Failure OutOfMemoryForContours();

}  // namespace plotvane
