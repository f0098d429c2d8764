#include "cli/CliCommands.h"

#include <cstdio>
#include <string>

#include "cli/CliLoad.h"
#include "cli/CliSurveyOptions.h"
#include "cli/OutputTarget.h"
#include "contours/AsciiGrid.h"
#include "settings/NumberText.h"
#include "settings/SettingsBlock.h"
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
std::optional<int> SurveyOptionsAfterLoad(const Arguments& args, Document& doc, LoadStatus status, std::ostream& err) {
  if (status != LoadStatus::Meshed) return std::nullopt;
  return ApplySurveyOptions(args, doc, err);
}

bool ExpectPositional(const Arguments& args, std::size_t count, const char* usage, std::ostream& err) {
  if (args.positional.size() == count) return true;
  err << "usage: plotvane-cli " << usage << '\n';
  return false;
}

}  // namespace

int RunInfo(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (!ExpectPositional(args, 1, "info FILE [--skip-lines N] [--skip-prefixes TEXT]", err)) return kExitUsage;
  Document doc;
  LoadStatus status = LoadStatus::Meshed;
  if (const auto stop = LoadDataFile(args, doc, status, err)) return *stop;
  if (const auto stop = SurveyOptionsAfterLoad(args, doc, status, err)) return *stop;
  PrintInfo(doc, out);
  return status == LoadStatus::Meshed ? kExitOk : kExitLoadFailed;
}

int RunMesh(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (!ExpectPositional(args, 1, "mesh FILE [--skip-lines N] [--skip-prefixes TEXT]", err)) return kExitUsage;
  Document doc;
  LoadStatus status = LoadStatus::Meshed;
  if (const auto stop = LoadDataFile(args, doc, status, err)) return *stop;
  if (const auto stop = SurveyOptionsAfterLoad(args, doc, status, err)) return *stop;
  PrintInfo(doc, out);
  PrintMesh(doc, out);
  return status == LoadStatus::Meshed ? kExitOk : kExitLoadFailed;
}

int RunValue(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (!ExpectPositional(args, 3, "value FILE X Y [--view VIEW.ctv] [--sq LIMIT]", err)) return kExitUsage;
  const auto x = NumberArgument(args.positional[1], "X", err);
  const auto y = NumberArgument(args.positional[2], "Y", err);
  if (!x || !y) return kExitUsage;
  const auto xs = ToSingle(*x);
  const auto ys = ToSingle(*y);
  if (!xs || !ys) {
    err << "plotvane-cli: X and Y must lie within the single-precision range\n";
    return kExitUsage;
  }
  Document doc;
  if (const auto stop = LoadMeshed(args, doc, err)) return *stop;
  const MeshValue value = MeshValueAt(doc, *xs, *ys);
  switch (value.kind) {
    case MeshValue::Kind::Value: out << SingleText(value.z) << '\n'; break;
    case MeshValue::Kind::Outside: out << "Outside\n"; break;
    case MeshValue::Kind::Degenerate: out << "Degenerate\n"; break;
  }
  return kExitOk;
}

int RunGrid(const Arguments& args, std::ostream& out, std::ostream& err) {
  static const char* const kUsage = "grid FILE X0 DX NX Y0 DY NY -o OUT [--view VIEW.ctv] [--sq LIMIT]";
  const auto output = args.option("-o");
  if (!ExpectPositional(args, 7, kUsage, err) || !output) {
    if (!output) err << "usage: plotvane-cli " << kUsage << '\n';
    return kExitUsage;
  }
  const auto& p = args.positional;
  const GridParametersRead grid = ReadGridParameters(GridTexts{p[1], p[2], p[3], p[4], p[5], p[6]});
  if (grid.status != GridParametersRead::Status::Ready) {
    err << "plotvane-cli: "
        << (grid.status == GridParametersRead::Status::NotNumeric
                ? std::string("the six grid parameters must be numbers")
                : grid.error)
        << '\n';
    return kExitUsage;
  }
  Document doc;
  if (const auto stop = LoadMeshed(args, doc, err)) return *stop;
  // As the grid window, which does nothing for such a mesh.
  if (doc.mesh.nt < kGridMinTriangles) {
    err << "plotvane-cli: the mesh has " << doc.mesh.nt << (doc.mesh.nt == 1 ? " triangle" : " triangles")
        << "; a grid needs at least " << kGridMinTriangles << '\n';
    return kExitLoadFailed;
  }
  const auto file = OpenOutput(*output);
  if (!file->failed()) {
    const GridConversionResult result = IsAsciiGridName(*output) ? ConvertToAsciiGrid(doc, grid.parameters, *file)
                                                                 : ConvertToGrid(doc, grid.parameters, *file);
    if (!result.ok()) {
      err << "plotvane-cli: " << result.error << '\n';
      return kExitUsage;
    }
  }
  const int status = FinishOutput(*file, err);
  if (status == kExitOk && *output != kStandardOutput) out << *output << '\n';
  return status;
}

}  // namespace plotvane::cli
