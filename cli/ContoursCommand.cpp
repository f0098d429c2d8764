// The contours command. See ContoursCommand.h.

#include "cli/ContoursCommand.h"

#include "cli/CliLoad.h"
#include "cli/ExitStatus.h"
#include "contours/ContourExport.h"

namespace plotvane::cli {

int RunContours(const Words& words, std::ostream& out, std::ostream& err) {
  LoadArguments load;
  ViewArguments view;
  std::string output;
  bool bands = false;
  const auto table =
      NewOptionTable("contours", "Writes the contour lines the page draws as GeoJSON, DXF or CSV for GIS and CAD.");
  AddLoadOptions(*table, load);
  table->add_option("-o,--output", output, "the output file: .geojson, .dxf or .csv")->required()->type_name("OUT");
  AddViewOptions(*table, view);
  AddSwitch(*table, "--bands", bands, "add the filled bands as polygons (.geojson only)");
  if (const auto stop = ParseOptionTable(*table, words, out, err)) return *stop;
  const auto format = ContourFormatOf(output);
  if (!format) return UsageError(err, output + ": the output name must end in .geojson, .dxf or .csv");
  if (bands && *format != ContourFormat::GeoJson) return UsageError(err, "--bands needs a .geojson output");

  Document doc;
  if (const auto stop = LoadMeshed(load, view, doc, err)) return *stop;
  // The name, the bands and the mesh are checked: what can still fail is the write.
  if (const WriteOutcome failure = ExportContours(doc, doc.settings, output, bands)) {
    return ReportFailure(*failure, err);
  }
  out << output << '\n';
  return kExitOk;
}

}  // namespace plotvane::cli
