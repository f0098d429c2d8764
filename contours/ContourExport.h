#pragma once
// The contour tools' entry: from a document and its drawing settings to the
// contours, and from the contours to a file of the kind its name asks for.
//
// A window or the command line needs one call:
//   WriteOutcome failure = ExportContours(doc, doc.settings, path, withBands);
// which builds the contour set (levels, lines and, on request, bands) of the
// triangles the page draws for these settings and writes it through the safe
// writer: the target is replaced only by a complete file. The kind follows
// the end of the name in any letter case: ".geojson" (GeoJsonWriter.h),
// ".dxf" (DxfWriter.h), ".csv" (CsvWriter.h). Bands go only into GeoJSON.

#include <optional>
#include <string>
#include <string_view>

#include "common/Failure.h"
#include "common/SafeFile.h"
#include "data/Document.h"
#include "levels/ContourSet.h"
#include "settings/DrawSettings.h"

namespace plotvane {

enum class ContourFormat { GeoJson, Dxf, Csv };

// The format of an output name; nullopt for any other name.
std::optional<ContourFormat> ContourFormatOf(std::string_view path);
// The format named exactly ("geojson", "dxf", "csv"), for standard output.
std::optional<ContourFormat> ContourFormatNamed(std::string_view name);

// The contours of doc's mesh for these settings (read as the page reads them,
// RenderSettings.h). doc must be drawable (Document::drawable).
ContourSet BuildContourSet(const Document& doc, const DrawSettings& settings, bool withBands);

// Writes the contours into an open writer (standard output, for one), which
// the caller commits; a failed write is recorded in the writer.
void WriteContours(const ContourSet& contours, ContourFormat format, SafeFileWriter& writer);

// Writes the contours to path in the format of its name. Returns the
// failure, none on success.
WriteOutcome WriteContourFile(const ContourSet& contours, const std::string& path);

// BuildContourSet and WriteContourFile in one, after checking that doc has a
// mesh, that the name's format is known and that bands are asked for only in
// GeoJSON. Returns the failure (a name or a band request that cannot be
// written is a usage failure, a missing mesh a load failure), none on success.
WriteOutcome ExportContours(const Document& doc, const DrawSettings& settings, const std::string& path, bool withBands);

}  // namespace plotvane
