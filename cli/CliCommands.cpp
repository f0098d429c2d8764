#include "cli/CliCommands.h"

#include <cstdio>
#include <limits>
#include <string>

#include "cli/CliLoad.h"
#include "cli/CrsOptions.h"
#include "cli/ExitStatus.h"
#include "cli/OutputTarget.h"
#include "contours/AsciiGrid.h"
#include "contours/GeoTiffGrid.h"
#include "contours/PrjFile.h"
#include "settings/NumberText.h"
#include "settings/SettingsBlock.h"
#include "tools/GridBudget.h"
#include "tools/GridConversion.h"
#include "tools/MeshValueAt.h"

namespace plotvane::cli {
namespace {

void PrintInfo(const Document& doc, std::ostream& out) {
  const PointSet& p = doc.points;
  const DataRange& r = doc.range;
  out << "points: " << p.nn << '\n';
  out << "labels: " << p.labelX << '\t' << p.labelY << '\t' << p.labelZ << '\n';
  out << "range: " << NumberText(r.xMin) << ' ' << NumberText(r.xMax) << ' ' << NumberText(r.yMin) << ' '
      << NumberText(r.yMax) << ' ' << NumberText(r.zMin) << ' ' << NumberText(r.zMax) << '\n';
  out << "triangles: " << doc.mesh.nt << '\n';
  out << "error: " << doc.errMsg << '\n';
  out << "settings:\n";
  for (const std::string& line : SettingsBlockLines(doc.settings)) out << "  " << line << '\n';
}

std::string Exact(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

void PrintMesh(const Document& doc, std::ostream& out) {
  const Mesh& m = doc.mesh;
  if (m.nt == 0) return;  // the mesh arrays describe no mesh
  for (PointIndex i = 1; i <= doc.points.nn; ++i) {
    out << "v " << i << ' ' << Exact(m.meshX[i]) << ' ' << Exact(m.meshY[i]) << ' ' << Exact(m.meshZ[i]) << '\n';
  }
  for (TriangleIndex k = 1; k <= m.nt; ++k) {
    out << "t " << k << ' ' << m.ipt[3 * k - 2] << ' ' << m.ipt[3 * k - 1] << ' ' << m.ipt[3 * k] << ' '
        << Exact(m.hh[k]) << '\n';
  }
}

// info and mesh print the settings of any load; the survey options need the
// data's range, so they apply only to a load that meshed.
int PrintLoad(const Words& words, bool withMesh, std::ostream& out, std::ostream& err) {
  LoadArguments load;
  const auto table = NewOptionTable(withMesh ? "mesh" : "info",
                                    withMesh ? "Prints what info prints, then the mesh: its points in percent of the "
                                               "data range and its triangles with their distortion."
                                             : "Prints what loading FILE found: points, labels, range, triangles, the "
                                               "error and the settings block.");
  AddLoadOptions(*table, load);
  if (const auto stop = ParseOptionTable(*table, words, out, err)) return *stop;
  Document doc;
  LoadStatus status = LoadStatus::Meshed;
  if (const auto stop = LoadDataFile(load, doc, status, err)) return *stop;
  if (status == LoadStatus::Meshed) {
    if (const auto stop = ApplySurveyOptions(load, doc, err)) return *stop;
  }
  PrintInfo(doc, out);
  if (withMesh) PrintMesh(doc, out);
  const std::optional<Failure> failure = LoadFailureOf(status, doc);
  return failure ? ExitStatusOf(failure->kind) : kExitOk;
}

}  // namespace

int RunInfo(const Words& words, std::ostream& out, std::ostream& err) { return PrintLoad(words, false, out, err); }

int RunMesh(const Words& words, std::ostream& out, std::ostream& err) { return PrintLoad(words, true, out, err); }

int RunValue(const Words& words, std::ostream& out, std::ostream& err) {
  LoadArguments load;
  ViewArguments view;
  std::optional<double> x, y;
  const auto table = NewOptionTable("value", "Prints the value of the surface at X, Y, or Outside or Degenerate.");
  AddLoadOptions(*table, load);
  AddDifferenceOption(*table, load);
  AddNumber(*table, "X", x, "data X")->required();
  AddNumber(*table, "Y", y, "data Y")->required();
  AddViewOptions(*table, view);
  if (const auto stop = ParseOptionTable(*table, words, out, err)) return *stop;
  const auto xs = ToSingle(*x);
  const auto ys = ToSingle(*y);
  if (!xs || !ys) return UsageError(err, "X and Y must lie within the single-precision range");
  Document doc;
  if (const auto stop = LoadMeshed(load, view, doc, err)) return *stop;
  const MeshValue value = MeshValueAt(doc, *xs, *ys);
  switch (value.kind) {
    case MeshValue::Kind::Value: out << SingleText(value.z) << '\n'; break;
    case MeshValue::Kind::Outside: out << "Outside\n"; break;
    case MeshValue::Kind::Degenerate: out << "Degenerate\n"; break;
  }
  return kExitOk;
}

int RunGrid(const Words& words, std::ostream& out, std::ostream& err) {
  LoadArguments load;
  ViewArguments view;
  GridTexts texts;
  std::string output;
  std::optional<std::string> formatName;
  std::optional<std::int32_t> maxPoints;
  const auto table =
      NewOptionTable("grid",
                     "Writes the surface's values on a regular grid: a text file (X, Y, Z columns), an ESRI ASCII grid "
                     "(.asc) or a GeoTIFF (.tif); \"-o -\" writes the text (or with --format asc the grid) to standard "
                     "output.");
  AddLoadOptions(*table, load);
  AddDifferenceOption(*table, load);
  table->add_option("X0", texts.originX, "first grid X")->required();
  table->add_option("DX", texts.intervalX, "grid step along X")->required();
  table->add_option("NX", texts.countX, "number of grid columns")->required();
  table->add_option("Y0", texts.originY, "first grid Y")->required();
  table->add_option("DY", texts.intervalY, "grid step along Y")->required();
  table->add_option("NY", texts.countY, "number of grid rows")->required();
  table->add_option("-o,--output", output, "the output file, or - for standard output")->required()->type_name("OUT");
  table->add_option("--format", formatName, "the format for standard output: txt (the default) or asc");
  AddWholeNumber(*table, "--max-points", maxPoints, 1, std::numeric_limits<std::int32_t>::max(),
                 "the most grid points to compute (default 100000000)");
  AddViewOptions(*table, view);
  CrsArguments crs;
  AddCrsOptions(*table, crs);
  if (const auto stop = ParseOptionTable(*table, words, out, err)) return *stop;
  if (formatName && output != kStandardOutput) {
    return UsageError(err, "--format applies to -o - (standard output) only: a file's name gives its format");
  }
  if (formatName && *formatName != "txt" && *formatName != "asc") {
    return UsageError(err, *formatName + ": --format must be txt or asc");
  }
  const bool ascii = formatName ? *formatName == "asc" : IsAsciiGridName(output);
  const CrsChoice system = ReadCrsOptions(crs, err);
  if (system.stop) return *system.stop;
  const GridParametersRead grid = ReadGridParameters(texts);
  if (grid.status != GridParametersRead::Status::Ready) {
    return UsageError(err, grid.status == GridParametersRead::Status::NotNumeric
                               ? std::string("the six grid parameters must be numbers")
                               : grid.error);
  }
  const std::int64_t pointBound = maxPoints.value_or(kDefaultMaxGridPoints);
  if (const WriteOutcome refusal = GridSizeRefusal(EstimateGrid(Document{}, grid.parameters, ascii), pointBound)) {
    ReportFailure(*refusal, err);
    return UsageError(err, "--max-points raises the bound");
  }
  Document doc;
  if (const auto stop = LoadMeshed(load, view, doc, err)) return *stop;
  // As the grid window, which does nothing for such a mesh.
  if (doc.mesh.nt < kGridMinTriangles) {
    err << "plotvane-cli: the mesh has " << doc.mesh.nt << (doc.mesh.nt == 1 ? " triangle" : " triangles")
        << "; a grid needs at least " << kGridMinTriangles << '\n';
    return kExitLoadFailed;
  }
  if (output != kStandardOutput) {
    // A GeoTIFF holds every cell as a 4-byte value, about what an ESRI grid's cell takes.
    const bool everyCell = ascii || IsGeoTiffName(output);
    if (const WriteOutcome refusal = GridSpaceRefusal(EstimateGrid(doc, grid.parameters, everyCell), output)) {
      return ReportFailure(*refusal, err);
    }
  }
  if (IsGeoTiffName(output)) {
    if (const WriteOutcome failure = ConvertToGeoTiff(doc, grid.parameters, output, system.system)) {
      return ReportFailure(*failure, err);
    }
    out << output << '\n';
    return kExitOk;
  }
  const auto file = OpenOutput(output);
  if (!file->failed()) {
    const WriteOutcome failure =
        ascii ? ConvertToAsciiGrid(doc, grid.parameters, *file) : ConvertToGrid(doc, grid.parameters, *file);
    if (failure) return ReportFailure(*failure, err);
  }
  int status = FinishOutput(*file, err);
  // An ESRI grid has no place for its system: the .prj beside it says it.
  if (status == kExitOk && system.system.chosen() && ascii && output != kStandardOutput) {
    if (const WriteOutcome failure = WritePrjBeside(output, system.system)) status = ReportFailure(*failure, err);
  }
  if (status == kExitOk && output != kStandardOutput) out << output << '\n';
  return status;
}

}  // namespace plotvane::cli
