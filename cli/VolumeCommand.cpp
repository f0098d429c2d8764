// The volume command. See VolumeCommand.h.

#include "cli/VolumeCommand.h"

#include "cli/CliLoad.h"
#include "cli/ExitStatus.h"
#include "cli/OutputTarget.h"
#include "settings/NumberText.h"
#include "tools/VolumeReport.h"

namespace plotvane::cli {
namespace {

struct VolumeArguments {
  LoadArguments load;
  ViewArguments view;
  std::optional<double> plane;
  std::optional<std::string> against;
  std::string method = "tin";
  std::optional<double> cell;
  std::optional<std::string> report;
};

// The options' own checks, before any file is opened.
std::optional<int> CheckArguments(const VolumeArguments& a, std::ostream& err) {
  if (a.plane.has_value() == a.against.has_value()) return UsageError(err, "give either --plane H or --against FILE2");
  if (a.cell && a.method != "grid") return UsageError(err, "--cell needs --method grid");
  if (a.cell && !(*a.cell > 0)) return UsageError(err, "--cell must be a positive number: " + NumberText(*a.cell));
  // The figures go to standard output already; a report there would mix with them.
  if (a.report == kStandardOutput) return UsageError(err, "-o needs a file name for the report");
  return std::nullopt;
}

void PrintFigures(const VolumeFigures& figures, std::ostream& out) {
  for (const auto& [name, value] : VolumeFigureRows(figures)) out << name << ": " << RoundTripText(value) << '\n';
}

}  // namespace

int RunVolume(const Words& words, std::ostream& out, std::ostream& err) {
  VolumeArguments a;
  const auto table = NewOptionTable(
      "volume", "Prints the cut and fill of FILE's surface against a level plane or a second file's surface.");
  AddLoadOptions(*table, a.load);
  CLI::Option* plane = AddNumber(*table, "--plane", a.plane, "the height of the reference plane");
  table->add_option("--against", a.against, "the reference surface's data file, loaded with the same options")
      ->type_name("FILE2")
      ->excludes(plane);
  table->add_option("--method", a.method, "tin (exact, the default) or grid (cell centres)")
      ->check(CLI::IsMember({"tin", "grid"}))
      ->type_name("tin|grid");
  AddNumber(*table, "--cell", a.cell, "the grid's cell side in data units (default 0.5)");
  table->add_option("-o,--output", a.report, "also write the figures and the inputs as a CSV report")
      ->type_name("REPORT.csv");
  AddViewOptions(*table, a.view);
  if (const auto stop = ParseOptionTable(*table, words, out, err)) return *stop;
  if (const auto stop = CheckArguments(a, err)) return *stop;

  const VolumeRequest request{a.method == "grid" ? VolumeMethod::Grid : VolumeMethod::Tin,
                              a.cell.value_or(kDefaultVolumeCell)};
  Document surface;
  if (const auto stop = LoadMeshed(a.load, a.view, surface, err)) return *stop;
  if (request.method == VolumeMethod::Grid && !VolumeGridOf(surface.range, request.cell)) {
    return UsageError(err, "--cell " + NumberText(request.cell) + " gives more than " + NumberText(kMaxVolumeCells) +
                               " cells over " + a.load.file + "'s range");
  }
  Document other;
  VolumeReference reference{a.plane, {}};
  if (a.against) {
    LoadArguments second = a.load;
    second.file = *a.against;
    if (const auto stop = LoadMeshed(second, a.view, other, err)) return *stop;
    reference.surface = VolumeSurfaceOf(other);
  }
  const VolumeFigures figures = ComputeVolume(VolumeSurfaceOf(surface), reference, request);
  if (!figures.overlap()) {
    err << "plotvane-cli: the surfaces do not overlap\n";
    return kExitLoadFailed;
  }
  PrintFigures(figures, out);
  if (a.report) {
    const VolumeInputs inputs{a.load.file, a.against.value_or(""), a.plane, request};
    if (const WriteOutcome failure = WriteVolumeReport(*a.report, inputs, figures)) return ReportFailure(*failure, err);
  }
  return kExitOk;
}

}  // namespace plotvane::cli
