// The contours command. See ContoursCommand.h.

#include "cli/ContoursCommand.h"

#include "cli/CliLoad.h"
#include "cli/CrsOptions.h"
#include "cli/ExitStatus.h"
#include "contours/ContourExport.h"
#include "contours/OgrContourWriter.h"

namespace plotvane::cli {

int RunContours(const Words& words, std::ostream& out, std::ostream& err) {
  LoadArguments load;
  ViewArguments view;
  std::string output;
  bool bands = false;
  const auto table =
      NewOptionTable("contours",
                     "Writes the contour lines the page draws as GeoJSON, GeoPackage, Shapefile, KML, DXF or CSV for "
                     "GIS and CAD.");
  AddLoadOptions(*table, load);
  table->add_option("-o,--output", output, "the output file: .geojson, .gpkg, .shp, .kml, .dxf or .csv")
      ->required()
      ->type_name("OUT");
  AddViewOptions(*table, view);
  AddSwitch(*table, "--bands", bands, "add the filled bands as polygons (not in .dxf or .csv)");
  CrsArguments crs;
  AddCrsOptions(*table, crs);
  if (const auto stop = ParseOptionTable(*table, words, out, err)) return *stop;
  const auto format = ContourFormatOf(output);
  if (!format) {
    return UsageError(err, output + ": the output name must end in .geojson, .gpkg, .shp, .kml, .dxf or .csv");
  }
  if (bands && !HoldsBands(*format)) return UsageError(err, "--bands needs a .geojson, .gpkg, .shp or .kml output");
  const CrsChoice system = ReadCrsOptions(crs, err);
  if (system.stop) return *system.stop;
  if (*format == ContourFormat::Kml && !system.system.chosen()) return ReportFailure(KmlNeedsSystem(), err);

  Document doc;
  if (const auto stop = LoadMeshed(load, view, doc, err)) return *stop;
  // The name, the bands and the mesh are checked: what can still fail is the write.
  if (const WriteOutcome failure = ExportContours(doc, doc.settings, output, {bands, system.system})) {
    return ReportFailure(*failure, err);
  }
  out << output << '\n';
  return kExitOk;
}

}  // namespace plotvane::cli
