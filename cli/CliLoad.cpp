#include "cli/CliLoad.h"

#include "cli/BoundaryOption.h"
#include "cli/ExitStatus.h"
#include "common/Capacity.h"
#include "common/Messages.h"
#include "data/ColumnChoice.h"
#include "data/FileTitle.h"
#include "data/LasReader.h"
#include "data/SiteFileReader.h"
#include "load/DifferenceDocument.h"
#include "settings/ContourInterval.h"
#include "settings/EqualAspect.h"
#include "settings/NumberText.h"
#include "settings/ViewFile.h"

namespace plotvane::cli {

void AddLoadOptions(CLI::App& table, LoadArguments& load) {
  table.add_option("FILE", load.file, "the data file (.txt, .csv, .xyz, .dat) or contour file (.ctr)")
      ->required()
      ->type_name("");
  table
      .add_option_function<std::string>(
          "--skip-lines",
          [&load](const std::string& text) {
            load.skip.lines = static_cast<std::int16_t>(*RoundHalfEven(*ParseNumber(text)));
          },
          "lines to leave out at the top of the file (-32768..32767)")
      ->check(CLI::Validator(
          [](std::string& text) -> std::string {
            const auto value = ParseNumber(text);
            const auto whole = value ? RoundHalfEven(*value) : std::nullopt;
            if (whole && *whole >= -32768 && *whole <= 32767) return {};
            return "must be a number within -32768..32767: " + text;
          },
          ""))
      ->type_name("N");
  table.add_option("--skip-prefixes", load.skip.prefixes, "leave out lines that start with any of these characters")
      ->type_name("TEXT");
  table
      .add_option_function<std::string>(
          "--columns", [&load](const std::string& text) { load.columns.columns = *ParseColumnChoice(text); },
          "the fields that hold X, Y and Z")
      ->check(CLI::Validator(
          [](std::string& text) -> std::string {
            if (ParseColumnChoice(text)) return {};
            return "must be three different field numbers 1..100, as 2,3,4: " + text;
          },
          ""))
      ->type_name("X,Y,Z");
  AddSwitch(table, "--x-north", load.columns.xNorth, "the file's X is north (survey coordinates): swap X and Y");
  table
      .add_option_function<std::string>(
          "--duplicates",
          [&load](const std::string& rule) {
            load.columns.duplicates = rule == "first" ? DuplicateRule::First : DuplicateRule::Mean;
          },
          "points of the same X and Y: keep the first, or one with their mean Z (default: refuse the file)")
      ->check(CLI::IsMember({"first", "mean"}))
      ->type_name("first|mean");
  AddSurveyFileOptions(table, load);
  CLI::Option* interval = AddNumber(table, "--interval", load.interval, "contour interval: Z1, Z2 and n from it");
  AddNumber(table, "--base", load.base, "the level the interval counts from (default 0)")->needs(interval);
  AddSwitch(table, "--equal-aspect", load.equalAspect, "widen the narrower side of the window to true scale");
  AddSwitch(table, "--isotropic", load.isotropic, "mesh X and Y at one scale (Delaunay in the data's proportions)");
  table.add_option("--breaklines", load.breaklines, "lines the mesh follows (text, GeoJSON or DXF)")->type_name("FILE");
  AddBoundaryOption(table, load.boundary);
}

void AddSurveyFileOptions(CLI::App& table, LoadArguments& load) {
  table
      .add_option_function<std::string>(
          "--las-class", [&load](const std::string& text) { load.columns.lasClasses = *ParseLasClasses(text); },
          "LAS: keep only the points of these classes (2 = ground)")
      ->check(CLI::Validator(
          [](std::string& text) -> std::string {
            if (ParseLasClasses(text)) return {};
            return "must be class numbers 0..255, as 2 or 2,9: " + text;
          },
          ""))
      ->type_name("LIST");
  table
      .add_option_function<std::string>(
          "--thin", [&load](const std::string& text) { load.columns.thinCell = *ParseNumber(text); },
          "LAS: thin on square cells this wide (default: the smallest that leaves 99999 points)")
      ->check(CLI::Validator(
          [](std::string& text) -> std::string {
            const auto value = ParseNumber(text);
            if (value && *value > 0) return {};
            return "must be a positive number: " + text;
          },
          ""))
      ->type_name("CELL");
  table.add_option("--surface", load.columns.surface, "LandXML: the surface to read (default: the first)")
      ->type_name("NAME");
}

void AddViewOptions(CLI::App& table, ViewArguments& view) {
  table.add_option("--view", view.view, "drawing settings from a view file (.ctv)")->type_name("VIEW.ctv");
  table.add_option("--sq", view.sq, "distortion upper limit; an empty text for none")
      ->check(CLI::Validator(
          [](std::string& text) -> std::string {
            if (TrimSpaces(text).empty() || ParseNumber(text)) return {};
            return "must be a number or empty: " + text;
          },
          ""))
      ->type_name("LIMIT");
}

std::optional<int> LoadDataFile(const LoadArguments& load, Document& doc, LoadStatus& status, std::ostream& err) {
  const std::string& path = load.file;
  doc.fileTitle = FileTitleOf(FileNameOf(path));
  MeshOptions meshOptions;
  meshOptions.isotropic = load.isotropic;
  if (!load.breaklines.empty()) {
    meshOptions.breaklineFile = load.breaklines;
    if (const std::optional<Failure> failure = ReadSiteFile(load.breaklines, meshOptions.breaklines)) {
      err << "plotvane-cli: " << failure->text() << '\n';
      if (failure->kind == FailureKind::CannotOpen) return ExitStatusOf(failure->kind);
      // As breaklines the mesh cannot follow: a load that ends without a mesh.
      doc.errMsg = messages::kBadBreaklines;
      doc.errDetail = failure->detail;
      status = LoadStatus::BadBreaklines;
      return std::nullopt;
    }
  }
  status = OpenDataFile(path, doc, NullProgress(), load.skip, load.columns, meshOptions);
  if (status == LoadStatus::CannotOpen) err << "plotvane-cli: cannot open " << path << '\n';
  if (status == LoadStatus::UnknownKind) {
    err << "plotvane-cli: " << path
        << " is not a data file: its name must end in .txt, .csv, .xyz, .dat, .ctr, .sim, .las or .xml\n";
  }
  // The error: line keeps the fixed message; what exactly went wrong goes here.
  if (!doc.errDetail.empty()) err << "plotvane-cli: " << doc.errDetail << '\n';
  // What a survey file's reader read, left out and kept.
  if (!doc.survey.loadNote.empty() && doc.survey.loadNote != doc.errDetail) {
    err << "plotvane-cli: " << path << ": " << doc.survey.loadNote << '\n';
  }
  // A file that cannot be read ends the command here; a load failure of the
  // data is the caller's to report with what it read.
  const std::optional<Failure> failure = LoadFailureOf(status, doc);
  if (failure && (failure->kind == FailureKind::CannotOpen || failure->kind == FailureKind::NotDataFile)) {
    return ExitStatusOf(failure->kind);
  }
  return std::nullopt;
}

std::optional<int> ApplySurveyOptions(const LoadArguments& load, Document& doc, std::ostream& err) {
  if (load.interval) {
    const DataRange& r = doc.range;
    switch (ApplyContourInterval(doc.settings, *load.interval, load.base.value_or(0.0), r.zMin, r.zMax)) {
      case IntervalLevels::Status::Ok: break;
      case IntervalLevels::Status::BadInterval:
        return UsageError(err, "--interval must be a positive number and --base a finite one");
      case IntervalLevels::Status::TooManyLevels:
        return UsageError(err, "--interval " + NumberText(*load.interval) + " gives more than " +
                                   std::to_string(capacity::kMaxLevels) + " bands over the data's Z range");
    }
  }
  if (load.equalAspect) ApplyEqualAspect(doc.settings, doc.range);
  return ApplyBoundaryOption(load.boundary, doc, err);
}

namespace {

// LoadDataFile, with a load that ends without a mesh an exit status.
std::optional<int> LoadSurface(const LoadArguments& load, Document& doc, std::ostream& err) {
  LoadStatus status = LoadStatus::Meshed;
  if (const auto stop = LoadDataFile(load, doc, status, err)) return stop;
  if (const std::optional<Failure> failure = LoadFailureOf(status, doc)) {
    err << "plotvane-cli: " << load.file << ": " << (doc.errMsg.empty() ? std::string("no data points") : doc.errMsg)
        << '\n';
    return ExitStatusOf(failure->kind);
  }
  return std::nullopt;
}

// Replaces doc by its difference to the surface of load.difference, loaded
// with the same options.
std::optional<int> MakeDifference(const LoadArguments& load, Document& doc, std::ostream& err) {
  LoadArguments second = load;
  second.file = *load.difference;
  Document reference;
  if (const auto stop = LoadSurface(second, reference, err)) return stop;
  Document difference;
  if (const std::optional<Failure> failure = MakeDifferenceDocument(doc, reference, difference)) {
    err << "plotvane-cli: " << load.file << " - " << second.file << ": " << failure->text() << '\n';
    return ExitStatusOf(failure->kind);
  }
  ReplaceSurface(doc, std::move(difference));
  return std::nullopt;
}

}  // namespace

void AddDifferenceOption(CLI::App& table, LoadArguments& load) {
  table
      .add_option("--difference", load.difference,
                  "draw and measure FILE's surface minus FILE2's (loaded with the same options) where both exist")
      ->type_name("FILE2");
}

std::optional<int> LoadMeshed(const LoadArguments& load, const ViewArguments& view, Document& doc, std::ostream& err) {
  if (const auto stop = LoadSurface(load, doc, err)) return stop;
  if (load.difference) {
    if (const auto stop = MakeDifference(load, doc, err)) return stop;
  }
  if (view.view) {
    switch (ReadViewFile(*view.view, doc.settings)) {
      case ViewReadStatus::Ok: break;
      case ViewReadStatus::CannotOpen:
        err << "plotvane-cli: cannot open " << *view.view << '\n';
        return ExitStatusOf(FailureKind::CannotOpen);
      case ViewReadStatus::BadContent:
        err << "plotvane-cli: " << *view.view << ": the settings stop part way; the rest keep their values\n";
        break;
    }
  }
  if (view.sq) doc.settings.sq = TrimSpaces(*view.sq).empty() ? std::string() : NumberText(*ParseNumber(*view.sq));
  return ApplySurveyOptions(load, doc, err);
}

}  // namespace plotvane::cli
