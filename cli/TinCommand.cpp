// The tin command. See TinCommand.h.

#include "cli/TinCommand.h"

#include "cli/CliLoad.h"
#include "cli/CrsOptions.h"
#include "cli/ExitStatus.h"
#include "contours/TinSurface.h"

namespace plotvane::cli {

int RunTin(const Words& words, std::ostream& out, std::ostream& err) {
  LoadArguments load;
  ViewArguments view;
  CrsArguments crs;
  std::string output;
  const auto table =
      NewOptionTable("tin", "Writes the triangles the page draws as a LandXML 1.2 TIN surface or DXF 3DFACEs.");
  AddLoadOptions(*table, load);
  table->add_option("-o,--output", output, "the output file: .xml (LandXML) or .dxf")->required()->type_name("OUT");
  AddViewOptions(*table, view);
  AddCrsOptions(*table, crs);
  if (const auto stop = ParseOptionTable(*table, words, out, err)) return *stop;
  const auto format = TinFormatOf(output);
  if (!format) return UsageError(err, output + ": the output name must end in .xml or .dxf");
  const CrsChoice system = ReadCrsOptions(crs, err);
  if (system.stop) return *system.stop;

  Document doc;
  if (const auto stop = LoadMeshed(load, view, doc, err)) return *stop;
  const WriteOutcome failure = WriteTinSurface(TinSurfaceOf(doc), output, *format, doc.fileTitle, system.system);
  if (failure) return ReportFailure(*failure, err);
  out << output << '\n';
  return kExitOk;
}

}  // namespace plotvane::cli
