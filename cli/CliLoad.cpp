#include "cli/CliLoad.h"

#include "cli/CliCommands.h"
#include "cli/CliSurveyOptions.h"
#include "data/ColumnChoice.h"
#include "data/FileTitle.h"
#include "settings/NumberText.h"
#include "settings/ViewFile.h"

namespace plotvane::cli {

std::optional<double> NumberArgument(const std::string& text, const char* what, std::ostream& err) {
  const auto value = ParseNumber(text);
  if (!value) err << "plotvane-cli: " << what << " must be a number: " << text << '\n';
  return value;
}

std::optional<int> LoadDataFile(const Arguments& args, Document& doc, LoadStatus& status, std::ostream& err) {
  if (args.positional.empty()) {
    err << "plotvane-cli: " << args.command << " needs a data file\n";
    return kExitUsage;
  }
  const std::string& path = args.positional[0];
  SkipOptions skip;
  if (const auto lines = args.option("--skip-lines")) {
    const auto value = NumberArgument(*lines, "--skip-lines", err);
    const auto whole = value ? RoundHalfEven(*value) : std::nullopt;
    if (!whole || *whole < -32768 || *whole > 32767) {
      if (value) err << "plotvane-cli: --skip-lines must lie in -32768..32767\n";
      return kExitUsage;
    }
    skip.lines = static_cast<std::int16_t>(*whole);
  }
  if (const auto prefixes = args.option("--skip-prefixes")) skip.prefixes = *prefixes;
  LoadOptions options;
  if (const auto columns = args.option("--columns")) {
    const auto choice = ParseColumnChoice(*columns);
    if (!choice) {
      err << "plotvane-cli: --columns must be three different field numbers 1..100, as 2,3,4: " << *columns << '\n';
      return kExitUsage;
    }
    options.columns = *choice;
  }
  options.xNorth = args.option("--x-north").has_value();
  doc.fileTitle = FileTitleOf(FileNameOf(path));

  status = OpenDataFile(path, doc, NullProgress(), skip, options);
  if (status == LoadStatus::CannotOpen) err << "plotvane-cli: cannot open " << path << '\n';
  if (status == LoadStatus::UnknownKind) {
    err << "plotvane-cli: " << path << " is not a data file: its name must end in .txt or .ctr\n";
  }
  // The error: line keeps the fixed message; what exactly went wrong goes here.
  if (!doc.errDetail.empty()) err << "plotvane-cli: " << doc.errDetail << '\n';
  if (status == LoadStatus::CannotOpen || status == LoadStatus::UnknownKind) return kExitUsage;
  return std::nullopt;
}

std::optional<int> ApplySettingsOptions(const Arguments& args, Document& doc, std::ostream& err) {
  if (const auto view = args.option("--view")) {
    switch (ReadViewFile(*view, doc.settings)) {
      case ViewReadStatus::Ok: break;
      case ViewReadStatus::CannotOpen: err << "plotvane-cli: cannot open " << *view << '\n'; return kExitUsage;
      case ViewReadStatus::BadContent:
        err << "plotvane-cli: " << *view << ": the settings stop part way; the rest keep their values\n";
        break;
    }
  }
  if (const auto sq = args.option("--sq")) {
    if (TrimSpaces(*sq).empty()) {
      doc.settings.sq.clear();
    } else {
      const auto limit = NumberArgument(*sq, "--sq", err);
      if (!limit) return kExitUsage;
      doc.settings.sq = NumberText(*limit);
    }
  }
  return ApplySurveyOptions(args, doc, err);
}

std::optional<int> LoadMeshed(const Arguments& args, Document& doc, std::ostream& err) {
  LoadStatus status = LoadStatus::Meshed;
  if (const auto stop = LoadDataFile(args, doc, status, err)) return stop;
  if (status != LoadStatus::Meshed) {
    err << "plotvane-cli: " << args.positional[0] << ": "
        << (doc.errMsg.empty() ? std::string("no data points") : doc.errMsg) << '\n';
    return kExitLoadFailed;
  }
  return ApplySettingsOptions(args, doc, err);
}

}  // namespace plotvane::cli
