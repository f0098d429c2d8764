// The contours command. See ContoursCommand.h.

#include "cli/ContoursCommand.h"

#include "cli/CliLoad.h"
#include "cli/CrsOptions.h"
#include "cli/ExitStatus.h"
#include "cli/IndexContourOption.h"
#include "cli/OutputTarget.h"
#include "cli/RampOption.h"
#include "contours/ContourExport.h"
#include "contours/OgrContourWriter.h"

namespace plotvane::cli {

int RunContours(const Words& words, std::ostream& out, std::ostream& err) {
  LoadArguments load;
  ViewArguments view;
  std::string output;
  std::optional<std::string> formatName;
  bool bands = false;
  std::optional<std::string> rampText;
  const auto table =
      NewOptionTable("contours",
                     "Writes the contour lines the page draws as GeoJSON, GeoPackage, Shapefile, KML, DXF or CSV for "
                     "GIS and CAD.");
  AddLoadOptions(*table, load);
  AddDifferenceOption(*table, load);
  table
      ->add_option("-o,--output", output,
                   "the output file: .geojson, .gpkg, .shp, .kml, .dxf or .csv, or - for standard output")
      ->required()
      ->type_name("OUT");
  table->add_option("--format", formatName, "the format for standard output: geojson, dxf or csv");
  AddViewOptions(*table, view);
  CLI::Option* bandsOption =
      AddSwitch(*table, "--bands", bands, "add the filled bands as polygons (not in .dxf or .csv)");
  AddRampOption(*table, rampText)->needs(bandsOption);
  std::optional<std::int32_t> indexEvery;
  AddIndexEveryOption(*table, indexEvery);
  CrsArguments crs;
  AddCrsOptions(*table, crs);
  if (const auto stop = ParseOptionTable(*table, words, out, err)) return *stop;
  if (formatName.has_value() != (output == kStandardOutput)) {
    return UsageError(err, "--format is needed with -o - (standard output), and only there");
  }
  const auto format = formatName ? ContourFormatNamed(*formatName) : ContourFormatOf(output);
  if (!format) {
    return UsageError(err, (formatName ? *formatName : output) +
                               ": the output name must end in .geojson, .gpkg, .shp, .kml, .dxf or .csv (--format: "
                               "geojson, dxf, csv)");
  }
  if (bands && !HoldsBands(*format)) return UsageError(err, "--bands needs a .geojson, .gpkg, .shp or .kml output");
  if (rampText && *format != ContourFormat::GeoJson) return UsageError(err, "--ramp colours .geojson bands only");
  const CrsChoice system = ReadCrsOptions(crs, err);
  if (system.stop) return *system.stop;
  if (*format == ContourFormat::Kml && !system.system.chosen()) return ReportFailure(KmlNeedsSystem(), err);

  Document doc;
  if (const auto stop = ResolveRamp(rampText, doc.ramp, err)) return *stop;
  if (const auto stop = LoadMeshed(load, view, doc, err)) return *stop;
  // The name, the bands and the mesh are checked: what can still fail is
  // the write, or the memory on the way.
  ContourFileOptions options;
  options.withBands = bands;
  options.system = system.system;
  // The colours go only where a ramp was asked for: the bands of a plain
  // export stay as GIS layers have always read them.
  options.colourBands = rampText.has_value();
  if (indexEvery) options.indexLines = IndexLines{load.base.value_or(0.0), *indexEvery};
  if (output == kStandardOutput) {
    const auto file = OpenOutput(output);
    if (const WriteOutcome failure = ExportContours(doc, doc.settings, *format, options, *file)) {
      return ReportFailure(*failure, err);
    }
    return FinishOutput(*file, err);
  }
  if (const WriteOutcome failure = ExportContours(doc, doc.settings, output, options)) {
    return ReportFailure(*failure, err);
  }
  out << output << '\n';
  return kExitOk;
}

}  // namespace plotvane::cli
