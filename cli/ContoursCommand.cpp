// The contours command. See ContoursCommand.h.

#include "cli/ContoursCommand.h"

#include "cli/CliCommands.h"
#include "cli/CliLoad.h"
#include "contours/ContourExport.h"

namespace plotvane::cli {

int RunContours(const Arguments& args, std::ostream& out, std::ostream& err) {
  static const char* const kUsage = "contours FILE -o OUT.geojson|.dxf|.csv [--view VIEW.ctv] [--sq LIMIT] [--bands]";
  const auto output = args.option("-o");
  if (args.positional.size() != 1 || !output) {
    err << "usage: plotvane-cli " << kUsage << '\n';
    return kExitUsage;
  }
  const auto format = ContourFormatOf(*output);
  if (!format) {
    err << "plotvane-cli: " << *output << ": the output name must end in .geojson, .dxf or .csv\n";
    return kExitUsage;
  }
  const bool bands = args.option("--bands").has_value();
  if (bands && *format != ContourFormat::GeoJson) {
    err << "plotvane-cli: --bands needs a .geojson output\n";
    return kExitUsage;
  }
  Document doc;
  if (const auto stop = LoadMeshed(args, doc, err)) return *stop;
  // The name, the bands and the mesh are checked: what can still fail is the write.
  const std::string error = ExportContours(doc, doc.settings, *output, bands);
  if (!error.empty()) {
    err << "plotvane-cli: " << error << '\n';
    return kExitWriteFailed;
  }
  out << *output << '\n';
  return kExitOk;
}

}  // namespace plotvane::cli
